#!/usr/bin/env bash
# Builds the XML reader's libFuzzer target with AddressSanitizer and
# UndefinedBehaviorSanitizer and runs it. Not part of the test suite.
# Usage: tests/fuzz/run_xml_fuzz.sh [seconds]   (default 60)
# Inputs found go to build-fuzz/corpus; a crash, hang or sanitizer report
# stops the run and leaves its input in build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${1:-60}"
./scripts/deps clang-14 libclang-rt-14-dev
out=build-fuzz
mkdir -p "$out/corpus"

clang++-14 -std=c++20 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -I src tests/fuzz/XmlReaderFuzzer.cpp src/core/xml/*.cpp src/core/base/Utf.cpp \
  src/core/base/Files.cpp -o "$out/xml_fuzzer"

"$out/xml_fuzzer" "$out/corpus" tests/fuzz/xml_seeds \
  -dict=tests/fuzz/xml.dict -max_total_time="$seconds" -timeout=10 -max_len=65536 \
  -rss_limit_mb=4096 -artifact_prefix="$out/" -print_final_stats=1
