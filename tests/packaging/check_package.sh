#!/bin/sh
# SPDX-FileCopyrightText: 2026 The QMBPro developers
# SPDX-License-Identifier: MIT
# Builds the Debian package as the README says, and checks it as Debian
# would: lintian finds no error or warning; installed into a throw-away root
# it holds every file, and removed it leaves none; its maintainer scripts
# have udev apply the rule at once, and only on a live system.
# Usage: check_package.sh BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; exit 1; }
package=$(ls "$work"/out/qmbpro_*_"$(dpkg --print-architecture)".deb)
echo "$(basename "$package"): $(stat -c %s "$package") bytes"
dpkg-deb -f "$package" Depends
dpkg-deb -f "$package" Description | grep -q "MIT licence" || fail "the package's description names no licence"

lintian --fail-on error,warning "$package" >"$work/lintian" 2>&1 ||
    fail "lintian: $(grep -v '^running with root privileges' "$work/lintian")"

# The files a user gets.
dpkg-deb -c "$package" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort >"$work/files"
cat >"$work/expected" <<FILES
/etc/xdg/autostart/qmbpro.desktop
/usr/bin/qmbctl
/usr/bin/qmbpro
/usr/libexec/qmbpro/qmb-virtual-mouse
/usr/share/applications/qmbpro.desktop
/usr/share/bash-completion/completions/qmbctl
/usr/share/doc/qmbpro/changelog.gz
/usr/share/doc/qmbpro/copyright
/usr/share/doc/qmbpro/manual_en.html
/usr/share/doc/qmbpro/manual_ko.html
/usr/share/icons/hicolor/scalable/apps/qmbpro.svg
/usr/share/man/man1/qmb-virtual-mouse.1.gz
/usr/share/man/man1/qmbctl.1.gz
/usr/share/man/man1/qmbpro.1.gz
/usr/share/metainfo/com.veld.qmbpro.metainfo.xml
$(grep -o '/[^ ]*/rules.d/70-qmbpro.rules' "$work/files")
FILES
sort -o "$work/expected" "$work/expected"
grep -q 'udev/rules.d/70-qmbpro.rules' "$work/files" || fail "no udev rule in the package"
cmp -s "$work/expected" "$work/files" || { fail "package contents:"; diff "$work/expected" "$work/files" >&2 || true; }

# Installed into a root of its own by dpkg, then removed. Its scripts run
# outside that root with DPKG_ROOT set, and must then leave udev alone.
root=$work/root
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
fake=$work/fakebin
mkdir "$fake"
printf '#!/bin/sh\necho "$*" >>"%s"\n' "$work/udevadm.log" >"$fake/udevadm"
chmod +x "$fake/udevadm"
in_root() { PATH=$fake:$PATH dpkg --root="$root" --log=/dev/null --force-script-chrootless --force-depends "$@"; }
in_root -i "$package" >/dev/null 2>&1 || fail "dpkg -i into a throw-away root"
dpkg --root="$root" -L qmbpro | while read -r path; do [ -d "$root$path" ] || echo "$path"; done | sort >"$work/listed"
cmp -s "$work/expected" "$work/listed" || { fail "dpkg -L after install:"; diff "$work/expected" "$work/listed" >&2 || true; }
while read -r path; do [ -f "$root$path" ] || fail "not installed: $path"; done <"$work/expected"
in_root -P qmbpro >/dev/null 2>&1 || fail "dpkg -P"
left=$(find "$root" -path "$root/var/lib/dpkg" -prune -o -type f -print)
[ -z "$left" ] || fail "left behind after removal: $left"
[ ! -e "$work/udevadm.log" ] || fail "the scripts ran udevadm inside a throw-away root: $(cat "$work/udevadm.log")"

# On a live system with udev running, the scripts reload the rules and have
# them applied to the mouse already plugged in; without udev, nothing.
dpkg-deb -e "$package" "$work/control"
applied="control --ping
control --reload
trigger --action=change --subsystem-match=hidraw"
for step in "postinst configure" "postrm remove"; do
    rm -f "$work/udevadm.log"
    # shellcheck disable=SC2086 # the script's name, then its argument
    (set -- $step; PATH=$fake:$PATH DPKG_ROOT= "$work/control/$1" "$2") || fail "$step failed"
    [ "$(cat "$work/udevadm.log")" = "$applied" ] || fail "$step ran: $(cat "$work/udevadm.log")"
done
printf '#!/bin/sh\necho "$*" >>"%s"\n[ "$1 $2" != "control --ping" ]\n' "$work/udevadm.log" >"$fake/udevadm"
rm -f "$work/udevadm.log"
PATH=$fake:$PATH DPKG_ROOT= "$work/control/postinst" configure || fail "postinst without udev failed"
[ "$(cat "$work/udevadm.log")" = "control --ping" ] || fail "postinst without udev ran: $(cat "$work/udevadm.log")"

[ "$failures" -eq 0 ] || exit 1
echo "the package installs, lints clean and goes without a trace"
