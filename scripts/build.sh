#!/usr/bin/env bash
# build.sh DIR [cmake options...]: configures (once) and builds the suite into DIR.
set -euo pipefail
dir=$1; shift
top=$(cd "$(dirname "$0")/.." && pwd)
gen=(); command -v ninja >/dev/null && gen=(-G Ninja)
if [ ! -f "$dir/CMakeCache.txt" ]; then
  cmake -S "$top" -B "$dir" "${gen[@]}" "$@"
fi
cmake --build "$dir" --parallel "$(nproc)"
