#!/usr/bin/env bash
# Start-up of the window, side by side with an empty Qt window, on one private X server: the median time from
# exec to the window being mapped, over RUNS runs each, and the peak memory once the window is up. Each start is
# timed by trelkin-window-mapped, which waits for the display to announce the window instead of looking for it
# again and again, so that the measuring takes no processor time from the program measured.
#
#   window_startup.sh BIN_DIR [NAME=DATA_DIR[=TRELKIN] ...]
#
# BIN_DIR holds trelkin, its demo data files, trelkin-window-mapped, trelkin-empty-window and trelkin-text-window
# (the same window with a line of Japanese text); each NAME=DATA_DIR is another set of data files to start on,
# with a copy of trelkin (or of the TRELKIN given, an older build say) placed beside them.
set -euo pipefail
bin=$(cd "$1" && pwd); shift
runs=${RUNS:-7}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cases=("empty-window=$bin/trelkin-empty-window" "text-window=$bin/trelkin-text-window" "demo=$bin/trelkin")
for named in "$@"; do
    IFS== read -r name data exe <<<"$named"
    mkdir -p "$work/$name"
    cp "${exe:-$bin/trelkin}" "$work/$name/trelkin"
    cp "$data"/*.dat "$work/$name/"
    cases+=("$name=$work/$name/trelkin")
done

cat >"$work/measure.sh" <<'INNER'
# One case: RUNS starts, each timed by trelkin-window-mapped; prints the median time and the last peak memory.
probe=$1 exe=$2 runs=$3
times=()
for _ in $(seq "$runs"); do
    read -r time peak < <("$probe" "$exe") || { echo "window_startup: $exe ended before its window showed" >&2; exit 1; }
    times+=("$time")
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
echo "$median $peak"
INNER

# -noreset: the server must not reset when the last program of a run closes, or the next one cannot connect.
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash -c '
    work=$1 runs=$2 probe=$3; shift 3
    # The server may take a moment before it takes clients.
    until xdotool getdisplaygeometry >/dev/null 2>&1; do sleep 0.05; done
    echo "| data | window mapped, ms (median of $runs) | x empty window | peak MB after start |"
    echo "|---|---|---|---|"
    baseline=""
    for case in "$@"; do
        read -r median peak < <(bash "$work/measure.sh" "$probe" "${case#*=}" "$runs")
        baseline=${baseline:-$median}
        echo "| ${case%%=*} | $median | $(echo "scale=2; $median / $baseline" | bc) | $peak |"
    done' _ "$work" "$runs" "$bin/trelkin-window-mapped" "${cases[@]}"
