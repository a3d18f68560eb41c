#!/usr/bin/env bash
# 今日复习 and the plan to the exam date in a real X server with a window manager, at 800 x 600
# and 1024 x 768, on a learner's three weeks (memory_history_fixture) and one mock exam: the
# record window with the chance of passing, its interval and the plan; 今日复习 running; then
# the program closed and opened again, and 今日复习 still starting on the kept daily count.
#   review_screenshots.sh PROGRAM_DIR EXAM_DB_QUERY MEMORY_HISTORY_FIXTURE OUT_DIR
set -euo pipefail

program_dir=$1
query=$2
fixture=$3
# XUNDRAL_SCREENSHOT_DIR=docs/screenshots renews the pictures kept with the sources.
out=${XUNDRAL_SCREENSHOT_DIR:-$4}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x_session.sh
. "$here/x_session.sh"
require_x_tools import
make_work_folder
mkdir -p "$out"

items="select count(*) from PRACTICE_ITEM where BANK='B2' and MODE=9"

# screen WIDTHxHEIGHT NAME
screen() {
    local name=$2
    copy_program "$work/$name"
    log=$work/$name/program.log
    "$query" "$db" "update sysparam set ifjump=1, ifshow=1 where id=1" >/dev/null
    "$fixture" "$db" B2 700
    # Four mock exams on the last evenings, the newest yesterday.
    local scores=(78 84 88 91) day
    for day in 0 1 2 3; do
        local when score=${scores[$day]}
        when=$(date -d "$((4 - day)) days ago" +%F)
        "$query" "$db" "INSERT INTO PAPER_RECORD (STARTED, HANDED_IN, BANK, EXAM_MODE, MINUTES,
            SECONDS_USED, QUESTIONS, RIGHT_ANSWERS, SCORE, PASSED) VALUES
            ('${when}T19:00:00', '${when}T19:40:00', 'B2', 1, 45, 2400, 100, $score, $score,
            $((score >= 90 ? 1 : 0)))" >/dev/null
        local id
        id=$("$query" "$db" "SELECT max(ID) FROM PAPER_RECORD")
        "$query" "$db" "INSERT INTO PAPER_CHAPTER VALUES ($id, 1, 40, $((40 * score / 100 - 1)))"
        "$query" "$db" "INSERT INTO PAPER_CHAPTER VALUES ($id, 2, 30, $((30 * score / 100 + 1)))"
        "$query" "$db" "INSERT INTO PAPER_CHAPTER VALUES ($id, 3, 20, $((20 * score / 100)))"
        "$query" "$db" "INSERT INTO PAPER_CHAPTER VALUES ($id, 4, 10, $((10 * score / 100)))"
    done
    "$query" "$db" "INSERT OR REPLACE INTO STUDY_PLAN (ID, EXAM_DATE, DAILY_COUNT) VALUES
        (1, '$(date -d '+18 days' +%F)', 80)" >/dev/null
    start_x "$1"
    start_program "$work/$name"

    xdotool key --clearmodifiers alt+r
    record=$(find_window '^学习记录$') || fail "$name: Alt+R did not open the learning record"
    sleep 2
    import -window root "$out/review-plan-$name.png"
    xdotool windowactivate --sync "$record" 2>/dev/null || true
    press Escape

    xdotool windowactivate --sync "$window" 2>/dev/null || true
    press --clearmodifiers alt+g
    xdotool key Return
    sleep 2
    xdotool key 1
    sleep 3
    import -window root "$out/review-today-$name.png"
    check_db "$name" "select count(*) from PRACTICE_STATE where BANK='B2' and MODE=9" 1
    check_db "$name" "$items" 80

    # Closed and opened again: the count and the date are kept, and 今日复习 starts anew.
    close_program "$program" "$window"
    start_program "$work/$name"
    press --clearmodifiers alt+g
    xdotool key Return
    sleep 2
    check_db "$name" "$items" 80
    check_db "$name" "select DAILY_COUNT from STUDY_PLAN" 80
    echo "ok: $name"
    stop_program
}

screen 800x600 800
screen 1024x768 1024
