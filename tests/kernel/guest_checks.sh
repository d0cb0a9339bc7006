# SPDX-FileCopyrightText: 2026 The QMBPro developers
# SPDX-License-Identifier: MIT

# Runs qmbctl against qmb-virtual-mouse through the kernel's uhid and hidraw,
# inside the test guest. Prints the success line only when every check held.

# The session's runtime directory, where the programs note their
# exchanges for a watcher to tell their replies from the mouse's news.
export XDG_RUNTIME_DIR=/tmp/runtime
mkdir -m 700 -p "$XDG_RUNTIME_DIR"

failures=0
mouse_pid=
model=0
password_first_half="04 05 06 07 08 09"
password_second_half="0A 0B 0C 0D 0E 0F"

check() {
    what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAIL: $what"
        failures=$((failures + 1))
    fi
}

# FILE LINE: the file holds exactly this line.
has_line() { grep -qxF -- "$2" "$1"; }
# FILE: neither half of the password appears in the file.
lacks_password() { ! grep -qF -e "$password_first_half" -e "$password_second_half" "$1"; }
# TENTHS COMMAND...: true as soon as the command is, polled every 0.1 s.
within() {
    tenths=$1
    shift
    while ! "$@"; do
        [ "$tenths" -le 0 ] && return 1
        tenths=$((tenths - 1))
        sleep 0.1
    done
}

# ARGS...: qmbctl with the current model; its output in /tmp/out, its
# errors and trace in /tmp/err, its exit status in $status.
ctl() {
    qmbctl --model "$model" --trace "$@" >/tmp/out 2>/tmp/err
    status=$?
}
succeeded() { [ "$status" -eq 0 ]; }
replied() { succeeded && has_line /tmp/out "$1"; }

mouse_node_count() {
    grep -l "HID_ID=0003:00000095:0000$1" /sys/class/hidraw/hidraw*/device/uevent 2>/dev/null | wc -l
}
node_count_is() { [ "$(mouse_node_count "$1")" -eq "$2" ]; }

# MODEL PRODUCT: the virtual mouse plugged in, its trace in /tmp/mouse.trace.
plug_mouse() {
    qmb-virtual-mouse --model "$1" --trace >>/tmp/mouse.out 2>>/tmp/mouse.trace &
    mouse_pid=$!
    within 50 node_count_is "$2" 1
}
unplug_mouse() {
    kill -TERM "$mouse_pid"
    wait "$mouse_pid"
}

# Prints the verdict, and on failure what the programs and the kernel said.
finish() {
    if [ "$failures" -eq 0 ]; then
        echo "KERNEL TIER: ALL CHECKS PASSED"
        exit 0
    fi
    echo "KERNEL TIER: $failures CHECKS FAILED"
    for log in /tmp/out /tmp/err /tmp/mouse.out /tmp/mouse.trace /tmp/watch.out /tmp/watch.err /tmp/replug.out; do
        echo "--- $log"
        cat "$log" 2>/dev/null
    done
    echo "--- kernel messages"
    dmesg | tail -n 30
    exit 1
}

echo "== plugged in"
check "the virtual mouse comes up as one hidraw node of 0095:C048" plug_mouse 0 C048
[ "$failures" -eq 0 ] || finish
node=$(grep -l "HID_ID=0003:00000095:0000C048" /sys/class/hidraw/hidraw*/device/uevent | head -n 1)
check "its name is the mouse's" grep -qx "HID_NAME=VELD QMB" "$node"

echo "== discovery of each collection by its report id"
ctl raw 04 FF CA
check "report id 4 reaches the status collection" replied "04 CA 01 03 01 00 01 00"
check "qmbctl traced the exchange" has_line /tmp/err "> 04 FF CA 00 00 00 00 00"
ctl raw 08 F5
check "report id 8 reaches the memory collection" replied "08 F5 F0 00 00 00 00 00 00"
check "the mouse received the report-id-8 request" has_line /tmp/mouse.trace "> 08 F5 00 00 00 00 00 00 00"

