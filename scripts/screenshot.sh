#!/bin/sh
# Takes the README's picture of the control box: QMBPro with the demo mouse
# on a virtual screen without a tray, where it shows its control box.
# Usage: screenshot.sh [--korean] [output.png]
set -eu
cd "$(dirname "$0")/.."
lang=C.UTF-8
if [ "${1:-}" = "--korean" ]; then
    lang=ko_KR.UTF-8
    shift
fi
out=${1:-docs/control-box.png}
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
DISPLAY=$display import -window root -crop 400x111+120+94 +repage "$out"
echo "wrote $out"
