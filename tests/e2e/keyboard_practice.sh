#!/usr/bin/env bash
# Starts the program from a copy of its folder in a real X server with a window manager and
# drives a sequential practice with real key presses, checking the answers in the database.
set -euo pipefail

program_dir=$1
query=$2
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x_session.sh
. "$here/x_session.sh"
require_x_tools
make_work_folder

cp -r "$program_dir" "$work/xundral"
db="$work/xundral/db/exam.mdb"

start_x 1024x768

cd "$work/xundral"
./xundral >"$work/program.log" 2>&1 &
program=$!
pids+=($program)

window=$(main_window)

count() { "$query" "$db" "$1"; }
expect() {
    local got
    got=$(count "$2")
    if [ "$got" != "$3" ]; then
        echo "FAIL: $1: expected $3, got $got"
        cat "$work/program.log"
        exit 1
    fi
    echo "ok: $1"
}

# Alt+S starts sequential practice; Enter confirms "您想重新开始顺序抽题训练吗？".
xdotool key --clearmodifiers alt+s
sleep 1
xdotool key Return
sleep 1
expect "practice started with every answer cleared" "select count(*) from B2 where MARK<>5" 0

# Answer A, then Shift+1 (also A), then skip with 6, go back with 4, answer D with 0.
xdotool key 1
sleep 1
expect "key 1 stored answer A for the first question" "select MARK from B2 where ID=1" 1
xdotool key shift+1
sleep 1
expect "Shift+1 stored answer A for the second question" "select MARK from B2 where ID=2" 1
xdotool key 6 4 KP_0
sleep 2
expect "0 on the numeric pad answered the question shown after 6 and 4" "select count(*) from B2 where MARK=0" 1
expect "three answers stored" "select count(*) from B2 where MARK<>5" 3

# 8 asks "您想中断现在的训练吗？"; Enter leaves the practice.
xdotool key 8
sleep 1
xdotool key Return
sleep 1

# Mock exam: Alt+C and Enter draw a paper; 8 and Enter hand it in early; Escape answers No
# to "您想查看试卷吗？" and the start panel returns.
xdotool key --clearmodifiers alt+c
sleep 1
xdotool key Return
sleep 2
expect "a paper of 100 questions was drawn" "select count(*) from S_MARK" 100
expect "the paper's questions entered the rotation pool" "select count(*) from EXAM_TEMP" 100
xdotool key 1 2 KP_1
sleep 3
expect "three answers in the paper" \
    "select count(*) from S_MARK a, B2 b where a.EXAMID=b.ID and b.MARK<>5" 3
xdotool key 8
sleep 1
xdotool key Return
sleep 1
xdotool key Escape
sleep 1

# Closing the window (the window manager's Alt+F4, as the close box) ends the program at once.
xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool key alt+F4
for _ in $(seq 50); do kill -0 "$program" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$program" 2>/dev/null; then
    echo "FAIL: the program did not end when its window was closed"
    exit 1
fi
wait "$program"
echo "ok: program ended"

# Killed right after an answer was stored: the answer is there and the file is sound; the
# next start empties the rotation pool.
./xundral >>"$work/program.log" 2>&1 &
program=$!
pids+=($program)
window=$(main_window)
expect "a new start emptied the rotation pool" "select count(*) from EXAM_TEMP" 0
xdotool key --clearmodifiers alt+s
sleep 1
xdotool key Return
sleep 1
xdotool key 2
sleep 1
kill -9 "$program"
wait "$program" 2>/dev/null || true
expect "the answer survived the killed process" "select MARK from B2 where ID=1" 2
expect "the database passes the integrity check" "pragma integrity_check" ok