echo "== status"
ctl status
check "status succeeds" succeeded
check "status shows the factory resolution" has_line /tmp/out "resolution:  3 (1600 dpi)"
check "status shows button mode" has_line /tmp/out "mode:        button"

echo "== set"
ctl set --resolution 2 --interval 3 --auto-click on --target 4
check "set succeeds" succeeded
check "set shows the new resolution" has_line /tmp/out "resolution:  2 (800 dpi)"
check "the mouse received the status write" has_line /tmp/mouse.trace "> 04 CA 01 02 03 00 82 00"
check "the mouse answered it" has_line /tmp/mouse.trace "< 04 CA 01 02 03 00 82 00"
ctl status --json
check "the mouse keeps the new values" grep -q '"autoClick":true,.*"interval":3,.*"resolution":2' /tmp/out

echo "== memory through raw"
ctl raw 08 0B 01 02 03 04 05 06
check "a function-key write is answered with the stored bytes" replied "08 0B 01 02 03 04 05 06 00"
ctl raw 08 FF 0B
check "the bytes read back" replied "08 FF 01 02 03 04 05 06 00"
ctl raw 08 0C 01
check "a write off the grid is refused" replied "08 00 00 00 00 00 00 00 00"

echo "== sign-in"
printf '%s\n' \
    "raw 08 2F $password_first_half" "raw 08 35 $password_second_half" \
    "raw 08 F1 $password_first_half" "raw 08 F2 $password_second_half" \
    "raw 08 F1 $password_first_half" "raw 08 F2 0A 0B 0C 0D 0E 10" | ctl -
check "the password script runs" succeeded
check "a sign-in with the password is accepted" has_line /tmp/out "08 CA 01 02 03 00 C2 00 00"
check "a sign-in with a wrong password is refused" has_line /tmp/out "08 00 ** ** ** ** ** ** **"
check "the mouse saw the sign-in masked" has_line /tmp/mouse.trace "> 08 F2 ** ** ** ** ** ** **"
check "the mouse's trace holds no password" lacks_password /tmp/mouse.trace
check "qmbctl's trace holds no password" lacks_password /tmp/err
ctl status
check "the refusal left the session open" has_line /tmp/out "web-site:    on"

echo "== backup and restore"
uptime_ms() { awk '{ printf "%d", $1 * 1000 }' /proc/uptime; }
started=$(uptime_ms)
ctl backup /tmp/backup.json
check "backup succeeds" succeeded
echo "guest: backup took $(($(uptime_ms) - started)) ms"
check "the backup is its owner's alone" [ "$(stat -c %a /tmp/backup.json)" = 600 ]
ctl buttons set right left wheel 4 5
ctl key wheel-down copy
ctl sequence set --count 50 --style toggle
ctl set --resolution 1 --interval 0
started=$(uptime_ms)
ctl restore /tmp/backup.json
check "restore succeeds" succeeded
echo "guest: restore of every kind of setting took $(($(uptime_ms) - started)) ms"
check "restore tells what it changed" grep -qx "button left: right -> left" /tmp/out
ctl restore /tmp/backup.json
check "a second restore has nothing to change" has_line /tmp/out "nothing to change"
check "nor did it send any" sh -c '! grep -q "^> 04 CA\|^> 04 C5\|^> 08 29" /tmp/err'
ctl status
check "web-site mode stayed on" has_line /tmp/out "web-site:    on"

echo "== watch"
qmbctl --model "$model" watch >/tmp/watch.out 2>/tmp/watch.err &
watch_pid=$!
check "watch finds the mouse" within 50 grep -q "^mouse found: " /tmp/watch.out
kill -USR1 "$mouse_pid"
check "watch sees the reset pattern" within 50 grep -qx \
    "reset to defaults: button mode, resolution 3 (1600 dpi), interval 2 msec, auto-click off (target right button), web-site off" \
    /tmp/watch.out
