#!/bin/sh
# SPDX-FileCopyrightText: 2026 The QMBPro developers
# SPDX-License-Identifier: MIT
# Takes the README's pictures: QMBPro with the demo mouse on a virtual
# screen without a tray, where it shows its control box; with --buttons or
# --sequence, the dialog opened from it; with --passwords, the password
# dialog in both its layouts and the sign-in dialog, as password-setting,
# password-short and password-sign-in (-ko for Korean) beside OUTPUT; with
# --site, the site dialog for a site with both its ID and password stored;
# with --double, the control box at twice the size, as on a high-density
# screen.
# Usage: screenshot.sh [--korean] [--double|--buttons|--sequence|--passwords|--site] [output.png]
set -eu
cd "$(dirname "$0")/.."
lang=C.UTF-8
suffix=
window=control-box
scale=1
while [ $# -gt 0 ]; do
    case "$1" in
    --korean) lang=ko_KR.UTF-8 suffix=-ko ;;
    --double) scale=2 window=control-box-2x ;;
    --buttons) window=button-editing ;;
    --sequence) window=sequence-setting ;;
    --passwords) window=password ;;
    --site) window=site-setting ;;
    *) break ;;
    esac
    shift
done
out=${1:-docs/$window$suffix.png}
./scripts/debian-packages.sh screenshot
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQMB_BUILD_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target qmbpro

work=$(mktemp -d)
trap 'kill $app $screen 2>/dev/null || true; rm -rf "$work"' EXIT
display=:$((90 + $$ % 9))
Xvfb "$display" -screen 0 $((640 * scale))x$((300 * scale))x24 -nolisten tcp >/dev/null 2>&1 &
screen=$!
sleep 1
mkdir -m 700 "$work/runtime"
DISPLAY=$display LANG=$lang LANGUAGE= QT_SCALE_FACTOR=$scale XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime \
    ./build/app/qmbpro --demo &
app=$!
sleep 3
mkdir -p "$(dirname "$out")"
on() { DISPLAY=$display xdotool "$@"; }
shoot() { DISPLAY=$display import -window "$(on getwindowfocus)" "$1"; }
named() { echo "$(dirname "$out")/password-$1$suffix.png"; }
box=331
[ "$lang" = C.UTF-8 ] || box=315
if [ "$window" = site-setting ]; then
    # A password and a sign-in through the web-site box, then a site's ID
    # and password through the box's menu ("Enroll ( Moidfy ) Site"), then
    # the same site again.
    enrol() { on mousemove 300 190 click 3 sleep 1 key Down Down Down Down Down Down Return sleep 2; }
    on mousemove 193 110 click 1 sleep 1 mousemove $box 110 click 1 sleep 2
    on type abc1
    on key Tab type abc1
    eval "$(on getwindowfocus getwindowgeometry --shell)"
    on mousemove $((X + 216)) $((Y + 35)) click 1 sleep 1 mousemove $((X + 216)) $((Y + 93)) click 1
    on sleep 1 mousemove $box 110 click 1 sleep 2 type abc1
    on key Return sleep 2
    enrol
    eval "$(on getwindowfocus getwindowgeometry --shell)"
    on mousemove $((X + 150)) $((Y + 36)) click 1 type Mail
    on mousemove $((X + 168)) $((Y + 78)) click 1 type mailuser
    on mousemove $((X + 306)) $((Y + 60)) click 1 sleep 1
    on mousemove $((X + 168)) $((Y + 120)) click 1 type pw123
    on mousemove $((X + 306)) $((Y + 104)) click 1 sleep 1 mousemove $((X + 341)) $((Y + 148)) click 1 sleep 1
    # Chosen in the box's site list, the site is found complete.
    on mousemove 448 131 click 1 sleep 1 key Home Return sleep 2
    enrol
    shoot "$out"
    echo "wrote $out"
    exit 0
fi
if [ "$window" = password ]; then
    # "Function" makes the web-site box usable; ticking it on a mouse
    # without a password opens the password dialog.
    on mousemove 193 110 click 1 sleep 1 mousemove $box 110 click 1
    sleep 2
    shoot "$(named setting)"
    eval "$(on getwindowfocus getwindowgeometry --shell)"
    # A first password, typed twice and saved; then the short layout.
    on type abc1
    on key Tab type abc1
    on mousemove $((X + 216)) $((Y + 35)) click 1 sleep 1 mousemove $((X + 216)) $((Y + 58)) click 1
    sleep 1
    shoot "$(named short)"
    on mousemove $((X + 216)) $((Y + 93)) click 1 sleep 1 mousemove $box 110 click 1
    sleep 2
    shoot "$(named sign-in)"
    echo "wrote $(named setting), $(named short), $(named sign-in)"
    exit 0
fi
if [ "$window" = control-box ] || [ "$window" = control-box-2x ]; then
    # The control box, 400 x 111, in the middle of the screen.
    DISPLAY=$display import -window root -crop $((400 * scale))x$((111 * scale))+$((120 * scale))+$((94 * scale)) \
        +repage "$out"
else
    # The buttons on the control box, at a point inside them in either
    # language's layout: "Edit", or "Function" (the sequence waits for
    # function mode) and then "Sequence". Then the window that opened.
    if [ "$window" = button-editing ]; then
        DISPLAY=$display xdotool mousemove 420 109 click 1
    else
        DISPLAY=$display xdotool mousemove 193 110 click 1 sleep 1 mousemove 290 109 click 1
    fi
    sleep 2
    DISPLAY=$display import -window "$(DISPLAY=$display xdotool getwindowfocus)" "$out"
fi
echo "wrote $out"
