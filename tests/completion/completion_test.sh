#!/bin/bash
# The bash completion of tarvelo-cli, driven as bash drives it: each line typed so far
# against the words it must offer.
set -u
bin=$1
source /usr/share/bash-completion/bash_completion
source "$(dirname "$0")/../../resources/completion/tarvelo-cli"
PATH=$bin:$PATH
failures=0

offered() {
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE="$*"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _tarvelo_cli tarvelo-cli "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}"
    echo "${COMPREPLY[*]}"
}

expect() {
    local wanted=$1
    shift
    local got
    got=$(offered "$@")
    if [[ " $got " != *" $wanted "* ]]; then
        echo "FAIL: '$*' offers '$got', not '$wanted'"
        failures=$((failures + 1))
    fi
}

refuse() {
    local unwanted=$1
    shift
    local got
    got=$(offered "$@")
    if [[ " $got " == *" $unwanted "* ]]; then
        echo "FAIL: '$*' offers '$unwanted'"
        failures=$((failures + 1))
    fi
}

expect translate tarvelo-cli tr
expect analyze tarvelo-cli ''
expect --version tarvelo-cli --v
expect --source-language tarvelo-cli translate --source-l
expect --fail-on tarvelo-cli check --fa
refuse --fail-on tarvelo-cli translate --fa
expect sarif tarvelo-cli report --format ''
expect never tarvelo-cli check --fail-on ''
expect de-AT tarvelo-cli translate --target-language de-
expect zh-Hant tarvelo-cli check --source-language zh-H
refuse en-US tarvelo-cli check --source-language de
folder=$(mktemp -d)
touch "$folder/app.rc" "$folder/app_de.rc"
expect "$folder/app_de.rc" tarvelo-cli translate --target "$folder/app_"
rm -r "$folder"
if ((failures > 0)); then
    exit 1
fi
echo "every completion offered"
