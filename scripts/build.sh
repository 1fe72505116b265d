#!/usr/bin/env bash
# build.sh DIR [cmake options...]: configures (once) and builds the suite into DIR.
set -euo pipefail
dir=$1; shift
top=$(cd "$(dirname "$0")/.." && pwd)
gen=(); command -v ninja >/dev/null && gen=(-G Ninja)
# A configuration that failed half-way leaves a cache but no build files: configure again then.
if [ ! -f "$dir/build.ninja" ] && [ ! -f "$dir/Makefile" ]; then
  cmake -S "$top" -B "$dir" "${gen[@]}" "$@"
fi
cmake --build "$dir" --parallel "$(nproc)"