kill -USR2 "$mouse_pid"
check "watch sees the mode switch" within 50 grep -q "^status: function mode" /tmp/watch.out
check "the unplugged mouse ends cleanly" unplug_mouse
check "its hidraw node is gone" node_count_is C048 0
check "watch sees the mouse gone" within 50 grep -qx "mouse gone" /tmp/watch.out
check "the mouse plugs in again" plug_mouse 0 C048
check "watch finds it again" within 50 sh -c '[ "$(grep -c "^mouse found: " /tmp/watch.out)" -eq 2 ]'
kill -TERM "$watch_pid"
wait "$watch_pid"
check "watch ends on SIGTERM with status 0" [ $? -eq 0 ]
unplug_mouse

echo "== watch asleep on the mouse, which goes and comes back"
check "watch tells it gone within 100 ms of its node going, found within 500 ms of its coming" \
    sh -c 'watch_replug_check /bin/qmbctl /bin/qmb-virtual-mouse >/tmp/replug.out'
sed 's/^/guest: /' /tmp/replug.out

echo "== programs side by side"
# Three runs and a watcher share a mouse at its factory settings, whose
# status reply is the reset pattern. Between status queries each run reads
# a function key whose bytes name the run.
check "a mouse at its factory settings" plug_mouse 0 C048
printf 'raw 08 %s %s %s %s %s %s %s\n' 0B 01 01 01 01 01 01 11 02 02 02 02 02 02 17 03 03 03 03 03 03 |
    qmbctl - >/dev/null
qmbctl watch >/tmp/watch.out 2>/tmp/watch.err &
watch_pid=$!
check "watch finds the mouse" within 50 grep -q "^mouse found: " /tmp/watch.out
for run in 1 2 3; do
    key=$(echo 0B 11 17 | cut -d ' ' -f "$run")
    awk -v key="$key" 'BEGIN { for (i = 0; i < 50; i++) print "raw 04 FF CA\nraw 08 FF " key }' |
        qmbctl - >/tmp/side$run.out 2>/tmp/side$run.err &
    eval "run$run=\$!"
done
exits=
taken=0
for run in 1 2 3; do
    eval "wait \$run$run"
    exits="$exits$?"
    taken=$((taken + $(awk -v own="08 FF 0$run 0$run 0$run 0$run 0$run 0$run 00" \
        '$0 == (NR % 2 ? "04 CA 01 03 01 00 01 00" : own) { good++ } END { print 100 - good }' /tmp/side$run.out)))
done
sleep 0.5
kill -TERM "$watch_pid"
wait "$watch_pid"
resets=$(grep -c "^reset to defaults" /tmp/watch.out)
echo "guest: side by side: $taken of 300 replies taken by the wrong run, $resets false resets, exits $exits"
check "every run printed its own replies" [ "$taken" -eq 0 ]
check "the watcher saw no reset" [ "$resets" -eq 0 ]
check "no run failed" [ "$exits" = 000 ]
unplug_mouse

echo "== a password set while another program asks for the status"
false_saved=0
for trial in 1 2 3 4; do
    check "a mouse without a password" plug_mouse 0 C048
    (while :; do qmbctl raw 04 FF CA >/dev/null 2>&1; done) &
    asker=$!
    printf 'password set\nAbc123\nAbc123\n' | qmbctl - >/tmp/out 2>/tmp/err
    set_status=$?
    kill "$asker"
    wait "$asker"
    # Said saved, the typed password must be the one the mouse takes.
    if [ "$set_status" -eq 0 ] && ! printf 'sign-in\nAbc123\n' | qmbctl - >/dev/null 2>&1; then
        false_saved=$((false_saved + 1))
    fi
    unplug_mouse
done
echo "guest: password set beside status queries: $false_saved of 4 said saved but not taken"
check "a password said saved is the one the mouse took" [ "$false_saved" -eq 0 ]

echo "== the eleven-step model"
check "model 1 comes up as 0095:C049" plug_mouse 1 C049
model=1
ctl status
check "qmbctl --model 1 finds it with its eleven steps" has_line /tmp/out "resolution:  3 (375 dpi)"
model=0
ctl status
check "qmbctl --model 0 does not take it for its mouse" [ "$status" -eq 1 ]
check "and says so" grep -q "no mouse found" /tmp/err
unplug_mouse

finish
