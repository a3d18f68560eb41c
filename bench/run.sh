#!/bin/sh
# Builds what the benchmarks need, runs them all and writes bench/RESULTS.md: every figure beside
# its floor, the ratio and the target, with the figures in bench/before/ as the "before" column.
#
#   bench/run.sh            measure and write bench/RESULTS.md
#   bench/run.sh --before   measure and keep the figures as the new "before" column
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
cmake --build "$build" -j"$(nproc)" --target bench_exam bench_record bench_read_aloud \
  bench_startup make_bench_bank xundral program_data

export XUNDRAL_BENCH_BANKS="$build/bench-banks"
mkdir -p "$XUNDRAL_BENCH_BANKS"
for size in 500 5000 30000; do
  [ -f "$XUNDRAL_BENCH_BANKS/bank-$size.mdb" ] ||
    "$build/tools/make_bench_bank" "$XUNDRAL_BENCH_BANKS/bank-$size.mdb" "$size"
done

shipped="$build/xundral/db/exam.mdb"
export XUNDRAL_SHIPPED_DB="$shipped"
"$build/bench/bench_exam" --benchmark_out="$out/exam.json" --benchmark_out_format=json
"$build/bench/bench_exam" --peak-memory=program "$shipped" | tail -1 >"$out/memory-program.json"
"$build/bench/bench_exam" --peak-memory=floor "$shipped" | tail -1 >"$out/memory-floor.json"
"$build/bench/bench_exam" --growth "$shipped" | tail -1 >"$out/growth.json"
"$build/bench/bench_record" --benchmark_out="$out/record.json" --benchmark_out_format=json
"$build/bench/bench_read_aloud" --benchmark_out="$out/read-aloud.json" --benchmark_out_format=json

# Start-up runs in a real X server, on a copy of the program folder.
cp -r "$build/xundral" "$out/program"
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bench/bench_startup" 11 "$out/program" |
  tail -1 >"$out/startup.json"

if [ "${1:-}" = "--before" ]; then
  mkdir -p "$root/bench/before"
  cp "$out"/*.json "$root/bench/before/"
fi
python3 "$root/bench/results.py" "$root/bench/before" "$out" >"$root/bench/RESULTS.md"
echo "wrote $root/bench/RESULTS.md"
