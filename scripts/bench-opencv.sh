#!/usr/bin/env bash
# bench-opencv.sh: our pixel steps against OpenCV's on the same pictures, in one run, as a table of
# ratios ours / OpenCV. OpenCV (libopencv-dev) is installed for this comparison only; the product
# never links it. Builds into build-bench (Release; BENCH_BUILD names another directory).
#   bench-opencv.sh [TARGET] [picture]   TARGET: opencv_compare (pictures, stretching, rotation) or
#                                        opencv_compare_area (filters and blends); both when left out
# The exit status is 2 when any row is over 1.5 times OpenCV's time.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD:-$top/build-bench}

"$top/scripts/deps.sh" libopencv-dev python3-skimage

if [ ! -f "$build/CMakeCache.txt" ]; then
  gen=(); command -v ninja >/dev/null && gen=(-G Ninja)
  cmake -S "$top" -B "$build" "${gen[@]}" -DCMAKE_BUILD_TYPE=Release -DSALON_BENCH_OPENCV=ON -DSALON_GUI=OFF
fi
targets=(opencv_compare opencv_compare_area)
case "${1:-}" in
  opencv_compare|opencv_compare_area) targets=("$1"); shift ;;
esac
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]}"
echo "Machine:"
lscpu | head -n 14
status=0
for t in "${targets[@]}"; do
  echo
  "$build/$t" "$@" || status=$?
done
exit "$status"
