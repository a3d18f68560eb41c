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
# shellcheck source=x_session.sh
. "$here/x_session.sh"
if [ "$(id -u)" -ne 0 ]; then
    echo "SKIP: installing a Debian package needs root"
    exit 77
fi
require_tools cpack apt-get dpkg-shlibdeps dpkg-deb lintian man lexgrog
if dpkg-query -W -f='${Status}' xundral 2>/dev/null | grep -q 'install ok installed'; then
    echo "SKIP: a xundral package is installed already; this test would replace and remove it"
    exit 77
fi

installed=no
remove_package() {
    if [ "$installed" = yes ]; then
        apt-get remove -y -qq --purge xundral >/dev/null 2>&1 || echo "could not remove xundral"
    fi
}
make_work_folder remove_package

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
        fail "the package does not depend on $needed: $depends"
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
    [ -x "/usr/bin/$program" ] || fail "no /usr/bin/$program"
    page=/usr/share/man/man1/$program.1.gz
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man warns about $page: $warnings"
    lexgrog "$page" >/dev/null || fail "lexgrog finds no NAME section in $page"
done
version=$(dpkg-deb -f "$deb" Version)
[ "$(xundral-bank --version)" = "xundral-bank $version" ] || fail "xundral-bank --version says '$(xundral-bank --version)', the package $version"
echo "ok: both programs on the PATH with manual pages; version $version"
entry=/usr/share/applications/org.xundral.Xundral.desktop
[ -f "$entry" ] || fail "no desktop entry at $entry"
exec_line=$(desktop_key "$entry" Exec)
path=$(desktop_key "$entry" Path)
[ "$exec_line" = /usr/lib/xundral/xundral ] && [ "$path" = /usr/lib/xundral ] || fail "the entry starts '$exec_line' in '$path'"

require_x_tools
export HOME=$work/home XDG_DATA_HOME=$work/home/data
mkdir -p "$HOME"
start_x 1024x768
# shellcheck disable=SC2086
start_from_menu() { launch "$path" $exec_line; }
start_from_menu
db=$(find "$XDG_DATA_HOME" -name exam.mdb | head -n1)
[ -n "$db" ] || fail "no database in the data folder"
sequential_practice
for key in 1 2 3 0; do
    press "$key"
done
expect_db "started from the desktop entry, answered in the learner's own database" \
    "select MARK from B2 where ID=1" 1
# A mock practice handed in early: a paper in the record and its wrong answers in the book.
end_exercise
press --clearmodifiers alt+l
xdotool key Return
sleep 3
for key in 1 2 1; do
    press "$key"
done
end_exercise
press Escape
close_program "$program" "$window"
papers=$("$query" "$db" "select count(*) from PAPER_RECORD")
book=$("$query" "$db" "select count(*) from WRONG_BOOK")
[ "$papers" -ge 1 ] || fail "no paper in the record after a hand-in"
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
start_from_menu
close_program "$program" "$window"
check_db "the learner's copy took the new bank" \
    "select VALUE from BANK_INFO where NAME = 'version'" "$version+next1"
moved=$("$query" "$db" "select group_concat(MARK) from (select MARK from B2 where ID between 2 and 5 order by ID)")
[ "$moved" = "$answers" ] && [ "$("$query" "$db" "select MARK from B2 where ID = 1")" = 5 ] || fail "the answers did not follow their questions: $moved, before $answers"
[ "$("$query" "$db" "select count(*) from PAPER_RECORD")" = "$papers" ] &&
    [ "$("$query" "$db" "select count(*) from WRONG_BOOK")" = "$book" ] || fail "the record or the book changed with the bank"
echo "ok: version $version+next1 brought its bank in and kept every answer, paper and book entry"
xundral-bank stats >/dev/null 2>"$work/tool.log" && grep -q "learner's database $db" "$work/tool.log" || {
    echo "FAIL: xundral-bank without a database did not work on the learner's copy"
    cat "$work/tool.log"
    exit 1
}
echo "ok: xundral-bank without a database used the learner's copy"
