# SPDX-FileCopyrightText: 2026 The QMBPro developers
# SPDX-License-Identifier: MIT

# bash completion for qmbctl                              -*- shell-script -*-
# Plain bash: nothing from the bash-completion package is needed to load it.

_qmbctl_words()
{
    COMPREPLY=($(compgen -W "$1" -- "$2"))
}

# The functions an input can be given, by name, as `qmbctl functions` lists
# them; names of several words come back quoted as one, and are matched as
# typed, backslashes and all.
_qmbctl_functions()
{
    local program=$1 current=${2//\\/} name
    local -a names=()
    while read -r _ name; do
        name=${name%%  *}
        [[ -n $name ]] && names+=("$name")
    done < <("$program" --demo functions 2>/dev/null)
    COMPREPLY=()
    for name in "${names[@]}"; do
        [[ ${name,,} == "${current,,}"* ]] && COMPREPLY+=("$(printf '%q' "$name")")
    done
}

_qmbctl()
{
    local current=${COMP_WORDS[COMP_CWORD]}
    local previous=${COMP_WORDS[COMP_CWORD - 1]}
    local commands="status set buttons functions key sequence password sign-in sign-out site backup restore raw watch -"
    local sites="$(echo {1..31})"

    # The command is the first word after the global options.
    local at=1
    while ((at < COMP_CWORD)); do
        case ${COMP_WORDS[at]} in
        --demo | --trace) ((at++)) ;;
        --model) ((at += 2)) ;;
        *) break ;;
        esac
    done
    if ((at >= COMP_CWORD)); then
        case $previous in
        --model) _qmbctl_words "0 1 2 3 4" "$current" ;;
        *) _qmbctl_words "--demo --model --trace --help --version $commands" "$current" ;;
        esac
        return
    fi

    local command=${COMP_WORDS[at]}
    local sub=${COMP_WORDS[at + 1]}
    local position=$((COMP_CWORD - at))
    case $command in
    status | functions) _qmbctl_words "--json --help" "$current" ;;
    set)
        case $previous in
        --mode) _qmbctl_words "button function" "$current" ;;
        --resolution) _qmbctl_words "$(echo {1..11})" "$current" ;;
        --interval) _qmbctl_words "$(echo {0..7})" "$current" ;;
        --auto-click) _qmbctl_words "on off" "$current" ;;
        --target) _qmbctl_words "right 4 5" "$current" ;;
        *) _qmbctl_words "--mode --resolution --interval --auto-click --target --help" "$current" ;;
        esac
        ;;
    buttons)
        if ((position == 1)); then
            _qmbctl_words "set reset --json --help" "$current"
        elif [[ $sub == set ]] && ((position <= 6)); then
            _qmbctl_words "left right wheel 4 5" "$current"
        fi
        ;;
    key)
        if ((position == 1)); then
            _qmbctl_words "right 4 5 wheel-up wheel-down --help" "$current"
        elif ((position == 2)); then
            _qmbctl_functions "${COMP_WORDS[0]}" "$current"
        fi
        ;;
    sequence)
        if ((position == 1)); then
            _qmbctl_words "set --json --help" "$current"
        elif [[ $sub == set ]]; then
            case $previous in
            --target) _qmbctl_words "right 4 5" "$current" ;;
            --apply-button) _qmbctl_words "left right" "$current" ;;
            --style) _qmbctl_words "continue-value toggle continue" "$current" ;;
            --use-cycle) _qmbctl_words "on off" "$current" ;;
            --count | --on | --off | --cycle) ;;
            *) _qmbctl_words "--target --count --on --off --cycle --apply-button --style --use-cycle" "$current" ;;
            esac
        fi
        ;;
    password)
        if ((position == 1)); then
            _qmbctl_words "status set short --help" "$current"
        elif [[ $sub == short ]] && ((position == 2)); then
            _qmbctl_words "set delete" "$current"
        elif [[ $sub == status ]] && ((position == 2)); then
            _qmbctl_words "--json" "$current"
        fi
        ;;
    site)
        if ((position == 1)); then
            _qmbctl_words "list select title set-id set-password delete-id delete-password --help" "$current"
        elif [[ $sub == list ]] && ((position == 2)); then
            _qmbctl_words "--json" "$current"
        elif [[ $sub != list ]] && ((position == 2)); then
            _qmbctl_words "$sites" "$current"
        fi
        ;;
    backup)
        ((position == 1)) && COMPREPLY=($(compgen -f -- "$current"))
        ;;
    restore)
        if [[ $current == -* ]]; then
            _qmbctl_words "--dry-run --json --help" "$current"
        else
            COMPREPLY=($(compgen -f -- "$current"))
        fi
        ;;
    raw)
        ((position == 1)) && _qmbctl_words "04 08" "$current"
        ;;
    sign-in | sign-out | watch) ((position == 1)) && _qmbctl_words "--help" "$current" ;;
    esac
}

complete -F _qmbctl qmbctl
