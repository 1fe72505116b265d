#!/usr/bin/env bash
# bench-opencv.sh: our pixel steps against OpenCV's on the same pictures, in one run, as a table of
# ratios ours / OpenCV. OpenCV (libopencv-dev) is installed for this comparison only; the product
# never links it. Builds into build-bench (Release; BENCH_BUILD names another directory).
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD:-$top/build-bench}

"$top/scripts/deps.sh" libopencv-dev python3-skimage

if [ ! -f "$build/CMakeCache.txt" ]; then
  gen=(); command -v ninja >/dev/null && gen=(-G Ninja)
  cmake -S "$top" -B "$build" "${gen[@]}" -DCMAKE_BUILD_TYPE=Release -DSALON_BENCH_OPENCV=ON -DSALON_GUI=OFF
fi
cmake --build "$build" --parallel "$(nproc)" --target opencv_compare
echo "Machine:"
lscpu | head -n 14
echo
"$build/opencv_compare" "$@"
