#!/usr/bin/env bash
# tools/startup/measure-startup.sh [BUILD_DIR] [RUNS]
# Time from process start to the first window mapped, on a private Xvfb, for
# three programs started in turn within each run:
#   empty       a bare borderless 571 x 284 Qt window (no fonts, no controls);
#   start-like  the same window with a painted background, a line of text and
#               two push buttons, CANCEL and START (the fair yardstick for the
#               game's Start window, which also sets up fonts and controls);
#   game        the game, until its Start window is mapped.
# Prints every run, then the medians and the two ratios game / yardstick.
# The machine's speed drifts between minutes: compare the ratios, which are
# taken within one run, rather than milliseconds across runs.
# A desktop session has a message bus, which Qt's accessibility support
# connects to when the first controls show; to time it as there, run this
# under `dbus-run-session --`. Without a bus that connection first tries to
# start one, which costs every window with controls (the game and the
# start-like window) about 10 ms more.
# No other copy of the game may run under the same user meanwhile.
set -euo pipefail
build=${1:-build/release}
runs=${2:-12}
timer=$build/tools/startup/quiltrix_startup_timer
empty=$build/tools/startup/quiltrix_empty_window
startlike=$build/tools/startup/quiltrix_start_like_window
game=$build/app/quiltrix
for program in "$timer" "$empty" "$startlike" "$game"; do
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
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
load() { cut -d' ' -f1-3 /proc/loadavg; }

echo "load average before: $(load)"
# One unmeasured run each, so all start from a warm file cache.
for program in "$empty" "$startlike" "$game"; do "$timer" "$program" >/dev/null 2>&1 || true; done
empties=() startlikes=() games=() per_run=()
for i in $(seq "$runs"); do
    e=$("$timer" "$empty" 2>/dev/null) || { echo "run $i: no empty window came" >&2; continue; }
    s=$("$timer" "$startlike" 2>/dev/null) || { echo "run $i: no start-like window came" >&2; continue; }
    g=$("$timer" "$game" 2>/dev/null) || { echo "run $i: no game window came" >&2; continue; }
    empties+=("$e") startlikes+=("$s") games+=("$g") per_run+=("$(ratio "$g" "$s")")
    echo "run $i: empty $e ms, start-like $s ms, game $g ms (game / start-like $(ratio "$g" "$s"))"
done
[ ${#games[@]} -gt 0 ] || { echo "no run succeeded" >&2; exit 1; }
echo "load average after: $(load)"
e=$(printf '%s\n' "${empties[@]}" | median)
s=$(printf '%s\n' "${startlikes[@]}" | median)
g=$(printf '%s\n' "${games[@]}" | median)
r=$(printf '%s\n' "${per_run[@]}" | median)
echo "medians of ${#games[@]} runs: empty window $e ms, start-like window $s ms, game $g ms"
echo "game / empty window:      $(ratio "$g" "$e")"
echo "game / start-like window: $(ratio "$g" "$s")  (median of the per-run ratios: $r; target 1.20)"
