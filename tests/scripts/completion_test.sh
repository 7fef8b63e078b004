#!/usr/bin/env bash
# Completes command lines with the bash completion of n63kctl, asking the
# built tool, and checks the words offered.
# Usage: completion_test.sh COMPLETION_FILE PROGRAM_DIR
set -uo pipefail
source /usr/share/bash-completion/bash_completion
source "$1"
PATH="$2:$PATH"
compopt() { :; }  # only valid inside a real completion

failures=0
expect() {
  local offered="$1"
  shift
  COMP_WORDS=("$@")
  COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
  COMP_LINE="$*"
  COMP_POINT=${#COMP_LINE}
  COMPREPLY=()
  _n63kctl
  if [ "${COMPREPLY[*]}" != "$offered" ]; then
    echo "completing '$*': offered '${COMPREPLY[*]}', expected '$offered'"
    failures=$((failures + 1))
  fi
}

expect "set" n63kctl se
expect "button dpi speed precision sensor rate scroll lighting" n63kctl set ""
expect "left middle right forward back wheel-up wheel-down" n63kctl set button ""
expect "middle" n63kctl set button left mid
expect "show" n63kctl --profile 2 sh
expect "--help --profile --json" n63kctl show --
expect "--export" n63kctl macros --ex
expect "1 2 3 4 5" n63kctl --profile ""
# A function name that the tool lists.
expect "disable-key disable" n63kctl set button left disa
[ "$failures" -eq 0 ] && echo "completion test: passed"
exit "$failures"
