#!/bin/bash
# SPDX-FileCopyrightText: 2026 The QMBPro developers
# SPDX-License-Identifier: MIT
# Runs qmbctl against qmb-virtual-mouse on the real Linux HID stack: Debian's
# kernel, booted in qemu with a small busybox initramfs, carries the virtual
# mouse through uhid to qmbctl's /dev/hidraw. Passes only when the guest
# prints its success line; the guest is ended on every path.
# Usage: run_kernel_tier.sh QMBCTL VIRTUAL_MOUSE WORK_DIR KERNEL_CACHE [CHECKS [PROGRAM...]]
# CHECKS is the script the guest runs (guest_checks.sh unless given); each
# PROGRAM goes beside qmbctl in the guest's /bin.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
qmbctl=$1
mouse=$2
work=$3
cache=$4
checks=${5:-}
shift 4
[ $# -eq 0 ] || shift
readonly success_line="KERNEL TIER: ALL CHECKS PASSED"
readonly guest_seconds=90

now_ms() { echo $((${EPOCHREALTIME/./} / 1000)); }
started=$(now_ms)

for tool in qemu-system-x86_64 busybox cpio modinfo xz; do
    command -v "$tool" >/dev/null ||
        { echo "kernel tier: $tool is missing (qemu-system-x86 busybox-static cpio kmod xz-utils)" >&2; exit 1; }
done
"$here/fetch_kernel.sh" "$cache"
version=$(cat "$cache/version")

rm -rf "$work"
root=$work/root
mkdir -p "$root"/{bin,dev,proc,sys,tmp,modules}

# A program and the shared libraries it loads, at the paths it loads them from.
add_program() {
    local program=$1 library
    install -m 755 "$program" "$root/bin/"
    strip "$root/bin/$(basename "$program")" 2>/dev/null || true
    for library in $(ldd "$program" 2>/dev/null | grep -o '/[^ ]*'); do
        if [ ! -e "$root$library" ]; then
            mkdir -p "$root$(dirname "$library")"
            cp -L "$library" "$root$library"
        fi
    done
}
add_program "$(command -v busybox)"
add_program "$qmbctl"
add_program "$mouse"
for program in "$@"; do
    add_program "$program"
done

# A module and, first, the modules it needs.
add_module() {
    local name=$1 file dependency
    grep -qx "$name" "$work/modules.loaded" 2>/dev/null && return 0
    file=$(find "$cache/hid-modules" -name "$name.ko*" -o -name "${name//-/_}.ko*" | head -n 1)
    [ -n "$file" ] || { echo "kernel tier: module $name is not in $version's HID modules" >&2; exit 1; }
    for dependency in $(modinfo -F depends "$file" | tr ',' ' '); do
        add_module "$dependency"
    done
    case $file in
    *.xz) xz -dc "$file" >"$root/modules/$name.ko" ;;
    *) cp "$file" "$root/modules/$name.ko" ;;
    esac
    echo "$name" >>"$work/modules.loaded"
    echo "$name.ko" >>"$root/modules/order"
}
add_module uhid
add_module hid-generic

install -m 755 "$here/guest_init.sh" "$root/init"
install -m 644 "${checks:-$here/guest_checks.sh}" "$root/checks.sh"
(cd "$root" && find . | cpio -o -H newc --quiet) >"$work/initramfs.cpio"

kernel=$cache/vmlinux
[ -f "$kernel" ] || kernel=$cache/vmlinuz
booted=$(now_ms)
echo "kernel tier: kernel $version ($(basename "$kernel")), initramfs $(($(stat -c %s "$work/initramfs.cpio") / 1024)) KiB," \
    "prepared in $((booted - started)) ms"

# KVM does not work on every machine this runs on; software emulation does.
set +e
timeout --kill-after=5 "$guest_seconds" qemu-system-x86_64 -accel tcg -cpu max -m 512M -smp 1 \
    -nodefaults -no-user-config -display none -serial stdio -no-reboot \
    -kernel "$kernel" -initrd "$work/initramfs.cpio" \
    -append "console=ttyS0 quiet loglevel=3 panic=-1 rdinit=/init" </dev/null >"$work/console.log" 2>&1
qemu_status=$?
set -e
finished=$(now_ms)
tr -d '\r' <"$work/console.log" >"$work/guest.log"

grep -h '^guest: ' "$work/guest.log" || true
echo "kernel tier: qemu ran $((finished - booted)) ms (status $qemu_status), $((finished - started)) ms in all"
if grep -qxF "$success_line" "$work/guest.log"; then
    echo "$success_line"
    exit 0
fi
if [ "$qemu_status" -eq 124 ] || [ "$qemu_status" -eq 137 ]; then
    echo "kernel tier: the guest did not end within $guest_seconds s and was stopped" >&2
fi
echo "kernel tier: FAILED; the guest's console:" >&2
cat "$work/guest.log" >&2
exit 1
