#!/usr/bin/env bash
# Installs what building, playing and testing Quiltrix need on Debian 12.
# Does nothing when everything is already there.
set -euo pipefail

PACKAGES=(
    cmake ninja-build g++ pkg-config clang-format
    qt6-base-dev qt6-multimedia-dev qt6-image-formats-plugins
    libchm-dev libchm-bin fp-utils
    libgtest-dev libgmock-dev libbenchmark-dev libjpeg-dev
    libfontconfig-dev  # the start-up reads the font configuration ahead
    xvfb xauth xdotool x11-apps x11-utils imagemagick
    weston qt6-wayland  # the end-to-end walk on Wayland
    desktop-file-utils appstream
    dpkg-dev lintian file  # the Debian package: cpack's dependency lookup, its checker
    clang libclang-rt-dev  # libFuzzer, for the fuzzing run of scripts/test.sh only
    libxcb1-dev  # the start-up timer under tools/startup
    dbus-daemon at-spi2-core python3-pyatspi  # the accessibility end-to-end test
)

missing=()
for pkg in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$pkg")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -q
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
