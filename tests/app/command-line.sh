#!/usr/bin/env bash
# quiltrix --help / --version answer without any display; unknown options and
# stray arguments are refused with status 2 and a hint on stderr.
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
! grep -q -- "--help-all" <<<"$out" || fail "--help lists --help-all, whose Qt options are refused"

for bad in --frobnicate -x picture.jpg; do
    status=0
    err=$(run "$bad" 2>&1 >/dev/null) || status=$?
    [ "$status" -eq 2 ] || fail "'$bad' exited $status, not 2"
    grep -q "quiltrix --help" <<<"$err" || fail "'$bad' gave no hint: $err"
    [ "$(wc -l <<<"$err")" -le 2 ] || fail "'$bad' printed too much: $err"
done
echo "command line: ok"
