#!/usr/bin/env bash
# Starts a copy of the built program in a real X server, from another working directory, with the demo data
# next to it; then with each data file missing and with each one corrupt. The main window must appear and the
# program must exit with status 0 when the window is closed; a missing or corrupt file must first show the error
# box, titled with the application's name.
#
# Usage: window_smoke.sh TRELKIN_EXECUTABLE DATA_DIRECTORY
set -euo pipefail

readonly data_files=(prepare.dat guard.dat weapon.dat)
readonly main_title='Brakmoor Vastfolio'
readonly box_title='^trelkin$'
readonly wait_seconds=${SMOKE_WAIT_SECONDS:-60}
here="$(cd "$(dirname "$0")" && pwd)"
readonly here

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# The id of the visible window whose title matches, waiting for it to appear.
wait_for_window() {
    local window
    window=$(timeout "$wait_seconds" xdotool search --sync --onlyvisible --name "$1" | head -n 1) ||
        fail "$2: no window titled '$1' within $wait_seconds s"
    echo "$window"
}

close_window() {
    python3 "$here/close_window.py" "$1"
}

# One start: the program in its own directory with the given data files, started from elsewhere.
run_case() {
    local name=$1 broken=$2 damage=$3
    local app="$work/$name/app" elsewhere="$work/$name/elsewhere" file
    mkdir -p "$app" "$elsewhere"
    cp "$executable" "$app/trelkin"
    for file in "${data_files[@]}"; do
        [ "$file" = "$broken" ] && [ "$damage" = missing ] && continue
        if [ "$file" = "$broken" ]; then
            printf 'not a data file\n' >"$app/$file"
        else
            cp "$data_directory/$file" "$app/$file"
        fi
    done

    (cd "$elsewhere" && exec "$app/trelkin") &
    local pid=$!
    running=$pid
    local box main
    if [ -n "$broken" ]; then
        box=$(wait_for_window "$box_title" "$name")
        close_window "$box"
    fi
    main=$(wait_for_window "$main_title" "$name")
    if [ -z "$broken" ] && xdotool search --onlyvisible --name "$box_title" >/dev/null; then
        fail "$name: an error box appeared"
    fi
    close_window "$main"
    local status=0
    timeout "$wait_seconds" tail --pid="$pid" -f /dev/null || fail "$name: still running $wait_seconds s after closing"
    wait "$pid" || status=$?
    running=
    [ "$status" -eq 0 ] || fail "$name: exit status $status after closing the window"
    echo "ok: $name"
}

if [ "${1:-}" = --under-x ]; then
    shift
    executable=$1 data_directory=$2 work=$3
    running=
    # A failed case leaves its program running; it must not outlive the test.
    trap '[ -z "$running" ] || kill "$running" 2>/dev/null' EXIT
    run_case demo_data "" ""
    for file in "${data_files[@]}"; do
        run_case "missing_$file" "$file" missing
        run_case "corrupt_$file" "$file" corrupt
    done
    exit 0
fi

[ $# -eq 2 ] || fail "usage: $0 TRELKIN_EXECUTABLE DATA_DIRECTORY"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The tests run offscreen; this one needs the X server that xvfb-run starts.
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
xvfb-run -a bash "$0" --under-x "$(realpath "$1")" "$(realpath "$2")" "$work"
