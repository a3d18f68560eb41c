#!/usr/bin/env bash
# Installs what is missing (Debian packages only), builds Xundral, then either starts it on
# its shipped database ("run") or runs the whole test suite ("test").
set -euo pipefail

mode=${1:-run}
case "$mode" in
run | test) ;;
*)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-charts-dev libqt6opengl6-dev libsqlcipher-dev libbenchmark-dev librsvg2-bin
    libxcb1-dev
    libespeak-ng-dev espeak-ng-data qt6-multimedia-dev
    fonts-arphic-gkai00mp fonts-arphic-gbsn00lp fonts-arphic-ukai fonts-dejavu-core fontconfig
    qt6-translations-l10n
)
if [ "$mode" = test ]; then
    # The end-to-end tests drive the program in a real X server with real key presses, install
    # it, check its desktop entry and metainfo, and build and install its Debian package.
    packages+=(xvfb openbox xdotool x11-utils desktop-file-utils appstream dpkg-dev file lintian man-db)
    packages+=(clang-tidy python3)
fi

# shellcheck source=install_packages.sh
. "$root/scripts/install_packages.sh"
install_packages "${packages[@]}"

jobs=$(nproc 2>/dev/null || echo 2)
build=build
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build "$build" -j "$jobs"

if [ "$mode" = run ]; then
    # Question pictures are looked up below the current directory: start in the program folder.
    cd "$build/xundral"
    exec ./xundral
fi

export ASAN_OPTIONS=detect_leaks=0
ctest --test-dir "$build" --output-on-failure -j "$jobs"

# The checks of .clang-tidy on every source of the program, one file per core: a fresh clone
# has no branch to compare with, and a finding in a file nobody touched is still a finding
# (about 8 minutes on 2 cores). The fuzz targets are not in the compile database.
git ls-files 'app/*.cpp' 'data/*.cpp' 'exam/*.cpp' 'forms/*.cpp' 'speech/*.cpp' 'tools/*.cpp' \
    ':!tools/bank_tool/fuzz/*' |
    xargs -r -P "$jobs" -n 1 clang-tidy -p "$build" --quiet

# The same suite once more under AddressSanitizer and UndefinedBehaviorSanitizer.
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DXUNDRAL_WITH_ASAN=ON \
    -DXUNDRAL_BUILD_BENCHMARKS=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
cmake --build build-asan -j "$jobs"
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --test-dir build-asan --output-on-failure -j "$jobs" -LE e2e
