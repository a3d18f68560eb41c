#!/usr/bin/env bash
# Installs the build to a temporary prefix, checks the desktop entry and the metainfo, makes
# the install read-only and starts the program as a menu would, from the entry's Exec in its
# Path: an answer lands in the user's data folder, survives a restart and a reinstall, and the
# installed database is never written.
set -euo pipefail

build=$1
query=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x_session.sh
. "$here/x_session.sh"
writable() { chmod -R u+w "$work" 2>/dev/null || true; }
make_work_folder writable

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
entry=$prefix/share/applications/org.xundral.Xundral.desktop
for file in lib/xundral/xundral lib/xundral/xundral-bank lib/xundral/db/exam.mdb \
    lib/xundral/resources/start.jpg lib/xundral/installed-copy \
    share/icons/hicolor/scalable/apps/org.xundral.Xundral.svg \
    share/icons/hicolor/48x48/apps/org.xundral.Xundral.png \
    share/metainfo/org.xundral.Xundral.metainfo.xml; do
    [ -e "$prefix/$file" ] || fail "$file was not installed"
done
[ -e "$entry" ] || fail "no desktop entry"
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
[ "$path" = "$prefix/lib/xundral" ] || fail "Path is '$path'"
shipped=$prefix/lib/xundral/db/exam.mdb
before=$(sha256sum <"$shipped")
chmod -R a-w "$prefix"

export HOME=$work/home XDG_DATA_HOME=$work/home/data
mkdir -p "$HOME"
start_x 1024x768
# The entry's Exec is a bare path: no field codes, no quoting to undo.
# shellcheck disable=SC2086
start_from_menu() { launch "$path" $exec_line; }
answer_of_first="select MARK from B2 where ID=1"

start_from_menu
db=$(find "$XDG_DATA_HOME" -name exam.mdb | head -n1)
[ -n "$db" ] || fail "no database in the data folder"
echo "ok: first start copied the database to ${db#"$work"/}"
# 2 answers B for the first question.
sequential_practice
press 2
expect_db "answer stored in the learner's own database" "$answer_of_first" 2
close_program "$program" "$window"

check_kept() { expect_db "the answer is still there $1" "$answer_of_first" 2; }
start_from_menu
check_kept "after a restart"
close_program "$program" "$window"

chmod -R u+w "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
chmod -R a-w "$prefix"
start_from_menu
check_kept "after a reinstall"
close_program "$program" "$window"

[ "$(sha256sum <"$shipped")" = "$before" ] || fail "the installed database changed"
echo "ok: the installed database was never written"
