#!/usr/bin/env bash
# Runs the install script into a staging folder and checks what it placed.
# Usage: install_test.sh INSTALL_SCRIPT   (with BUILD_DIR and DESTDIR set)
set -euo pipefail
install_script="$1"
prefix=/opt/korvu-n63k
rm -rf "$DESTDIR"
PREFIX="$prefix" "$install_script" >/dev/null

fail() { echo "install test: $*" >&2; exit 1; }
root="$DESTDIR"
program="$BUILD_DIR/program"
cmp -s "$program/Profile/Profile1.cfg" "$root$prefix/Profile/Profile1.cfg" || fail "program folder not copied"
[ -f "$root$prefix/Language/en.xml" ] || fail "language files not copied"
[ -f "$root$prefix/skins/Main_Normal.bmp" ] || fail "skins not copied"
for tool in N63KDriver n63kctl; do
  [ -x "$root$prefix/$tool" ] || fail "$tool not installed"
  # The links name the installed place, without the staging folder.
  [ "$(readlink "$root/usr/local/bin/$tool")" = "$prefix/$tool" ] || fail "$tool not linked"
done
"$root$prefix/n63kctl" --help >/dev/null || fail "installed n63kctl does not run"
rule="$root/etc/udev/rules.d/70-korvu-n63k.rules"
cmp -s "$program/70-korvu-n63k.rules" "$rule" || fail "udev rule not installed"
[ "$(stat -c %a "$rule")" = 644 ] || fail "udev rule mode $(stat -c %a "$rule")"
share="$root/usr/local/share"
for file in applications/N63KDriver.desktop metainfo/com.korvu.N63KDriver.metainfo.xml \
  bash-completion/completions/n63kctl icons/hicolor/48x48/apps/N63KDriver.png \
  icons/hicolor/256x256/apps/N63KDriver.png man/man1/n63kctl.1; do
  [ -f "$share/$file" ] || fail "$file not installed"
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$share/applications/N63KDriver.desktop" || fail "menu entry not valid"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$share/metainfo/com.korvu.N63KDriver.metainfo.xml" \
    >/dev/null || fail "AppStream data not valid"
fi
grep -q '^\.SS set button' "$share/man/man1/n63kctl.1" || fail "manual page lacks the commands"
echo "install test: passed"
