#!/usr/bin/env bash
# tools/startup/measure-startup.sh [BUILD_DIR] [RUNS]
# Time from process start to the first window mapped, for the game (its Start
# window) and for a bare Qt window of the same size, on a private Xvfb.
# Runs alternate between the two; prints every run and the medians.
# A desktop session has a message bus, which Qt's accessibility support
# connects to when the first controls show; to time it as there, run this
# under `dbus-run-session --`. Without a bus that connection first tries to
# start one, which costs the game (whose controls show before its window)
# about 10 ms more than the empty window (which announces itself after).
set -euo pipefail
build=${1:-build/release}
runs=${2:-12}
timer=$build/tools/startup/quiltrix_startup_timer
empty=$build/tools/startup/quiltrix_empty_window
game=$build/app/quiltrix
for program in "$timer" "$empty" "$game"; do
    [ -x "$program" ] || { echo "missing $program (build it first)" >&2; exit 2; }
done

display=:$((200 + RANDOM % 300))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
# A runtime folder of its own, so the game's lock never meets a copy the user runs.
runtime=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null || true; rm -rf "$runtime"' EXIT
export DISPLAY=$display QT_QPA_PLATFORM=xcb QUILTRIX_RUNTIME_DIR=$runtime
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

median() { sort -n | awk '{v[NR]=$1} END {print (NR % 2) ? v[(NR+1)/2] : (v[NR/2] + v[NR/2+1]) / 2}'; }

# One unmeasured run each, so both start from a warm file cache.
"$timer" "$empty" >/dev/null
"$timer" "$game" >/dev/null
empties=() games=()
for i in $(seq "$runs"); do
    e=$("$timer" "$empty") || { echo "run $i: no empty window came" >&2; continue; }
    g=$("$timer" "$game") || { echo "run $i: no game window came" >&2; continue; }
    empties+=("$e") games+=("$g")
    echo "run $i: empty $e ms, game $g ms"
done
[ ${#games[@]} -gt 0 ] || { echo "no run succeeded" >&2; exit 1; }
e=$(printf '%s\n' "${empties[@]}" | median)
g=$(printf '%s\n' "${games[@]}" | median)
echo "median: empty window $e ms, game $g ms, ratio $(awk -v g="$g" -v e="$e" 'BEGIN {printf "%.2f", g / e}')"
