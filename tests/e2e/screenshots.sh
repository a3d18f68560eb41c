#!/usr/bin/env bash
# Takes the README's screenshots of the program in a real X server at 1024 x 768, and a set at
# a device pixel ratio of 2, checking on its own pictures that the bottom bar covers the
# buttons beneath it.
#   screenshots.sh PROGRAM_DIR EXAM_DB_QUERY SCREEN_TOOL OUT_DIR
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x_session.sh
. "$here/x_session.sh"
require_x_tools xwininfo
screenshot_session "$@"

# The verdict stays on screen when answering does not move on to the next question.
copy_program "$work"
"$query" "$db" "update sysparam set ifjump=0, ifshow=1 where id=1" >/dev/null
first_picture=$("$query" "$db" "select min(ID) from B2 where TP<>''")

wait_for_window() {
    find_window "$1" >/dev/null || fail "no window named $1"
}
# Sequential practice from the start, moved on to the first question with a picture.
question_with_picture() {
    sequential_practice
    local moves
    moves=$(for _ in $(seq 2 "$first_picture"); do printf '6 '; done)
    # shellcheck disable=SC2086
    xdotool key --delay 10 $moves
    sleep 3
}
# The answer keys, the previous/next and end buttons lie under the bottom bar: none of their
# light grey faces may show there. Scale is the device pixel ratio.
check_bar_covers_buttons() {
    local scale=$1 origin faces
    read -r -a origin <<<"$(client 0 0)"
    # The bar's inside, below its frame, where the buttons would be.
    faces=$("$screen_tool" button-face "$2" $((origin[0] + 13 * scale)) $((origin[1] + 545 * scale)) \
        $((590 * scale)) $((18 * scale)))
    if [ "$faces" -gt $((10 * scale * scale)) ]; then
        fail "$faces pixels of button faces show through the bottom bar in $(basename "$2")"
    fi
    echo "ok: the bottom bar covers its buttons at a ratio of $scale"
}

start_x 1024x768
start_program "$work"
shot start
question_with_picture
shot question
check_bar_covers_buttons 1 "$out/question.png"
xdotool key 1
shot answer
# 8 asks whether to leave the practice; Enter does.
end_exercise

# 系统设置 shares S with 顺序出题, so the mouse opens it; Esc does nothing there, 退出 closes.
click 82 206
shot settings
click 198 252 "$(xdotool search --name '^系统设置$' | head -n1)"
sleep 1

# A mock paper: a few answers, then 8 asks whether to hand it in (确定/取消); Enter hands it
# in and the score box asks whether to see the paper (是/否); Enter opens the wrong-answer list.
press --clearmodifiers alt+c
xdotool key Return
sleep 2
xdotool key --delay 100 1 6 2 6 1 6 1 6 2 6 1
sleep 3
xdotool key 8
wait_for_window '^信息提示$'
shot hand-in
xdotool key Return
wait_for_window '^考试成绩$'
shot score
xdotool key Return
wait_for_window '^错误题目显示列表$'
shot wrong-answers 2
end_x

# The same window at a device pixel ratio of 2: pictures and bold as sharp as the screen.
start_x 2048x1536
start_program "$work" QT_SCALE_FACTOR=2
question_with_picture
shot question-2x
check_bar_covers_buttons 2 "$out/question-2x.png"
close_program "$program" "$window"
