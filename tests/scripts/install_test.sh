#!/usr/bin/env bash
# Runs the install script into a scratch folder and checks what it placed.
set -euo pipefail
install_script="$1"
rm -rf "$PREFIX" "$BINDIR" "$UDEV_RULES_DIR"
"$install_script" >/dev/null

fail() { echo "install test: $*" >&2; exit 1; }
cmp -s "$PROGRAM_DIR/Profile/Profile1.cfg" "$PREFIX/Profile/Profile1.cfg" || fail "program folder not copied"
[ -f "$PREFIX/Language/en.xml" ] || fail "language files not copied"
[ "$(readlink "$BINDIR/n63kctl")" = "$PREFIX/n63kctl" ] || fail "n63kctl not linked"
"$BINDIR/n63kctl" --help >/dev/null || fail "installed n63kctl does not run"
rule="$UDEV_RULES_DIR/70-korvu-n63k.rules"
cmp -s "$PROGRAM_DIR/70-korvu-n63k.rules" "$rule" || fail "udev rule not installed"
[ "$(stat -c %a "$rule")" = 644 ] || fail "udev rule mode $(stat -c %a "$rule")"
echo "install test: passed"
