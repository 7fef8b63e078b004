#!/usr/bin/env bash
# Builds the fuzz targets (preset "fuzz": clang 14 with libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs each in turn for
# SECONDS (default 60). Not part of the test suite.
# Usage: tests/fuzz/run_fuzz.sh [SECONDS] [TARGET...]   (default: every target)
# Targets: xml_reader profile_record profile_table macro_file stats_file
#          ini_file report_descriptor update_manifest macro_text
# Seeds come from the program's own defaults (n63kctl defaults, a data folder
# edited with n63kctl, the shipped data files) and tests/fuzz/seeds. Inputs
# found go to build-fuzz/corpus/TARGET; a crash, hang or sanitizer report
# ends that target's run and leaves its input in build-fuzz/artifacts/. Once
# mended, the input belongs in tests/fuzz/regressions/TARGET, which the
# ordinary test suite replays.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${1:-60}"
shift || true
all=(xml_reader profile_record profile_table macro_file stats_file ini_file report_descriptor
  update_manifest macro_text)
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=("${all[@]}")
for target in "${targets[@]}"; do
  [[ " ${all[*]} " == *" $target "* ]] || { echo "no fuzz target $target" >&2; exit 2; }
done

./scripts/deps clang-14 libclang-rt-14-dev
./scripts/build fuzz n63kctl "${targets[@]/#/fuzz_}"
out=build-fuzz
mkdir -p "$out/corpus" "$out/artifacts"

# The targets that go through files work below TMPDIR: in memory when it can.
scratch_root=/dev/shm
[ -d "$scratch_root" ] && [ -w "$scratch_root" ] || scratch_root="${TMPDIR:-/tmp}"
scratch=$(mktemp -d "$scratch_root/n63k-fuzz.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# Seeds from the program itself: the defaults in both languages, and a data
# folder with macros imported, exported and played by buttons, and settings
# changed as a user changes them.
seeds="$out/seeds"
rm -rf "$seeds"
mkdir -p "$seeds"
ctl() { ASAN_OPTIONS=detect_leaks=0 "$out/program/n63kctl" "$@" >/dev/null; }
ctl defaults "$seeds/defaults"
ctl defaults --chinese "$seeds/defaults-zh"
data="$seeds/data"
ctl defaults "$data"
ids=()
for text in tests/fuzz/seeds/macro_text/*.txt; do
  ids+=("$(ASAN_OPTIONS=detect_leaks=0 "$out/program/n63kctl" --data "$data" macros --import "$text")")
done
mkdir -p "$seeds/macro_text"
for id in "${ids[@]}"; do
  ctl --data "$data" macros --export "$id" "$seeds/macro_text/$id.txt"
done
ctl --data "$data" set button forward "macro:${ids[0]}"
ctl --data "$data" set button back "macro:${ids[1]}"
ctl --data "$data" set button middle keys:ctrl+shift+A
ctl --data "$data" set button wheel-up program:/usr/bin/true
ctl --data "$data" set dpi 500,3250,7000
ctl --data "$data" set scroll screen
ctl --data "$data" set lighting --mode colour-cycle --multicolour on --colour 1=#00FF00 \
  2=palette:25 --cycle-speed 3
ctl --data "$data" --profile 3 set rate 125
ctl --data "$data" --profile 3 set lighting --mode breathing --colour '#123456' --breathing-speed 5

seeds_of() {
  case "$1" in
    xml_reader) echo data/Language ;;
    profile_record) echo "$seeds"/defaults*/Profile/Profile1.cfg "$data"/Profile/Profile*.cfg ;;
    profile_table) echo "$seeds"/defaults/Profile/ConfigInfo.cfg "$data"/Profile/ConfigInfo.cfg ;;
    macro_file) echo "$data/Macro.cfg" ;;
    stats_file) echo "$seeds/defaults/Sts.cfg" ;;
    ini_file) echo data/skins/languagetype.ini ;;
    macro_text) echo "$seeds/macro_text" ;;
  esac
}
# Long enough for a whole file of each kind, except the macro table, whose
# first slots are enough.
max_len_of() {
  case "$1" in
    profile_record) echo 22300 ;;
    profile_table) echo 8100 ;;
    macro_file) echo 16416 ;;
    stats_file) echo 64 ;;
    xml_reader) echo 65536 ;;
    *) echo 4096 ;;
  esac
}

failed=()
for target in "${targets[@]}"; do
  echo "== $target: $seconds s"
  inputs=(tests/fuzz/seeds/"$target" tests/fuzz/regressions/"$target")
  existing=()
  for input in "${inputs[@]}"; do [ -e "$input" ] && existing+=("$input"); done
  options=()
  [ "$target" = xml_reader ] && options+=(-dict=tests/fuzz/xml.dict)
  mkdir -p "$out/corpus/$target" "$seeds/$target"
  # libFuzzer takes folders: the generated seeds go into one, numbered, since
  # several share a name.
  n=0
  for file in $(find $(seeds_of "$target") -type f); do
    cp "$file" "$seeds/$target/$((n += 1))-$(basename "$file")"
  done
  if ! TMPDIR="$scratch" "$out/fuzz/fuzz_$target" "$out/corpus/$target" "$seeds/$target" \
    "${existing[@]}" "${options[@]}" -max_total_time="$seconds" -timeout=10 \
    -max_len="$(max_len_of "$target")" -rss_limit_mb=4096 \
    -artifact_prefix="$out/artifacts/$target-" -print_final_stats=1; then
    failed+=("$target")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "faults found by: ${failed[*]} (inputs in $out/artifacts/)" >&2
  exit 1
fi
echo "no faults found"
