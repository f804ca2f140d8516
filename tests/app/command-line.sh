#!/usr/bin/env bash
# quiltrix --help / --version answer without any display; unknown options and
# stray arguments are refused with status 2 and a hint on stderr; Qt's standard
# options (-style, -platform, -geometry, ...) pass through to Qt.
set -euo pipefail
APP=$1
VERSION=$2
fail() { echo "FAIL: $*" >&2; exit 1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$APP" "$@"; }

out=$(run --version 2>/dev/null) || fail "--version exited $?"
[ "$out" = "quiltrix $VERSION" ] || fail "--version printed '$out'"
out=$(run -v 2>/dev/null) || fail "-v exited $?"
[ "$out" = "quiltrix $VERSION" ] || fail "-v printed '$out'"

out=$(run --help 2>/dev/null) || fail "--help exited $?"
grep -Eq "^Usage: (.*/)?quiltrix \[options\]" <<<"$out" || fail "--help printed no usage: $out"
grep -q -- "--version" <<<"$out" || fail "--help does not list --version"
! grep -q -- "--help-all" <<<"$out" || fail "--help lists --help-all: only the game's options are listed"

# Qt's standard options, with their values, are let through to Qt.
for qt in "-style Fusion" "--platform offscreen" "-reverse" "-qwindowgeometry 640x480+10+10" \
    "-display :99 -geometry 800x600" "-stylesheet=none.qss" "-session abc -widgetcount"; do
    # shellcheck disable=SC2086
    out=$(run $qt --version 2>/dev/null) || fail "'$qt --version' exited $?"
    [ "$out" = "quiltrix $VERSION" ] || fail "'$qt --version' printed '$out'"
done

for bad in --frobnicate -x picture.jpg "-style Fusion --frobnicate" "-platform offscreen extra" \
    -platform "--help -geometry"; do
    status=0
    # shellcheck disable=SC2086
    err=$(run $bad 2>&1 >/dev/null) || status=$?
    [ "$status" -eq 2 ] || fail "'$bad' exited $status, not 2"
    grep -q "quiltrix --help" <<<"$err" || fail "'$bad' gave no hint: $err"
    [ "$(wc -l <<<"$err")" -le 2 ] || fail "'$bad' printed too much: $err"
done

# With only Qt's options the game starts: Qt takes the platform from the command line.
# Its lock goes in a runtime folder of this test's own, away from any copy the user runs.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
status=0
HOME=$home XDG_CONFIG_HOME=$home XDG_RUNTIME_DIR=$home QUILTRIX_RUNTIME_DIR=$home timeout 5 \
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$APP" -platform offscreen -reverse \
    >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || fail "the game with Qt's options exited $status instead of running"
echo "command line: ok"
