#!/usr/bin/env bash
# fuzz.sh [SECONDS] [TARGET...]: builds the libFuzzer targets with clang (build-fuzz/) and runs each
# for SECONDS (default 60), starting from fuzz/seeds/<target>. Findings go to
# build-fuzz/findings/<target>/; copy a crashing input to fuzz/regressions/<target>/ once it is
# mended, so that ./test replays it. FUZZ_JOBS=2 runs two targets at a time; FUZZ_BUILD names
# another build directory.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
shift || true
build=${FUZZ_BUILD:-$top/build-fuzz}

"$top/scripts/deps.sh" clang libclang-rt-14-dev

if [ ! -f "$build/CMakeCache.txt" ]; then
  gen=(); command -v ninja >/dev/null && gen=(-G Ninja)
  CC=clang CXX=clang++ cmake -S "$top" -B "$build" "${gen[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSALON_FUZZ=ON -DSALON_GUI=OFF -DSALON_BENCH=OFF
fi
targets=("$@")
if ((${#targets[@]} == 0)); then
  # The list the build knows (fuzz/Targets.cmake), in its order.
  mapfile -t targets < <(sed -n '/^set(SALON_FUZZ_TARGETS/,/)/p' "$top/fuzz/Targets.cmake" \
    | sed 's/set(SALON_FUZZ_TARGETS//; s/)//' | tr ' ' '\n' | sed '/^$/d')
fi
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]/#/fuzz_}"

run_one() {
  local t=$1 corpus="$build/corpus/$1" findings="$build/findings/$1" log="$build/logs/$1.log"
  mkdir -p "$corpus" "$findings" "$(dirname "$log")"
  # Each run reports its own findings; mended ones live on in fuzz/regressions/.
  rm -f "$findings"/crash-* "$findings"/leak-* "$findings"/timeout-* "$findings"/oom-* "$findings"/slow-unit-*
  # A per-input limit of 25 s and 2 GB: a reader that hangs or hoards memory on some file is a
  # finding like a crash.
  (cd "$findings" && "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 \
     -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "$top/fuzz/seeds/$t") >"$log" 2>&1 || true
}

jobs=${FUZZ_JOBS:-1}
for t in "${targets[@]}"; do
  while (( $(jobs -rp | wc -l) >= jobs )); do wait -n; done
  echo "fuzzing $t for ${seconds}s"
  run_one "$t" &
done
wait

status=0
printf '\n%-16s %12s %10s %8s\n' target executions exec/s findings
for t in "${targets[@]}"; do
  log="$build/logs/$t.log"
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  found=$(find "$build/findings/$t" -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
  printf '%-16s %12s %10s %8s\n' "$t" "${execs:-?}" "${rate:-?}" "$found"
  if [ "$found" -gt 0 ] || [ -z "$execs" ]; then status=1; fi
done
exit $status
