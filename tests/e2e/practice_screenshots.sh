#!/usr/bin/env bash
# The added practices in a real X server with a window manager, on a 1024 x 768 and a
# 1920 x 1080 screen: the side panel's commands with the topic menu open, a topic practice, and
# a question marked with key 7; then the program closed and 继续练习 brings the practice back
# at the same question.
#   practice_screenshots.sh PROGRAM_DIR EXAM_DB_QUERY SCREEN_TOOL OUT_DIR
set -euo pipefail

program_dir=$1
query=$2
screen_tool=$3
# XUNDRAL_SCREENSHOT_DIR=docs/screenshots renews the pictures kept with the sources.
out=${XUNDRAL_SCREENSHOT_DIR:-$4}
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x_session.sh
. "$here/x_session.sh"
require_x_tools
make_work_folder
mkdir -p "$out"

check() {
    local got
    got=$("$query" "$db" "$1")
    if [ "$got" != "$2" ]; then
        echo "FAIL: $name: $1 gave '$got', expected '$2'"
        exit 1
    fi
}

start_program() {
    (cd "$dir/xundral" && exec ./xundral) >>"$dir/program.log" 2>&1 &
    program=$!
    pids+=($program)
    window=$(main_window) || { cat "$dir/program.log"; exit 1; }
}

# screen WIDTHxHEIGHT NAME
screen() {
    local size=$1
    name=$2
    dir=$work/$2
    mkdir -p "$dir"
    cp -r "$program_dir" "$dir/xundral"
    db=$dir/xundral/db/exam.mdb
    "$query" "$db" "update sysparam set ifjump=0, ifshow=1 where id=1" >/dev/null
    start_x "$size"
    start_program

    # The topic menu under 专项练习; its first entry is 标志.
    xdotool key --clearmodifiers alt+t
    sleep 1
    "$screen_tool" grab "$out/practice-commands-$name.png"
    xdotool key Down Return
    sleep 1
    xdotool key Return
    sleep 2
    xdotool key --delay 700 1 6 2 6
    sleep 1
    "$screen_tool" grab "$out/topic-practice-$name.png"
    check "select count(*) from B2 where MARK<>5" 2

    xdotool key 7
    sleep 1
    "$screen_tool" grab "$out/favourite-$name.png"
    check "select count(*) from FAVOURITE where BANK='B2'" 1

    # Closed and opened again: 继续练习 goes on at question 3 with both answers.
    close_program "$program" "$window"
    check "select POSITION from PRACTICE_STATE where BANK='B2' and MODE=4 and SCOPE='标志'" 3
    "$query" "$db" "update B2 set MARK=5" >/dev/null
    start_program
    xdotool key --clearmodifiers alt+j
    sleep 1
    xdotool key Return
    sleep 2
    check "select count(*) from B2 where MARK<>5" 2
    xdotool key 1
    sleep 1
    check "select count(*) from B2 where MARK<>5" 3
    check "select POSITION from PRACTICE_STATE where BANK='B2' and MODE=4 and SCOPE='标志'" 3
    echo "ok: $name"
    kill "$program"
    wait "$program" 2>/dev/null || true
}

screen 1024x768 1024
screen 1920x1080 1920
