#!/bin/sh
# SPDX-FileCopyrightText: 2026 The QMBPro developers
# SPDX-License-Identifier: MIT
# Makes sure the Debian 12 packages a set-up needs are installed.
# Usage: debian-packages.sh run|test|screenshot
# As root it installs what is missing; otherwise it prints the apt-get line
# to run and fails.
set -eu

build="cmake ninja-build g++ pkg-config libudev-dev libxcb1-dev libxcb-shape0-dev qt6-base-dev qt6-base-dev-tools qt6-svg-dev \
qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev libgtest-dev libgmock-dev scdoc"
# The package and its checkers (dpkg-dev and file for cpack's dependency
# list, udev for its rules directory), and a Wayland compositor to run in.
test_only="libbenchmark-dev clang libclang-rt-14-dev xvfb xauth xdotool fonts-dejavu-core dbus-daemon \
qemu-system-x86 busybox-static cpio kmod xz-utils \
dpkg-dev file udev lintian desktop-file-utils appstream man-db bash-completion \
weston xwayland qt6-wayland reuse"

case "${1:-}" in
run) wanted="$build fonts-nanum" ;;
test) wanted="$build $test_only" ;;
screenshot) wanted="$build fonts-nanum xvfb xauth xdotool imagemagick" ;;
*) echo "usage: $0 run|test|screenshot" >&2; exit 2 ;;
esac

missing=""
for package in $wanted; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    case "$status" in
    *" installed") ;;
    *) missing="$missing $package" ;;
    esac
done
[ -z "$missing" ] && exit 0

line="apt-get install -y --no-install-recommends$missing"
if [ "$(id -u)" -ne 0 ]; then
    echo "Some Debian packages are missing. Install them with:" >&2
    echo "  sudo apt-get update && sudo $line" >&2
    exit 1
fi
echo "Installing:$missing" >&2
export DEBIAN_FRONTEND=noninteractive
apt-get update -q >&2
$line >&2
