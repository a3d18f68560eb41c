#!/bin/sh
# The full calibration run of the chance of passing: builds the simulation and runs it on
# 2,000 simulated learners (or the count given), printing the reliability table and the Brier
# scores as Markdown.
set -e
cd "$(dirname "$0")/.."
build=${XUNDRAL_BUILD_DIR:-build}
cmake --build "$build" --target calibration -j2 >/dev/null
"$build/bench/calibration" "${1:-2000}" "${2:-7}"
