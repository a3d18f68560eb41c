#!/usr/bin/env bash
# Screenshots of the study pane beside a practice question, in a real X server with a window
# manager: on a 1024 x 768 and a 1920 x 1080 screen, at a device pixel ratio of 2, and the
# small answer window that key 5 opens on an 800 x 600 screen.
#   study_pane_screenshots.sh PROGRAM_DIR EXAM_DB_QUERY SCREEN_TOOL OUT_DIR
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=x_session.sh
. "$here/x_session.sh"
require_x_tools
screenshot_session "$@"

# screen WIDTHxHEIGHT NAME [SCALE]
screen() {
    local size=$1 name=$2 scale=${3:-1} picture
    copy_program "$work/$name"
    log=$work/$name/program.log
    # Without the automatic advance the answered question stays beside its explanation.
    "$query" "$db" "update sysparam set ifjump=0, ifshow=1 where id=1" >/dev/null
    picture=$("$query" "$db" "select min(ID) from B2 where TP<>'' and ID>8")
    start_x "$size"
    start_program "$work/$name" QT_SCALE_FACTOR="$scale"

    # Sequential practice: a few answers, right and wrong, then on to a question with a
    # picture, answered.
    sequential_practice
    xdotool key --delay 700 1 6 2 6 1 6 1 6 2 6 6 1 6
    local moves
    moves=$(for _ in $(seq 9 "$picture"); do printf '6 '; done)
    # shellcheck disable=SC2086
    xdotool key --delay 10 $moves
    sleep 1
    xdotool key 1
    sleep 2
    check_db "$name" "select count(*) from B2 where MARK<>5" 7
    if [ "$size" = 800x600 ]; then
        # No room for the pane: key 5 opens the answer window, and the key that closes it
        # does nothing else.
        press 6 5
        shot "$name" 0
        press 2
        check_db "$name" "select count(*) from B2 where MARK<>5" 7
        xdotool key 2
        sleep 2
        check_db "$name" "select count(*) from B2 where MARK<>5" 8
    else
        shot "$name" 0
    fi
    stop_program
}

screen 1024x768 study-pane-1024
screen 1920x1080 study-pane-1920
screen 2560x1600 study-pane-2x 2
screen 800x600 study-answer-window-800
