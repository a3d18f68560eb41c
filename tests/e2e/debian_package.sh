#!/usr/bin/env bash
# Builds the Debian package from the build, installs it with apt-get as a learner would, and
# starts the program from its desktop entry's Exec in its Path in a real X server. The package
# is removed again at the end. Needs root, as apt-get does.
set -euo pipefail

build=$1
query=$2
here=$(cd "$(dirname "$0")" && pwd)
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: installing a Debian package needs root"
    exit 77
fi
for tool in cpack apt-get dpkg-shlibdeps dpkg-deb; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
if dpkg-query -W -f='${Status}' xundral 2>/dev/null | grep -q 'install ok installed'; then
    echo "SKIP: a xundral package is installed already; this test would replace and remove it"
    exit 77
fi

work=$(mktemp -d)
pids=()
installed=no
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    if [ "$installed" = yes ]; then
        apt-get remove -y -qq --purge xundral >/dev/null 2>&1 || echo "could not remove xundral"
    fi
    rm -rf "$work"
}
trap cleanup EXIT
# shellcheck source=x_session.sh
. "$here/x_session.sh"

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >cpack.log) || {
    cat "$work/cpack.log"
    exit 1
}
deb=$(ls "$work"/package/xundral_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libsqlcipher qt6-translations-l10n fonts-arphic-gkai00mp fonts-arphic-gbsn00lp \
    libespeak-ng1 libqt6multimedia6; do
    case "$depends" in
    *"$needed"*) ;;
    *)
        echo "FAIL: the package does not depend on $needed: $depends"
        exit 1
        ;;
    esac
done
echo "ok: built $(basename "$deb") depending on $depends"

export DEBIAN_FRONTEND=noninteractive
installed=yes
# Without recommends: what the package depends on must be enough to start it.
apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=120 "$deb" >"$work/apt.log" 2>&1 || {
    cat "$work/apt.log"
    exit 1
}
echo "ok: apt-get installed it"
entry=/usr/share/applications/org.xundral.Xundral.desktop
[ -f "$entry" ] || { echo "FAIL: no desktop entry at $entry"; exit 1; }
exec_line=$(desktop_key "$entry" Exec)
path=$(desktop_key "$entry" Path)
[ "$exec_line" = /usr/lib/xundral/xundral ] && [ "$path" = /usr/lib/xundral ] || {
    echo "FAIL: the entry starts '$exec_line' in '$path'"
    exit 1
}

require_x_tools
export HOME=$work/home XDG_DATA_HOME=$work/home/data
mkdir -p "$HOME"
start_x 1024x768
(cd "$path" && exec $exec_line) >"$work/program.log" 2>&1 &
program=$!
pids+=($program)
window=$(main_window)
db=$(find "$XDG_DATA_HOME" -name exam.mdb | head -n1)
[ -n "$db" ] || { echo "FAIL: no database in the data folder"; cat "$work/program.log"; exit 1; }
xdotool key --clearmodifiers alt+s
sleep 1
xdotool key Return
sleep 1
xdotool key 1
sleep 1
[ "$("$query" "$db" "select MARK from B2 where ID=1")" = 1 ] || {
    echo "FAIL: the installed program did not store an answer"
    cat "$work/program.log"
    exit 1
}
echo "ok: started from the desktop entry, answered in the learner's own database"
close_program "$program" "$window"
