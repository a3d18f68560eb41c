#!/usr/bin/env bash
# Installs the build to a temporary prefix, checks the desktop entry and the metainfo, makes
# the install read-only and starts the program as a menu would, from the entry's Exec in its
# Path: an answer lands in the user's data folder, survives a restart and a reinstall, and the
# installed database is never written.
set -euo pipefail

build=$1
query=$2
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# shellcheck source=x_session.sh
. "$here/x_session.sh"

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
entry=$prefix/share/applications/org.xundral.Xundral.desktop
for file in lib/xundral/xundral lib/xundral/xundral-bank lib/xundral/db/exam.mdb \
    lib/xundral/resources/start.jpg lib/xundral/installed-copy \
    share/icons/hicolor/scalable/apps/org.xundral.Xundral.svg \
    share/icons/hicolor/48x48/apps/org.xundral.Xundral.png \
    share/metainfo/org.xundral.Xundral.metainfo.xml; do
    [ -e "$prefix/$file" ] || { echo "FAIL: $file was not installed"; exit 1; }
done
[ -e "$entry" ] || { echo "FAIL: no desktop entry"; exit 1; }
echo "ok: program folder, icons, metainfo and desktop entry installed"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry"
    echo "ok: desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/org.xundral.Xundral.metainfo.xml" >/dev/null
    echo "ok: appstreamcli validate"
fi

require_x_tools
exec_line=$(desktop_key "$entry" Exec)
path=$(desktop_key "$entry" Path)
[ "$path" = "$prefix/lib/xundral" ] || { echo "FAIL: Path is '$path'"; exit 1; }
shipped=$prefix/lib/xundral/db/exam.mdb
before=$(sha256sum <"$shipped")
chmod -R a-w "$prefix"

export HOME=$work/home XDG_DATA_HOME=$work/home/data
mkdir -p "$HOME"
start_x 1024x768
start_from_menu() {
    # The entry's Exec is a bare path: no field codes, no quoting to undo.
    (cd "$path" && exec $exec_line) >>"$work/program.log" 2>&1 &
    program=$!
    pids+=($program)
    window=$(main_window)
}
own_copy() { find "$XDG_DATA_HOME" -name exam.mdb | head -n1; }
answer_of_first() { "$query" "$db" "select MARK from B2 where ID=1"; }

start_from_menu
db=$(own_copy)
[ -n "$db" ] || { echo "FAIL: no database in the data folder"; cat "$work/program.log"; exit 1; }
echo "ok: first start copied the database to ${db#"$work"/}"
# Alt+S starts sequential practice, Enter confirms, 2 answers B for the first question.
xdotool key --clearmodifiers alt+s
sleep 1
xdotool key Return
sleep 1
xdotool key 2
sleep 1
[ "$(answer_of_first)" = 2 ] || {
    echo "FAIL: the answer did not reach the data folder"
    cat "$work/program.log"
    exit 1
}
echo "ok: answer stored in the learner's own database"
close_program "$program" "$window"

check_kept() {
    [ "$(answer_of_first)" = 2 ] || {
        echo "FAIL: the answer was lost $1"
        cat "$work/program.log"
        exit 1
    }
    echo "ok: the answer is still there $1"
}
start_from_menu
check_kept "after a restart"
close_program "$program" "$window"

chmod -R u+w "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
chmod -R a-w "$prefix"
start_from_menu
check_kept "after a reinstall"
close_program "$program" "$window"

[ "$(sha256sum <"$shipped")" = "$before" ] || { echo "FAIL: the installed database changed"; exit 1; }
echo "ok: the installed database was never written"
