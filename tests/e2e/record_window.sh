#!/usr/bin/env bash
# Starts the program on a copy of its folder whose record already holds six mock exams and a
# mock practice, opens the learning record with its accelerator in a real X server, and checks
# that it shows; with a second argument, writes a screenshot of it there.
set -euo pipefail

program_dir=$1
query=$2
shots=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x_session.sh
. "$here/x_session.sh"
require_x_tools
make_work_folder
copy_program "$work"
# A week of evenings: scores rising towards the pass mark, one mock practice between them.
scores=(71 84 88 92 86 94 96)
modes=(1 1 1 10 1 1 1)
for day in 0 1 2 3 4 5 6; do
    score=${scores[$day]}
    mode=${modes[$day]}
    passed=$((score >= 90 ? 1 : 0))
    "$query" "$db" "INSERT INTO PAPER_RECORD (STARTED, HANDED_IN, BANK, EXAM_MODE, MINUTES,
        SECONDS_USED, QUESTIONS, RIGHT_ANSWERS, SCORE, PASSED) VALUES
        ('2026-12-0$((day + 1))T19:00:00', '2026-12-0$((day + 1))T19:3${day}:00', 'C', $mode,
        45, $((1800 + day * 60)), 100, $score, $score, $passed)" >/dev/null
    id=$("$query" "$db" "SELECT max(ID) FROM PAPER_RECORD")
    "$query" "$db" "INSERT INTO PAPER_CHAPTER VALUES ($id, 1, 42, $((42 * score / 100 - 2)))"
    "$query" "$db" "INSERT INTO PAPER_CHAPTER VALUES ($id, 2, 26, $((26 * score / 100 + 1)))"
    "$query" "$db" "INSERT INTO PAPER_CHAPTER VALUES ($id, 3, 22, $((22 * score / 100)))"
    "$query" "$db" "INSERT INTO PAPER_CHAPTER VALUES ($id, 4, 10, $((10 * score / 100 + 1)))"
done
for digest in 1 2 3 4 5 6 7 8 9 10 11 12; do
    "$query" "$db" "INSERT INTO WRONG_BOOK VALUES ('C', $digest, 1, 1796670000, 0)"
done

start_x 1024x768
start_program "$work"

xdotool key --clearmodifiers alt+r
record=$(find_window '^学习记录$') || fail "Alt+R did not open the learning record"
echo "ok: Alt+R opened the learning record"
xdotool windowsize "$record" 1000 700
xdotool windowmove "$record" 12 30
sleep 2
if [ -n "$shots" ] && command -v import >/dev/null; then
    mkdir -p "$shots"
    import -window root "$shots/record-window.png"
    echo "ok: screenshot in $shots/record-window.png"
fi
