# shellcheck shell=bash disable=SC2034,SC2154
# Sourced by the end-to-end scripts: a real X server with a window manager, the program started
# in it, keys, clicks, screenshots and checks on its database. make_work_folder sets up $work
# (a temporary folder) and the array pids, whose processes end when the script does; $log is
# where the program's output goes and what a failure shows.

# make_work_folder [CLEANUP]: CLEANUP, a command, runs at the end before the folder goes.
make_work_folder() {
    work=$(mktemp -d)
    log=$work/program.log
    pids=()
    at_exit=${1:-}
    trap end_session EXIT
}
end_session() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    [ -z "$at_exit" ] || $at_exit
    rm -rf "$work"
}

# screenshot_session PROGRAM_DIR EXAM_DB_QUERY SCREEN_TOOL OUT_DIR: the arguments of the scripts
# that take screenshots, and the work folder. XUNDRAL_SCREENSHOT_DIR=docs/screenshots renews
# the pictures kept with the sources instead.
screenshot_session() {
    program_dir=$1
    query=$2
    screen_tool=$3
    out=${XUNDRAL_SCREENSHOT_DIR:-$4}
    make_work_folder
    mkdir -p "$out"
}

require_tools() {
    for tool in "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
}
require_x_tools() { require_tools Xvfb openbox xdotool "$@"; }

fail() {
    echo "FAIL: $*"
    cat "$log" 2>/dev/null || true
    exit 1
}

# start_x WIDTHxHEIGHT
start_x() {
    rm -f "$work/display"
    exec 3<>"$work/display"
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -n1 "$work/display")"
    unset QT_QPA_PLATFORM
    openbox >/dev/null 2>&1 &
    pids+=($!)
}

# end_x: the X server, the window manager and the program, before the next start_x.
end_x() {
    kill "${pids[@]}" 2>/dev/null || true
    pids=()
    sleep 1
}

# copy_program FOLDER: a copy of $program_dir in FOLDER/xundral; $db is its database.
copy_program() {
    mkdir -p "$1"
    cp -r "$program_dir" "$1/xundral"
    db=$1/xundral/db/exam.mdb
}

# launch FOLDER COMMAND...: COMMAND started in FOLDER; $program is its process, $window its main
# window, which has the keyboard.
launch() {
    local folder=$1
    shift
    (cd "$folder" && exec "$@") >>"$log" 2>&1 &
    program=$!
    pids+=("$program")
    window=$(main_window) || fail "no main window"
}
# start_program FOLDER [NAME=VALUE...]: the program of a copy made by copy_program.
start_program() {
    local folder=$1
    shift
    launch "$folder/xundral" env "$@" ./xundral
}

# Prints the id of the main window once it is mapped, and gives it the keyboard.
main_window() {
    local window
    window=$(timeout 20 xdotool search --sync --name '^vivozazirideri$' | head -n1)
    [ -n "$window" ] || { echo "FAIL: the main window did not appear" >&2; return 1; }
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
    sleep 1
    echo "$window"
}

# find_window NAME: prints the id of the first window whose name matches, once it is mapped.
find_window() {
    timeout 20 xdotool search --sync --name "$1" | head -n1
}

# close_program PID WINDOW: the window manager's Alt+F4, as the close box. The program's exit
# status is left in $program_status.
close_program() {
    xdotool windowactivate --sync "$2" 2>/dev/null || true
    xdotool key alt+F4
    for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$1" 2>/dev/null; then
        echo "FAIL: the program did not end when its window was closed"
        return 1
    fi
    program_status=0
    wait "$1" || program_status=$?
}

# stop_program: ends the program without asking it.
stop_program() {
    kill "$program"
    wait "$program" 2>/dev/null || true
}

# press KEY...: xdotool's keys, then a second for the program to act on them.
press() {
    xdotool key "$@"
    sleep 1
}
# Alt+S starts sequential practice; Enter confirms "您想重新开始顺序抽题训练吗？".
sequential_practice() {
    press --clearmodifiers alt+s
    press Return
}
# 8 asks whether to leave the exercise or hand the paper in; Enter does.
end_exercise() {
    press 8
    press Return
}

# client X Y [WINDOW]: the screen position of a point of a window's client area, the main
# window's by default.
client() {
    local info
    info=$(xwininfo -id "${3:-$window}")
    echo "$(($(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info") + $1))" \
        "$(($(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info") + $2))"
}
# click X Y [WINDOW]: the left button at a point of a window's client area.
click() {
    local at
    read -r -a at <<<"$(client "$@")"
    xdotool mousemove "${at[0]}" "${at[1]}" click 1
}

# shot NAME [SECONDS]: after a second or SECONDS, the screen in $out/NAME.png.
shot() {
    sleep "${2:-1}"
    "$screen_tool" grab "$out/$1.png"
    echo "ok: $1.png"
}

# check_db WHAT SQL EXPECTED: fails, naming WHAT, unless SQL on $db gives EXPECTED.
check_db() {
    local got
    got=$("$query" "$db" "$2")
    [ "$got" = "$3" ] || fail "$1: $2 gave '$got', expected '$3'"
}
# expect_db WHAT SQL EXPECTED: check_db, and says so when it holds.
expect_db() {
    check_db "$@"
    echo "ok: $1"
}

# desktop_key FILE KEY: a key's value in a desktop entry's main group.
desktop_key() {
    sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1" | head -n1
}
