#!/usr/bin/env bash
# cmake --install into a temporary DESTDIR: the files a desktop needs are
# there and pass their validators, and the installed game starts under Xvfb
# and finds its help viewer and help file from bin/.
source "$(dirname "$0")/lib.sh"
BUILD=$1
VERSION=$2
e2e_setup
DEST=$E2E_TMP/dest
PREFIX=/usr/local
ID=io.github.quiltrix.Quiltrix

DESTDIR=$DEST cmake --install "$BUILD" --prefix "$PREFIX" >"$E2E_TMP/install.log" 2>&1 ||
    { cat "$E2E_TMP/install.log" >&2; e2e_fail "cmake --install failed"; }
ROOT=$DEST$PREFIX

e2e_log "the installed tree"
for f in bin/quiltrix share/applications/$ID.desktop share/metainfo/$ID.metainfo.xml \
    share/man/man6/quiltrix.6 share/man/man6/quiltrix-help.6 share/icons/hicolor/scalable/apps/$ID.svg; do
    [ -s "$ROOT/$f" ] || e2e_fail "missing $f"
done
for size in 16 32 48 64 128 256; do
    png=$ROOT/share/icons/hicolor/${size}x${size}/apps/$ID.png
    [ -s "$png" ] || e2e_fail "missing the ${size}px icon"
    [ "$(/usr/bin/identify -format '%wx%h' "$png")" = "${size}x${size}" ] ||
        e2e_fail "the ${size}px icon is $(/usr/bin/identify -format '%wx%h' "$png")"
done
[ -x "$ROOT/bin/quiltrix" ] || e2e_fail "bin/quiltrix is not executable"
grep -q "^StartupWMClass=quiltrix$" "$ROOT/share/applications/$ID.desktop" ||
    e2e_fail "the desktop entry has no StartupWMClass"
grep -q "release version=\"$VERSION\"" "$ROOT/share/metainfo/$ID.metainfo.xml" ||
    e2e_fail "the metainfo has no release $VERSION"
grep -q '<screenshot' "$ROOT/share/metainfo/$ID.metainfo.xml" || e2e_fail "no screenshot"
if [ -e "$BUILD/app/quiltrix-help" ]; then
    [ -x "$ROOT/bin/quiltrix-help" ] || e2e_fail "the help viewer is not installed"
    [ -s "$ROOT/share/quiltrix/help/Quiltrix.chm" ] || e2e_fail "the help file is not installed"
fi

e2e_log "validators"
desktop-file-validate "$ROOT/share/applications/$ID.desktop" || e2e_fail "desktop-file-validate"
appstreamcli validate --no-net "$ROOT/share/metainfo/$ID.metainfo.xml" >"$E2E_TMP/as.log" 2>&1 ||
    { cat "$E2E_TMP/as.log" >&2; e2e_fail "appstreamcli validate"; }
for page in quiltrix quiltrix-help; do
    man -l "$ROOT/share/man/man6/$page.6" >/dev/null 2>&1 || e2e_fail "the $page man page does not format"
done

e2e_log "the installed game starts and finds its help and its sound module"
e2e_open_main_window "$ROOT/bin/quiltrix"
e2e_expect_sound_module "$ROOT/lib/games/quiltrix/quiltrix_audio.so"
if [ -e "$ROOT/bin/quiltrix-help" ]; then
    e2e_help_menu 75
    viewer=$(e2e_wait_viewer "Help > How to Use showed no viewer from the installed tree") || exit 1
    E2E_PIDS+=("$(e2e_window_pid "$viewer")")
fi
e2e_log "ok"
