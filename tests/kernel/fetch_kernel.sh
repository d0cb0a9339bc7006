#!/bin/sh
# SPDX-FileCopyrightText: 2026 The QMBPro developers
# SPDX-License-Identifier: MIT
# Fetches the kernel that Debian's linux-image-amd64 points at, without
# installing it, and keeps what the kernel tier boots: the kernel image
# (also unpacked to an ELF vmlinux, which qemu starts through its PVH entry,
# skipping the real-mode set-up and the decompression in the guest) and the
# HID modules. Kept in CACHE_DIR: a second run fetches nothing.
# Usage: fetch_kernel.sh CACHE_DIR
set -eu

cache=$1
[ -f "$cache/version" ] && exit 0

fail() {
    echo "fetch_kernel: $*" >&2
    exit 1
}

kernel_package() {
    apt-cache depends linux-image-amd64 2>/dev/null |
        sed -n 's/^ *Depends: \(linux-image-[0-9][^ ]*\)$/\1/p' | head -n 1
}
package=$(kernel_package)
# A machine whose package lists were never fetched knows no kernel yet.
if [ -z "$package" ] && [ "$(id -u)" -eq 0 ]; then
    timeout 120 apt-get update -q >&2 || true
    package=$(kernel_package)
fi
[ -n "$package" ] || fail "apt knows no linux-image-amd64; run 'apt-get update' (as root) first"

download=$cache.download
trap 'rm -rf "$download"' EXIT
rm -rf "$download"
mkdir -p "$download/root"
echo "fetch_kernel: downloading $package" >&2
# As root apt would hand the download to its sandbox user, who may not
# write here; it then downloads as root anyway, with a warning.
sandbox=
[ "$(id -u)" -ne 0 ] || sandbox="-o APT::Sandbox::User=root"
(cd "$download" && timeout 60 apt-get download -q=2 $sandbox "$package" </dev/null) ||
    fail "could not download $package (no network, or no Debian apt source?)"
dpkg-deb -x "$download"/*.deb "$download/root" || fail "could not unpack $package"

version=${package#linux-image-}
tree=$download/root
modules=$tree/lib/modules/$version
[ -d "$modules" ] || modules=$tree/usr/lib/modules/$version
[ -f "$tree/boot/vmlinuz-$version" ] && [ -d "$modules" ] || fail "$package holds no kernel $version"

rm -rf "$cache"
mkdir -p "$cache"
mv "$tree/boot/vmlinuz-$version" "$cache/vmlinuz"
mv "$modules/kernel/drivers/hid" "$cache/hid-modules"

# The image is a small decompressor followed by the xz-packed kernel.
for offset in $(LC_ALL=C grep -obUaP '\xfd7zXZ\x00' "$cache/vmlinuz" | cut -d: -f1); do
    if tail -c +$((offset + 1)) "$cache/vmlinuz" | xz -dc --single-stream >"$cache/vmlinux" 2>/dev/null &&
        [ "$(head -c 4 "$cache/vmlinux" | tail -c 3)" = ELF ]; then
        break
    fi
    rm -f "$cache/vmlinux"
done

echo "$version" >"$cache/version"
