#!/usr/bin/env bash
# Times the window program's start on the simulated mouse, from the process
# start to its main window shown, under a private Xvfb; then measures the idle
# program's resident memory and its CPU use over IDLE seconds.
# Usage: benchmarks/window_startup.sh [RUNS] [IDLE]   (defaults 5 and 60;
# N63KDRIVER names another build of the program)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-5}"
idle="${2:-60}"
./scripts/deps xdotool
program="${N63KDRIVER:-build/program/N63KDriver}"
if [ -z "${N63KDRIVER:-}" ]; then
  ./scripts/build default N63KDriver program_folder >/dev/null
fi
work="$(mktemp -d)"
xvfb=""
pid=""
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=":$(cat "$work/display")" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work"
export N63K_DEVICE=simulated
title="^Korvu N63K Gaming Mouse Driver\$"

# Sets `shown` to the milliseconds from the start to the window shown.
start_and_wait() {
  local start end
  start=$(date +%s%N)
  "$program" >/dev/null 2>&1 &
  pid=$!
  until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do sleep 0.005; done
  end=$(date +%s%N)
  shown=$(((end - start) / 1000000))
}
stop() {
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
}

# The first start lays out the data folder, as on a user's first day.
start_and_wait
stop

times=()
for run in $(seq 1 "$runs"); do
  start_and_wait
  times+=("$shown")
  [ "$run" -lt "$runs" ] && stop
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "start to window shown, ms (boot-loader check's 1000 ms included): ${times[*]}"
echo "  min ${sorted[0]}  median ${sorted[$((runs / 2))]}  max ${sorted[$((runs - 1))]}"

sleep 5
ticks() { awk '{print $14 + $15}' "/proc/$pid/stat"; }
before=$(ticks)
sleep "$idle"
after=$(ticks)
rss=$(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")
hz=$(getconf CLK_TCK)
echo "idle resident memory: $((rss / 1024)) MB"
awk -v t=$((after - before)) -v hz="$hz" -v s="$idle" \
  'BEGIN { printf "idle CPU over %d s: %.2f %% of one core\n", s, 100 * t / hz / s }'
