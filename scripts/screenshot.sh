#!/bin/sh
# Takes the README's pictures: QMBPro with the demo mouse on a virtual
# screen without a tray, where it shows its control box; with --buttons or
# --sequence, the dialog opened from it.
# Usage: screenshot.sh [--korean] [--buttons|--sequence] [output.png]
set -eu
cd "$(dirname "$0")/.."
lang=C.UTF-8
window=control-box
while [ $# -gt 0 ]; do
    case "$1" in
    --korean) lang=ko_KR.UTF-8 ;;
    --buttons) window=button-editing ;;
    --sequence) window=sequence-setting ;;
    *) break ;;
    esac
    shift
done
out=${1:-docs/$window.png}
./scripts/debian-packages.sh screenshot
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQMB_BUILD_BENCH=OFF >/dev/null
cmake --build build -j"$(nproc)" --target qmbpro

work=$(mktemp -d)
trap 'kill $app $screen 2>/dev/null || true; rm -rf "$work"' EXIT
display=:$((90 + $$ % 9))
Xvfb "$display" -screen 0 640x300x24 -nolisten tcp >/dev/null 2>&1 &
screen=$!
sleep 1
mkdir -m 700 "$work/runtime"
DISPLAY=$display LANG=$lang LANGUAGE= XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/runtime \
    ./build/app/qmbpro --demo &
app=$!
sleep 3
mkdir -p "$(dirname "$out")"
if [ "$window" = control-box ]; then
    # The control box, 400 x 111, in the middle of the screen.
    DISPLAY=$display import -window root -crop 400x111+120+94 +repage "$out"
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
