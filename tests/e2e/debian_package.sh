#!/usr/bin/env bash
# Builds the Debian package from the build and checks it with lintian, installs it with
# apt-get as a learner would, starts the program from its desktop entry's Exec in its Path in a
# real X server and works in it, then installs a next version whose bank has moved every
# question and finds the learner's answers, papers and book on the same questions. The package
# is removed again at the end. Needs root, as apt-get does.
set -euo pipefail

build=$1
query=$2
next_bank=$3
here=$(cd "$(dirname "$0")" && pwd)
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: installing a Debian package needs root"
    exit 77
fi
for tool in cpack apt-get dpkg-shlibdeps dpkg-deb lintian man lexgrog; do
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
ls "$work"/package/xundral-dbgsym_*.*deb >/dev/null 2>&1 || {
    echo "FAIL: no package of debugging symbols beside $(basename "$deb")"
    ls "$work/package"
    exit 1
}
lintian --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || {
    echo "FAIL: lintian finds errors or warnings:"
    cat "$work/lintian.log"
    exit 1
}
echo "ok: lintian reports no error and no warning"
sed 's/^/  lintian: /' "$work/lintian.log"
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
for program in xundral xundral-bank; do
    [ -x "/usr/bin/$program" ] || { echo "FAIL: no /usr/bin/$program"; exit 1; }
    page=/usr/share/man/man1/$program.1.gz
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || { echo "FAIL: man warns about $page: $warnings"; exit 1; }
    lexgrog "$page" >/dev/null || { echo "FAIL: lexgrog finds no NAME section in $page"; exit 1; }
done
version=$(dpkg-deb -f "$deb" Version)
[ "$(xundral-bank --version)" = "xundral-bank $version" ] || {
    echo "FAIL: xundral-bank --version says '$(xundral-bank --version)', the package $version"
    exit 1
}
echo "ok: both programs on the PATH with manual pages; version $version"
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
for key in 2 3 0; do
    xdotool key "$key"
    sleep 1
done
[ "$("$query" "$db" "select MARK from B2 where ID=1")" = 1 ] || {
    echo "FAIL: the installed program did not store an answer"
    cat "$work/program.log"
    exit 1
}
echo "ok: started from the desktop entry, answered in the learner's own database"
# A mock practice handed in early: a paper in the record and its wrong answers in the book.
xdotool key 8
sleep 1
xdotool key Return
sleep 1
xdotool key --clearmodifiers alt+l
sleep 1
xdotool key Return
sleep 3
for key in 1 2 1; do
    xdotool key "$key"
    sleep 1
done
xdotool key 8
sleep 1
xdotool key Return
sleep 1
xdotool key Escape
sleep 1
close_program "$program" "$window"
papers=$("$query" "$db" "select count(*) from PAPER_RECORD")
book=$("$query" "$db" "select count(*) from WRONG_BOOK")
[ "$papers" -ge 1 ] || { echo "FAIL: no paper in the record after a hand-in"; cat "$work/program.log"; exit 1; }
answers=$("$query" "$db" "select group_concat(MARK) from (select MARK from B2 where ID <= 4 order by ID)")
echo "ok: $papers paper(s) handed in, $book question(s) in the book, answers $answers"

# The next version: every question of both banks one id further on, one new question each.
next=$work/next
dpkg-deb -R "$deb" "$next"
shipped=$next/usr/lib/xundral/db/exam.mdb
chmod u+w "$shipped"
"$next_bank" "$shipped" "$version+next1"
(cd "$next" && md5sum usr/lib/xundral/db/exam.mdb) >"$work/db.md5"
sed -i "/ usr\/lib\/xundral\/db\/exam.mdb\$/d" "$next/DEBIAN/md5sums"
cat "$work/db.md5" >>"$next/DEBIAN/md5sums"
sed -i "s/^Version: .*/Version: $version+next1/" "$next/DEBIAN/control"
dpkg-deb --root-owner-group -b "$next" "$work/next.deb" >/dev/null
apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=120 "$work/next.deb" >"$work/apt.log" 2>&1 || {
    cat "$work/apt.log"
    exit 1
}
(cd "$path" && exec $exec_line) >"$work/program.log" 2>&1 &
program=$!
pids+=($program)
window=$(main_window)
close_program "$program" "$window"
[ "$("$query" "$db" "select VALUE from BANK_INFO where NAME = 'version'")" = "$version+next1" ] || {
    echo "FAIL: the learner's copy did not take the new bank"
    cat "$work/program.log"
    exit 1
}
moved=$("$query" "$db" "select group_concat(MARK) from (select MARK from B2 where ID between 2 and 5 order by ID)")
[ "$moved" = "$answers" ] && [ "$("$query" "$db" "select MARK from B2 where ID = 1")" = 5 ] || {
    echo "FAIL: the answers did not follow their questions: $moved, before $answers"
    exit 1
}
[ "$("$query" "$db" "select count(*) from PAPER_RECORD")" = "$papers" ] &&
    [ "$("$query" "$db" "select count(*) from WRONG_BOOK")" = "$book" ] || {
    echo "FAIL: the record or the book changed with the bank"
    exit 1
}
echo "ok: version $version+next1 brought its bank in and kept every answer, paper and book entry"
xundral-bank stats >/dev/null 2>"$work/tool.log" && grep -q "learner's database $db" "$work/tool.log" || {
    echo "FAIL: xundral-bank without a database did not work on the learner's copy"
    cat "$work/tool.log"
    exit 1
}
echo "ok: xundral-bank without a database used the learner's copy"
