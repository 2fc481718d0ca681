#!/usr/bin/env bash
# Drives trelkin-cli's bash completion as bash would while a line is typed, and checks what it offers.
#   check_completion.sh COMPLETION_FILE
set -u
source /usr/share/bash-completion/bash_completion
source "$1"
cd "$(mktemp -d)" || exit 1
mkdir data
touch prepare.txt

failures=0
# offers "LINE" EXPECTED...: completing the last word of LINE offers exactly the EXPECTED words.
offers() {
    local line=$1
    shift
    read -ra COMP_WORDS <<<"$line"
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE=$line
    COMP_POINT=${#line}
    COMPREPLY=()
    _trelkin_cli trelkin-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    local got expected
    got=$(printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ')
    expected=$(printf '%s\n' "$@" | sort | tr '\n' ' ')
    if [ "$got" != "$expected" ]; then
        echo "check_completion: '$line' offered '$got', not '$expected'" >&2
        failures=$((failures + 1))
    fi
}

offers "trelkin-cli se" set-search
offers "trelkin-cli --data-dir data we" weapon-tree weapon
offers "trelkin-cli set-search --s" --skill --sex
offers "trelkin-cli set-search --sex " 男 女 any
offers "trelkin-cli set-search --class " 剣士 ガンナー any
offers "trelkin-cli set-search --min-each " off
offers "trelkin-cli armour --slot " 全て 頭 胴 腕 腰 脚
offers "trelkin-cli report --slot " 頭 胴 腕 腰 脚
offers "trelkin-cli pack --cp932 prep" prepare.txt
offers "trelkin-cli --data-dir d" data
offers "trelkin-cli li" lint
offers "trelkin-cli lint --data-dir d" data
exit $((failures > 0))
