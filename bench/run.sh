#!/bin/sh
# Builds what the benchmarks need, runs them all in two passes and writes bench/RESULTS.md:
# every figure beside its floor, the ratio of each pass and the target, with the figures in
# bench/before/ as the "before" columns. A ratio whose passes differ by more than 25 % is
# flagged as noise rather than reported.
#
#   bench/run.sh            measure and write bench/RESULTS.md
#   bench/run.sh --before   measure and keep the figures as the new "before" columns
#
# XUNDRAL_BUILD_DIR picks the build folder (default: build/ beside this folder).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
build=${XUNDRAL_BUILD_DIR:-$root/build}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j2 --target bench_exam bench_record bench_read_aloud \
  bench_startup startup_floor make_bench_bank xundral program_data

export XUNDRAL_BENCH_BANKS="$build/bench-banks"
mkdir -p "$XUNDRAL_BENCH_BANKS"
for size in 500 5000 30000; do
  [ -f "$XUNDRAL_BENCH_BANKS/bank-$size.mdb" ] ||
    "$build/tools/make_bench_bank" "$XUNDRAL_BENCH_BANKS/bank-$size.mdb" "$size"
done

shipped="$build/xundral/db/exam.mdb"
large="$XUNDRAL_BENCH_BANKS/bank-30000.mdb"
export XUNDRAL_SHIPPED_DB="$shipped"
exam="$build/bench/bench_exam"
xvfb() { xvfb-run -a -s "-screen 0 1280x1024x24" "$@"; }

# Start-up runs in a real X server, on a copy of the program folder, with the shipped bank and
# with the large one in its place.
cp -r "$build/xundral" "$out/program"
cp -r "$build/xundral" "$out/program-30000"
cp "$large" "$out/program-30000/db/exam.mdb"

for pass in 1 2; do
  run="$out/pass$pass"
  mkdir -p "$run"
  echo "pass $pass: $(date -u +%H:%M:%S)"
  "$exam" --benchmark_out="$run/exam.json" --benchmark_out_format=json >/dev/null
  "$exam" --peak-memory=program "$shipped" | tail -1 >"$run/memory-program.json"
  "$exam" --peak-memory=floor "$shipped" | tail -1 >"$run/memory-floor.json"
  "$exam" --peak-memory=sequential "$shipped" | tail -1 >"$run/memory-sequential.json"
  "$exam" --peak-memory=sequential "$large" | tail -1 >"$run/memory-sequential-30000.json"
  "$exam" --felt "$shipped" | tail -1 >"$run/felt.json"
  "$exam" --felt "$large" | tail -1 >"$run/felt-30000.json"
  "$build/bench/bench_record" --benchmark_out="$run/record.json" \
    --benchmark_out_format=json >/dev/null
  "$build/bench/bench_read_aloud" --benchmark_out="$run/read-aloud.json" \
    --benchmark_out_format=json >/dev/null
  xvfb "$build/bench/bench_startup" 11 "$out/program" "$build/bench/startup_floor" |
    tail -1 >"$run/startup.json"
  xvfb "$build/bench/bench_startup" 9 "$out/program-30000" "$build/bench/startup_floor" |
    tail -1 >"$run/startup-30000.json"
done
"$exam" --growth "$shipped" | tail -1 >"$out/pass1/growth.json"
cp "$out/pass1/growth.json" "$out/pass2/growth.json"
echo "done: $(date -u +%H:%M:%S)"

# The figures are kept, so that RESULTS.md can be written again (bench/results.py bench/before
# bench/now) once bench/findings.md says what they mean.
kept="$root/bench/now"
[ "${1:-}" = "--before" ] && kept="$root/bench/before"
rm -rf "$kept"
mkdir -p "$kept"
cp -r "$out/pass1" "$out/pass2" "$kept/"
python3 "$root/bench/results.py" "$root/bench/before" "$root/bench/now" >"$root/bench/RESULTS.md"
echo "wrote $root/bench/RESULTS.md"
