#!/usr/bin/env bash
# Times `n63kctl --simulate apply` of the default profile with the real clock.
# Each run's wall time is set against the 1100 ms of pauses the mouse needs,
# and every gap of the run's trace against the pause that must come before it.
# Usage: benchmarks/apply_timing.sh [RUNS]   (N63KCTL names another n63kctl)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-5}"
n63kctl="${N63KCTL:-build/program/n63kctl}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# The least time before each traced transfer of the default profile: wake-up
# and seven buttons, key-matrix header to data and between its reports, after
# its last report, three feature reports, DPI header to data, after the data,
# pointer settings, report rate; then the closing pause.
mandated=(400 150 100 50 0 0 0 50 50 0 0)
closing=300
pauses=$closing
for p in "${mandated[@]}"; do pauses=$((pauses + p)); done

# The data folder is laid out before the timed runs, as after a first start.
env -u DISPLAY "$n63kctl" --data "$work/data" profiles >/dev/null

failed=0
walls=()
for run in $(seq 1 "$runs"); do
  start=$(date +%s%N)
  env -u DISPLAY "$n63kctl" --data "$work/data" --simulate apply --trace >"$work/trace"
  end=$(date +%s%N)
  wall=$(((end - start) / 1000000))
  walls+=("$wall")
  mapfile -t times < <(grep -E '^[0-9]+ (SET|GET|OUT|POINTER) ' "$work/trace" | cut -d' ' -f1)
  if [ "${#times[@]}" -ne "${#mandated[@]}" ]; then
    echo "run $run: ${#times[@]} transfers, expected ${#mandated[@]}"
    failed=1
    continue
  fi
  previous=0
  least=0
  for i in "${!times[@]}"; do
    least=$((least + mandated[i]))
    gap=$((times[i] - previous))
    # Trace times are whole milliseconds, so a gap may read 1 ms short; the
    # time since the start may not.
    if [ "$gap" -lt $((mandated[i] - 1)) ] || [ "${times[i]}" -lt "$least" ]; then
      echo "run $run: transfer $((i + 1)) at ${times[i]} ms, ${gap} ms after the one before; needs ${mandated[i]} ms"
      failed=1
    fi
    previous=${times[i]}
  done
  if [ "$wall" -lt $((previous + closing)) ]; then
    echo "run $run: ended ${wall} ms after the start, before the closing pause"
    failed=1
  fi
  echo "run $run: wall ${wall} ms, pauses ${pauses} ms, overhead $(((wall - pauses) * 1000 / pauses / 10)).$(((wall - pauses) * 1000 / pauses % 10)) %"
done

median=$(printf '%s\n' "${walls[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
permille=$(((median - pauses) * 1000 / pauses))
echo "median wall ${median} ms against ${pauses} ms of pauses: overhead $((permille / 10)).$((permille % 10)) %"
if [ "$permille" -ge 50 ]; then
  echo "overhead is 5 % or more"
  failed=1
fi
exit "$failed"
