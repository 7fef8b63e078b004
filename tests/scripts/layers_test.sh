#!/usr/bin/env bash
# Fails when an include points the wrong way: core may use only the standard
# library, POSIX and iconv, and each core subsystem only those listed before
# it; platform, ui, cli and app may use core but core never them.
# Usage: layers_test.sh SRC_DIR
set -euo pipefail
src="$1"

# Lower subsystems first.
order=(base xml i18n buttons store macro lighting device stats firmware pages app)
rank() {
  local i
  for i in "${!order[@]}"; do
    if [ "${order[$i]}" = "$1" ]; then
      echo "$i"
      return
    fi
  done
  echo "unknown"
}

failures=0
fail() {
  echo "$1"
  failures=$((failures + 1))
}

while IFS= read -r file; do
  subsystem="${file#"$src"/core/}"
  subsystem="${subsystem%%/*}"
  own=$(rank "$subsystem")
  if [ "$own" = unknown ]; then
    fail "$file: core/$subsystem is not a known subsystem"
    continue
  fi
  while IFS= read -r line; do
    target=$(sed -E 's/^#include [<"]([^>"]+)[>"].*/\1/' <<<"$line")
    case "$target" in
      core/*)
        used="${target#core/}"
        used="${used%%/*}"
        their=$(rank "$used")
        if [ "$their" = unknown ] || [ "$their" -gt "$own" ]; then
          fail "$file: core/$subsystem includes $target from a higher layer"
        fi
        ;;
      platform/* | ui/* | cli/* | app/* | tools/*)
        fail "$file: core includes $target"
        ;;
      Q* | X11/* | hidapi* | libudev.h | libevdev/* | curl/* | gio/* | glib*)
        fail "$file: core includes the system library $target"
        ;;
    esac
  done < <(grep -E '^#include' "$file" || true)
done < <(find "$src/core" -name '*.h' -o -name '*.cpp' | sort)

# The outer layers use core; platform never reaches up into a program.
while IFS= read -r file; do
  if grep -Eq '^#include "(ui|cli|app)/' "$file"; then
    fail "$file: platform includes a program layer"
  fi
done < <(find "$src/platform" -name '*.h' -o -name '*.cpp' | sort)

if [ "$failures" -gt 0 ]; then
  echo "$failures includes point the wrong way"
  exit 1
fi
echo "layers: every include points inwards"
