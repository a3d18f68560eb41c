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
copy_program "$work"
start_x 1024x768
start_program "$work"

sequential_practice
expect_db "practice started with every answer cleared" "select count(*) from B2 where MARK<>5" 0

# Answer A, then Shift+1 (also A), then skip with 6, go back with 4, answer D with 0.
press 1
expect_db "key 1 stored answer A for the first question" "select MARK from B2 where ID=1" 1
press shift+1
expect_db "Shift+1 stored answer A for the second question" "select MARK from B2 where ID=2" 1
xdotool key 6 4 KP_0
sleep 2
expect_db "0 on the numeric pad answered the question shown after 6 and 4" \
    "select count(*) from B2 where MARK=0" 1
expect_db "three answers stored" "select count(*) from B2 where MARK<>5" 3

# 8 asks "您想中断现在的训练吗？"; Enter leaves the practice.
end_exercise

# Mock exam: Alt+C and Enter draw a paper; 8 and Enter hand it in early; Escape answers No
# to "您想查看试卷吗？" and the start panel returns.
press --clearmodifiers alt+c
xdotool key Return
sleep 2
expect_db "a paper of 100 questions was drawn" "select count(*) from S_MARK" 100
expect_db "the paper's questions entered the rotation pool" "select count(*) from EXAM_TEMP" 100
xdotool key 1 2 KP_1
sleep 3
expect_db "three answers in the paper" \
    "select count(*) from S_MARK a, B2 b where a.EXAMID=b.ID and b.MARK<>5" 3
end_exercise
press Escape

# Closing the window (the window manager's Alt+F4, as the close box) ends the program at once.
close_program "$program" "$window"
[ "$program_status" = 0 ] || fail "the program ended with status $program_status"
echo "ok: program ended"

# Killed right after an answer was stored: the answer is there and the file is sound; the
# next start empties the rotation pool.
start_program "$work"
expect_db "a new start emptied the rotation pool" "select count(*) from EXAM_TEMP" 0
sequential_practice
press 2
kill -9 "$program"
wait "$program" 2>/dev/null || true
expect_db "the answer survived the killed process" "select MARK from B2 where ID=1" 2
expect_db "the database passes the integrity check" "pragma integrity_check" ok
