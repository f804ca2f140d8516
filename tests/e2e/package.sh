#!/usr/bin/env bash
# The Debian package: cpack builds it from the build folder, lintian finds no
# error in it, apt-get installs it into this machine, the installed game starts
# under Xvfb with its help viewer and sound module, and the purge leaves no
# file and no package behind. Needs root (or sudo without a password); skips
# otherwise, and when a quiltrix package is already installed here.
source "$(dirname "$0")/lib.sh"
BUILD=$1
VERSION=$2
SKIP=77

SUDO=()
if [ "$(id -u)" -ne 0 ]; then
    sudo -n true 2>/dev/null || { e2e_log "SKIP: installing a package needs root"; exit $SKIP; }
    SUDO=(sudo -n)
fi
APT=("${SUDO[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -q -o DPkg::Lock::Timeout=120)

installed() { dpkg-query -W -f='${Status}' quiltrix 2>/dev/null | grep -q "ok installed"; }
packages() { dpkg-query -W -f='${Package}:${Architecture} ${db:Status-Abbrev}\n' | awk '$2 ~ /^.i/{print $1}' | sort; }

e2e_setup
PKG=$E2E_TMP/package
mkdir -p "$PKG"
chmod 755 "$E2E_TMP" "$PKG"  # apt reads the file as its own user

e2e_log "cpack builds the package"
cpack -G DEB --config "$BUILD/CPackConfig.cmake" -B "$PKG" >"$E2E_TMP/cpack.log" 2>&1 ||
    { cat "$E2E_TMP/cpack.log" >&2; e2e_fail "cpack failed"; }
DEB=$PKG/quiltrix_${VERSION}_$(dpkg --print-architecture).deb
[ -s "$DEB" ] || e2e_fail "no $(basename "$DEB") (made: $(ls "$PKG"))"
rm -rf "$PKG/_CPack_Packages"

e2e_log "its contents and dependencies"
dpkg-deb -c "$DEB" | awk '{print $6}' | sed 's#^\./#/#' >"$E2E_TMP/contents.txt"
for f in /usr/games/quiltrix /usr/games/quiltrix-help /usr/lib/games/quiltrix/quiltrix_audio.so \
    /usr/share/quiltrix/help/Quiltrix.chm /usr/share/applications/io.github.quiltrix.Quiltrix.desktop \
    /usr/share/metainfo/io.github.quiltrix.Quiltrix.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/io.github.quiltrix.Quiltrix.svg \
    /usr/share/icons/hicolor/48x48/apps/io.github.quiltrix.Quiltrix.png \
    /usr/share/man/man6/quiltrix.6.gz /usr/share/man/man6/quiltrix-help.6.gz \
    /usr/share/doc/quiltrix/copyright /usr/share/doc/quiltrix/changelog.gz; do
    grep -qx "$f" "$E2E_TMP/contents.txt" || e2e_fail "the package lacks $f"
done
depends=$(dpkg-deb -f "$DEB" Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libqt6multimedia6 libchm1 libc6; do
    [[ $depends == *"$lib "* ]] || e2e_fail "no dependency on $lib: $depends"
done

if command -v lintian >/dev/null; then
    e2e_log "lintian"
    lintian "$DEB" 2>&1 | grep -v "running with root privileges" >"$E2E_TMP/lintian.log" || true
    cat "$E2E_TMP/lintian.log" >&2
    ! grep -q '^E:' "$E2E_TMP/lintian.log" || e2e_fail "lintian reports errors"
fi

# One package test at a time on a machine: every run installs the same
# package. The dpkg database's folder is there on every Debian system.
exec 9</var/lib/dpkg
flock -w 300 9 || e2e_fail "another package test held the machine for five minutes"

# Whatever happens from here, the package goes again, and so does anything
# apt brought in for it. The mark says a test installed it: a run killed
# before its removal leaves it, and the next run removes that package first.
MARK=/var/tmp/quiltrix-package-test.mark
remove_package() {
    if dpkg-query -W quiltrix >/dev/null 2>&1; then
        "${APT[@]}" purge quiltrix >>"$E2E_TMP/apt.log" 2>&1 ||
            "${SUDO[@]}" dpkg --purge --force-all quiltrix >>"$E2E_TMP/apt.log" 2>&1 || true
    fi
    local added
    added=$(packages | comm -13 "$E2E_TMP/before.txt" -)
    if [ -n "$added" ]; then
        # shellcheck disable=SC2086  # one package a word
        "${APT[@]}" purge $added >>"$E2E_TMP/apt.log" 2>&1 || true
    fi
    dpkg-query -W quiltrix >/dev/null 2>&1 || "${SUDO[@]}" rm -f "$MARK"
}
if [ -e "$MARK" ]; then
    e2e_log "removing the package an interrupted run left installed"
    packages | grep -v '^quiltrix:' >"$E2E_TMP/before.txt"
    remove_package
fi
if installed; then
    e2e_log "SKIP: a quiltrix package is installed on this machine already"
    exit $SKIP
fi
packages >"$E2E_TMP/before.txt"
cleanup_all() {
    e2e_stop_programs
    remove_package
    e2e_cleanup
}
trap cleanup_all EXIT
trap 'exit 1' INT TERM HUP

e2e_log "apt-get installs it"
"${SUDO[@]}" touch "$MARK"
"${APT[@]}" install --no-install-recommends "$DEB" >"$E2E_TMP/apt.log" 2>&1 ||
    { cat "$E2E_TMP/apt.log" >&2; e2e_fail "apt-get install failed"; }
installed || e2e_fail "the package is not installed after apt-get install"
dpkg -L quiltrix | sort >"$E2E_TMP/files.txt"
[ "$(/usr/games/quiltrix --version)" = "quiltrix $VERSION" ] ||
    e2e_fail "the installed game says: $(/usr/games/quiltrix --version)"

e2e_log "the installed game starts, opens its help and plays through its sound module"
e2e_open_main_window /usr/games/quiltrix
e2e_expect_sound_module /usr/lib/games/quiltrix/quiltrix_audio.so
e2e_help_menu 75
viewer=$(e2e_wait_viewer "Help > How to Use showed no viewer from the package") || exit 1
E2E_PIDS+=("$(e2e_window_pid "$viewer")")
e2e_stop_programs

e2e_log "apt-get purge leaves nothing behind"
remove_package
! installed || e2e_fail "the package is still installed"
dpkg-query -W quiltrix >/dev/null 2>&1 && e2e_fail "dpkg still lists the package"
while read -r f; do
    # Folders other packages own stay.
    if [ -e "$f" ] || [ -L "$f" ]; then
        [ -d "$f" ] && dpkg -S "$f" >/dev/null 2>&1 || e2e_fail "left behind: $f"
    fi
done <"$E2E_TMP/files.txt"
[ ! -e "$MARK" ] || e2e_fail "left behind: $MARK"
packages | cmp -s "$E2E_TMP/before.txt" - ||
    e2e_fail "the installed packages differ from before: $(packages | diff "$E2E_TMP/before.txt" - | grep '^[<>]')"
e2e_log "passed"
