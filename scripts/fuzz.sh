#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60) on a copy of
# its seed corpus. A crash stops the run with the fuzzer's report and the input that caused it
# (crash-* in build-fuzz/findings); turn that input into a test.
set -euo pipefail

seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

packages=(clang libclang-rt-dev cmake pkg-config qt6-base-dev libsqlcipher-dev)
# shellcheck source=install_packages.sh
. "$root/scripts/install_packages.sh"
install_packages "${packages[@]}"

build=build-fuzz
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DXUNDRAL_BUILD_FUZZERS=ON -DXUNDRAL_BUILD_BENCHMARKS=OFF -DBUILD_TESTING=OFF "${launcher[@]}"
targets=(csv_fuzz connection_string_fuzz bank_source_fuzz)
cmake --build "$build" -j "$(nproc 2>/dev/null || echo 2)" --target "${targets[@]}"

findings=$build/findings
mkdir -p "$findings"
for target in "${targets[@]}"; do
    corpus=$build/corpus/${target%_fuzz}
    mkdir -p "$corpus"
    cp -n "tools/bank_tool/fuzz/corpus_${target%_fuzz}"/* "$corpus"/ 2>/dev/null || true
    echo "== $target: $seconds s"
    "$build/tools/bank_tool/fuzz/$target" -max_total_time="$seconds" -max_len=65536 \
        -artifact_prefix="$findings/$target-" -print_final_stats=1 "$corpus" 2>&1 |
        grep -E '^(stat::number_of_executed_units|stat::new_units_added|==|SUMMARY|INFO: Running)|Done ' || true
    if ls "$findings/$target-"* >/dev/null 2>&1; then
        echo "$target found a crash: $(ls "$findings/$target-"*)" >&2
        exit 1
    fi
done
