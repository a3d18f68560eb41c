#!/usr/bin/env bash
# The added practices in a real X server with a window manager, on a 1024 x 768 and a
# 1920 x 1080 screen: the side panel's commands with the topic menu open, a topic practice, and
# a question marked with key 7; then the program closed and 继续练习 brings the practice back
# at the same question.
#   practice_screenshots.sh PROGRAM_DIR EXAM_DB_QUERY SCREEN_TOOL OUT_DIR
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x_session.sh
. "$here/x_session.sh"
require_x_tools
screenshot_session "$@"

answered="select count(*) from B2 where MARK<>5"
position="select POSITION from PRACTICE_STATE where BANK='B2' and MODE=4 and SCOPE='标志'"

# screen WIDTHxHEIGHT NAME
screen() {
    local size=$1 name=$2
    copy_program "$work/$name"
    log=$work/$name/program.log
    "$query" "$db" "update sysparam set ifjump=0, ifshow=1 where id=1" >/dev/null
    start_x "$size"
    start_program "$work/$name"

    # The topic menu under 专项练习; its first entry is 标志.
    press --clearmodifiers alt+t
    shot "practice-commands-$name" 0
    press Down Return
    xdotool key Return
    sleep 2
    xdotool key --delay 700 1 6 2 6
    shot "topic-practice-$name"
    check_db "$name" "$answered" 2

    press 7
    shot "favourite-$name" 0
    check_db "$name" "select count(*) from FAVOURITE where BANK='B2'" 1

    # Closed and opened again: 继续练习 goes on at question 3 with both answers.
    close_program "$program" "$window"
    check_db "$name" "$position" 3
    "$query" "$db" "update B2 set MARK=5" >/dev/null
    start_program "$work/$name"
    press --clearmodifiers alt+j
    xdotool key Return
    sleep 2
    check_db "$name" "$answered" 2
    press 1
    check_db "$name" "$answered" 3
    check_db "$name" "$position" 3
    echo "ok: $name"
    stop_program
}

screen 1024x768 1024
screen 1920x1080 1920
