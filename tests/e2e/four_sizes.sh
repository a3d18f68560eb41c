#!/usr/bin/env bash
# The additions at the four screens a learner meets (800 x 600, 1024 x 768, 1920 x 1080 and a
# device pixel ratio of 2), in a real X server with a window manager: the record window after
# one, three and twenty papers (it must fit the small screen and close with Esc), the pane in
# chapter practice, key 5 right after an answer on the small screen, the help of the additions,
# a message box's frame and the answer sheet at hand-in. Screenshots go to OUT_DIR.
#   four_sizes.sh PROGRAM_DIR EXAM_DB_QUERY SCREEN_TOOL OUT_DIR
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x_session.sh
. "$here/x_session.sh"
require_x_tools xwininfo xprop
screenshot_session "$@"

# add_papers COUNT: papers of the small-car bank, one an evening after those already there, the
# scores going up and down, every third a mock practice, three chapters each.
papers=0
add_papers() {
    local first=$((papers + 1))
    papers=$((papers + $1))
    "$query" "$db" "INSERT INTO PAPER_RECORD (STARTED, HANDED_IN, BANK, EXAM_MODE, MINUTES,
        SECONDS_USED, QUESTIONS, RIGHT_ANSWERS, SCORE, PASSED)
        WITH RECURSIVE n(i) AS (SELECT $first UNION ALL SELECT i + 1 FROM n WHERE i < $papers)
        SELECT strftime('%Y-%m-%dT19:00:00', '2026-11-01', '+' || i || ' days'),
               strftime('%Y-%m-%dT19:31:00', '2026-11-01', '+' || i || ' days'), 'C',
               CASE WHEN i % 3 = 0 THEN 10 ELSE 1 END, 45, 1860, 100,
               58 + (i * 7) % 43, 58 + (i * 7) % 43, (58 + (i * 7) % 43) >= 90 FROM n" >/dev/null
    "$query" "$db" "INSERT INTO PAPER_CHAPTER
        WITH c(chapter, asked) AS (VALUES (1, 42), (2, 26), (3, 22))
        SELECT p.ID, c.chapter, c.asked, c.asked * p.SCORE / 100 FROM PAPER_RECORD p, c
        WHERE p.ID NOT IN (SELECT PAPER_ID FROM PAPER_CHAPTER)" >/dev/null
}
# start SIZE SCALE: a fresh copy of the program folder in a fresh X server.
start() {
    end_x
    rm -rf "$work/xundral" "$log"
    copy_program "$work"
    papers=0
    "$query" "$db" "update sysparam set ifjump=1, ifshow=1 where id=1" >/dev/null
    start_x "$1"
    start_program "$work" QT_SCALE_FACTOR="$2"
}
# The record window opens with Alt+R, lies wholly on the screen and closes with Esc.
record_window() {
    local name=$1 width=$2 height=$3 record info x y w h
    xdotool key --clearmodifiers alt+r
    record=$(find_window '^学习记录$') || fail "Alt+R opened no record window"
    sleep 2
    info=$(xwininfo -frame -id "$record")
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    w=$(sed -n 's/.*Width: *//p' <<<"$info")
    h=$(sed -n 's/.*Height: *//p' <<<"$info")
    if [ "$x" -lt 0 ] || [ "$y" -lt 0 ] || [ $((x + w)) -gt "$width" ] ||
        [ $((y + h)) -gt "$height" ]; then
        fail "the record window ($w x $h at $x,$y) runs off the $width x $height screen"
    fi
    shot "$name"
    xdotool windowactivate --sync "$record" 2>/dev/null || true
    press Escape
    if xdotool search --onlyvisible --name '^学习记录$' >/dev/null 2>&1; then
        fail "Esc did not close the record window"
    fi
    echo "ok: the record window fits $width x $height and Esc closes it"
}
# Our hints ask for a close box only: no minimise or maximise function or decoration, and a
# fixed size, so that the window manager allows no maximising. (Openbox still draws its theme's
# buttons and keeps minimising, whatever a window asks.)
close_box_only() {
    local hints functions decorations
    hints=$(xprop -id "$1" _MOTIF_WM_HINTS | sed 's/.*= //')
    functions=$(cut -d, -f2 <<<"$hints")
    decorations=$(cut -d, -f3 <<<"$hints")
    if (((functions & 0x18) != 0 || (decorations & 0x60) != 0)); then
        fail "$2 asks for minimise or maximise boxes: $hints"
    fi
    if xprop -id "$1" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE; then
        fail "$2 may be maximised"
    fi
    echo "ok: $2 has a close box only"
}
chapter_practice() {
    press --clearmodifiers alt+z
    # The chapter menu opens with no row chosen: Down chooses the first chapter.
    xdotool key Down Return
    find_window '^信息提示$' >/dev/null || fail "chapter practice asked nothing"
    xdotool key Return
    sleep 2
    xdotool key --delay 700 1 2 1 1
    sleep 2
}

# 800 x 600: no side panel, so everything goes by the accelerators.
start 800x600 1
close_box_only "$window" "the main window"
add_papers 1
record_window record-800-1 800 600
add_papers 2
record_window record-800-3 800 600
add_papers 17
record_window record-800-20 800 600
xdotool key --clearmodifiers alt+b
help=$(find_window '^帮助$') || fail "Alt+B opened no help"
shot help-800
xdotool windowactivate --sync "$help" 2>/dev/null || true
press Escape
# Key 5 right after an answer and the automatic advance explains the answer just given.
sequential_practice
sleep 1
xdotool key 1
sleep 2
xdotool key 5
shot key5-after-answer-800
press 6
# A message box: its frame, and one face for its digits and its Chinese.
xdotool key --clearmodifiers alt+q
box=$(find_window '^信息提示$') || fail "Alt+Q asked nothing"
close_box_only "$box" "a message box"
shot message-box-800
press Escape

for screen in "1024x768 1 1024" "1920x1080 1 1920" "2048x1536 2 2x"; do
    read -r size scale name <<<"$screen"
    start "$size" "$scale"
    add_papers 20
    record_window "record-$name" "${size%x*}" "${size#*x}"
    chapter_practice
    shot "chapter-practice-$name"
    end_exercise
done

# At 1024 x 768: the settings dialog's frame, the help beside the panel, and the answer sheet
# of a mock exam handed in with questions left unanswered.
start 1024x768 1
click 82 206
settings=$(find_window '^系统设置$') || fail "no settings dialog"
close_box_only "$settings" "the settings dialog"
shot settings-frame-1024
press alt+F4
xdotool key --clearmodifiers alt+b
find_window '^帮助$' >/dev/null || fail "Alt+B opened no help"
shot help-1024
press Escape
# The export's save dialog speaks Chinese, names only.
add_papers 3
xdotool key --clearmodifiers alt+r
find_window '^学习记录$' >/dev/null || fail "Alt+R opened no record window"
sleep 1
xdotool key --clearmodifiers alt+e
find_window '^导出成绩$' >/dev/null || fail "Alt+E opened no save dialog"
shot export-dialog-1024 2
press Escape
press Escape
press --clearmodifiers alt+c
xdotool key Return
sleep 2
xdotool key --delay 200 1 6 2 6 1
sleep 1
xdotool key 8
find_window '^信息提示$' >/dev/null || fail "key 8 asked nothing"
xdotool key Return
find_window '^考试成绩$' >/dev/null || fail "no score box"
shot hand-in-sheet-1024
press Escape
close_program "$program" "$window"
