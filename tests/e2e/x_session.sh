# Sourced by the end-to-end scripts: a real X server with a window manager, and helpers to
# wait for the main window and to close it. Expects $work (a temporary folder) and the array
# pids, whose processes the caller's clean-up ends; make_work_folder sets up both.

make_work_folder() {
    work=$(mktemp -d)
    pids=()
    trap 'for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; rm -rf "$work"' EXIT
}

require_x_tools() {
    for tool in Xvfb openbox xdotool "$@"; do
        command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
    done
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

# Prints the id of the main window once it is mapped, and gives it the keyboard.
main_window() {
    local window
    window=$(timeout 20 xdotool search --sync --name '^vivozazirideri$' | head -n1)
    [ -n "$window" ] || { echo "FAIL: the main window did not appear" >&2; return 1; }
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
    sleep 1
    echo "$window"
}

# close_program PID WINDOW: the window manager's Alt+F4, as the close box.
close_program() {
    xdotool windowactivate --sync "$2" 2>/dev/null || true
    xdotool key alt+F4
    for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
    if kill -0 "$1" 2>/dev/null; then
        echo "FAIL: the program did not end when its window was closed"
        return 1
    fi
    wait "$1" || true
}

# desktop_key FILE KEY: a key's value in a desktop entry's main group.
desktop_key() {
    sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1" | head -n1
}
