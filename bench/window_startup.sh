#!/usr/bin/env bash
# Start-up of the window, side by side with an empty Qt window, on one private X server: the median time from
# exec to the window being mapped, over RUNS runs each, and the peak memory once the window is up.
#
#   window_startup.sh BIN_DIR [NAME=DATA_DIR[=TRELKIN] ...]
#
# BIN_DIR holds trelkin, its demo data files, trelkin-empty-window and trelkin-text-window (the same window with
# a line of Japanese text); each NAME=DATA_DIR is another set of data files to start on, with a copy of trelkin
# (or of the TRELKIN given, an older build say) placed beside them.
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
# One case: RUNS starts, each timed from exec until the window is mapped; prints the median and the peak memory.
exe=$1 runs=$2
times=()
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$exe" >/dev/null 2>"$exe.log" &
    pid=$!
    until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "window_startup: $exe ended before its window showed" >&2; exit 1; }
        sleep 0.02
    done
    end=$(date +%s%N)
    times+=($(((end - start) / 1000000)))
    sleep 0.5
    peak=$(awk '/VmHWM/ {print int($2 / 1024)}' "/proc/$pid/status")
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
echo "$median $peak"
INNER

# -noreset: the server must not reset when the last program of a run closes, or the next one cannot connect.
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" bash -c '
    work=$1 runs=$2; shift 2
    # The server may take a moment before it takes clients.
    until xdotool getdisplaygeometry >/dev/null 2>&1; do sleep 0.05; done
    echo "| data | window mapped, ms (median of $runs) | x empty window | peak MB after start |"
    echo "|---|---|---|---|"
    baseline=""
    for case in "$@"; do
        read -r median peak < <(bash "$work/measure.sh" "${case#*=}" "$runs")
        baseline=${baseline:-$median}
        echo "| ${case%%=*} | $median | $(echo "scale=2; $median / $baseline" | bc) | $peak |"
    done' _ "$work" "$runs" "${cases[@]}"
