#!/usr/bin/env bash
# Writes the n63kctl manual page from the tool's own help, every command's
# included, so that it never disagrees with the tool.
# Usage: make-manpage.sh N63KCTL VERSION OUTPUT
set -euo pipefail
tool="$1" version="$2" output="$3"
include="$(mktemp)"
trap 'rm -f "$include"' EXIT

subcommands() {
  awk '/^Subcommands:/ { inside = 1; next } /^[^ ]/ { inside = 0 } inside && /^  [a-z]/ { print $1 }'
}

# Each command's help, its subcommands' after it.
describe() {
  local help sub
  help="$("$tool" "$@" --help)"
  printf '.SS %s\n.nf\n' "$*"
  sed -e 's/\\/\\e/g' -e 's/^\./\\\&./' <<<"$help"
  printf '.fi\n'
  for sub in $(subcommands <<<"$help"); do
    describe "$@" "$sub"
  done
}

{
  printf '[COMMANDS]\n'
  for command in $("$tool" --help | subcommands); do
    describe "$command"
  done
  cat <<'TEXT'
[FILES]
.TP
.I $XDG_DATA_HOME/KORVU/N63K
The data folder (profiles, macros, statistics, language), shared with the
window program N63KDriver.
[ENVIRONMENT]
.TP
.B N63K_DEVICE=simulated
Use the simulated mouse instead of a real one.
.TP
.B N63K_TRACE=FILE
Write every transfer to the mouse to FILE.
TEXT
} >"$include"

help2man --no-info --no-discard-stderr --version-string="$version" \
  --name="configure the Korvu N63K gaming mouse" --section=1 \
  --include="$include" --output="$output" "$tool"
