#!/usr/bin/env bash
# Builds the Debian package, installs it into a fresh Debian 12 root made with
# debootstrap, and runs there what a user runs first: n63kctl on the simulated
# mouse, and the window program on it under Xvfb until its window shows.
# Slow (a few minutes) and needs Debian's package servers, so the suite
# leaves it out: run it by hand, as root or with sudo.
# Usage: tests/package/debian_root_test.sh [MIRROR]
set -euo pipefail
cd "$(dirname "$0")/../.."
mirror="${1:-http://deb.debian.org/debian}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

./scripts/deps debootstrap >&2
deb="$(realpath "$(./scripts/package)")"
root="$(mktemp -d "${TMPDIR:-/var/tmp}/n63k-debian.XXXXXX")"
cleanup() {
  $sudo umount "$root/proc" 2>/dev/null || true
  $sudo rm -rf "$root"
}
trap cleanup EXIT
fail() { echo "package test: $*" >&2; exit 1; }

echo "package test: making a Debian 12 root in $root" >&2
$sudo debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.log" 2>&1 ||
  { tail -n 20 "$root.log" >&2; fail "debootstrap failed"; }
rm -f "$root.log"
$sudo mount -t proc proc "$root/proc"
$sudo cp "$deb" "$root/tmp/korvu-n63k.deb"
in_root() { $sudo chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }
in_root apt-get update -q >/dev/null
# The package names everything it needs; the display is the test's own.
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
  /tmp/korvu-n63k.deb xvfb x11-utils >/dev/null || fail "the package did not install"

[ -x "$root/opt/korvu-n63k/N63KDriver" ] || fail "program folder missing"
[ -f "$root/lib/udev/rules.d/70-korvu-n63k.rules" ] || fail "udev rule missing"
[ -f "$root/usr/share/applications/N63KDriver.desktop" ] || fail "menu entry missing"
in_root n63kctl --simulate apply >/dev/null || fail "n63kctl --simulate apply failed"
in_root n63kctl show | grep -q . || fail "n63kctl show printed nothing"

# The window program on the simulated mouse: its window must show.
in_root sh -c '
  Xvfb :7 -nolisten tcp -noreset >/dev/null 2>&1 &
  xvfb=$!
  sleep 2
  DISPLAY=:7 N63K_DEVICE=simulated N63KDriver >/tmp/driver.log 2>&1 &
  driver=$!
  shown=1
  for _ in $(seq 60); do
    if DISPLAY=:7 xwininfo -root -tree | grep -q "Korvu N63K Gaming Mouse Driver"; then
      shown=0
      break
    fi
    sleep 0.5
  done
  kill "$driver" "$xvfb" 2>/dev/null
  wait "$driver" 2>/dev/null
  [ "$shown" = 0 ] || cat /tmp/driver.log >&2
  exit "$shown"
' || fail "the window program showed no window"
echo "package test: passed"
