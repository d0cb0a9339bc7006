#!/bin/bash
# SPDX-FileCopyrightText: 2026 The QMBPro developers
# SPDX-License-Identifier: MIT
# qmbctl's bash completion offers the commands, options and words qmbctl
# takes at each place of a command line.
# Usage: check_completion.sh COMPLETION_SCRIPT QMBCTL
set -u
source "$1"
PATH=$(dirname "$2"):$PATH
failures=0

# completes "WORDS..." EXPECTED: the words offered for the last word typed.
completes() {
    read -r -a COMP_WORDS <<<"$1"
    [[ $1 == *' ' ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _qmbctl
    if [[ "${COMPREPLY[*]}" != "$2" ]]; then
        echo "FAIL: '$1' offered '${COMPREPLY[*]}', not '$2'" >&2
        failures=$((failures + 1))
    fi
}

completes "qmbctl se" "set sequence"
completes "qmbctl --" "--demo --model --trace --help --version"
completes "qmbctl --model " "0 1 2 3 4"
completes "qmbctl --demo --model 1 st" "status"
completes "qmbctl status " "--json --help"
completes "qmbctl set --mode " "button function"
completes "qmbctl set --interval 0 --auto-click " "on off"
completes "qmbctl set --t" "--target"
completes "qmbctl buttons set right left " "left right wheel 4 5"
completes "qmbctl buttons set right left wheel 4 5 " ""
completes "qmbctl key wheel" "wheel-up wheel-down"
completes "qmbctl --demo key wheel-down cop" "Copy"
completes "qmbctl sequence set --style " "continue-value toggle continue"
completes "qmbctl sequence set --count " ""
completes "qmbctl password short " "set delete"
completes "qmbctl site s" "select set-id set-password"
completes "qmbctl site title 3" "3 30 31"
completes "qmbctl site list " "--json"
completes "qmbctl raw " "04 08"
completes "qmbctl re" "restore"
completes "qmbctl restore mouse.json --d" "--dry-run"

# A name of two words, its space typed escaped as bash keeps it.
COMP_WORDS=(qmbctl key 4 'select\ a')
COMP_CWORD=3
_qmbctl
[[ "${COMPREPLY[*]}" == 'Select\ All' ]] || { echo "FAIL: 'select\ a' offered '${COMPREPLY[*]}'" >&2; failures=$((failures + 1)); }

((failures == 0)) || exit 1
echo "every completion offered what qmbctl takes there"
