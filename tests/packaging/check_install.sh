#!/bin/sh
# SPDX-FileCopyrightText: 2026 The QMBPro developers
# SPDX-License-Identifier: MIT
# An install with the default prefix puts every file where the program that
# reads it looks, nothing else, and each file passes its own checker.
# Usage: check_install.sh BUILD_DIR
set -eu
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

DESTDIR=$root cmake --install "$build" --prefix /usr/local >/dev/null

# Where each reader looks, with nothing set in the environment: Debian's
# PATH, the XDG defaults (data /usr/local/share:/usr/share, config
# /etc/xdg), man-db's manpath and udev's rules directories.
bin_dirs="/usr/local/bin /usr/bin /bin"
data_dirs="/usr/local/share /usr/share"
config_dirs="/etc/xdg"
man_dirs="/usr/local/share/man /usr/share/man"
udev_dirs="/etc/udev/rules.d /run/udev/rules.d /usr/local/lib/udev/rules.d /usr/lib/udev/rules.d /lib/udev/rules.d"
under() { suffix=$1; shift; for dir in "$@"; do printf '%s%s ' "$dir" "$suffix"; done; }

expected=$root.expected
: >"$expected"
# expect NAME DIR...: NAME is installed in one of the directories.
expect() {
    name=$1
    shift
    for dir in "$@"; do
        if [ -f "$root$dir/$name" ]; then
            echo "$dir/$name" >>"$expected"
            return
        fi
    done
    fail "$name is in none of: $*"
}

expect qmbpro $bin_dirs
expect qmbctl $bin_dirs
expect qmb-virtual-mouse /usr/local/libexec/qmbpro
expect qmbpro.desktop $(under /applications $data_dirs)
expect qmbpro.desktop $(under /autostart $config_dirs)
expect qmbpro.svg $(under /icons/hicolor/scalable/apps $data_dirs)
expect com.veld.qmbpro.metainfo.xml $(under /metainfo $data_dirs)
for page in qmbpro qmbctl qmb-virtual-mouse; do
    expect "$page.1.gz" $(under /man1 $man_dirs)
done
expect qmbctl $(under /bash-completion/completions $data_dirs)
expect 70-qmbpro.rules $udev_dirs
for doc in manual_en.html manual_ko.html copyright changelog.gz; do
    expect "$doc" /usr/local/share/doc/qmbpro
done
(cd "$root" && find . -type f | sed 's/^\.//' | sort) >"$root.installed"
sort -o "$expected" "$expected"
if ! cmp -s "$expected" "$root.installed"; then
    fail "installed files differ from the expected ones:"
    diff "$expected" "$root.installed" >&2 || true
fi
rm -f "$expected" "$root.installed"

# Each file as its reader sees it.
for entry in "$root/usr/local/share/applications/qmbpro.desktop" "$root/etc/xdg/autostart/qmbpro.desktop"; do
    desktop-file-validate "$entry" || fail "desktop-file-validate: $entry"
done
appstreamcli validate --no-net --pedantic "$root/usr/local/share/metainfo/com.veld.qmbpro.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate: $(appstreamcli validate --no-net --pedantic "$root"/usr/local/share/metainfo/*.xml)"
rule=$(find "$root" -name 70-qmbpro.rules)
if udevadm verify --help >/dev/null 2>&1; then
    udevadm verify "$rule" || fail "udevadm verify: $rule"
fi
for page in "$root"/usr/local/share/man/man1/*.1.gz; do
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" >"$root.page" 2>"$root.warnings" || fail "man -l $page"
    [ ! -s "$root.warnings" ] || fail "man -l $page: $(cat "$root.warnings")"
    for section in NAME SYNOPSIS DESCRIPTION OPTIONS 'EXIT STATUS' ENVIRONMENT FILES EXAMPLES; do
        grep -qx "$section" "$root.page" || fail "$page has no $section"
    done
done
rm -f "$root.page" "$root.warnings"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
for program in bin/qmbctl libexec/qmbpro/qmb-virtual-mouse; do
    name=$(basename "$program")
    [ "$("$root/usr/local/$program" --version | head -n 1)" = "$name $version" ] || fail "$name --version"
done

# bash-completion finds the completion by the command's name.
if [ -f /usr/share/bash-completion/bash_completion ]; then
    loaded=$(XDG_DATA_DIRS="$root/usr/local/share" bash -c \
        '. /usr/share/bash-completion/bash_completion; __load_completion qmbctl && complete -p qmbctl' 2>&1)
    [ "$loaded" = "complete -F _qmbctl qmbctl" ] || fail "bash-completion did not load it: $loaded"
fi

[ "$failures" -eq 0 ] || exit 1
echo "every installed file is where its reader looks, and valid"
