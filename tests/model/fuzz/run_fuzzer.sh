#!/usr/bin/env bash
# Builds the model fuzzer with clang (AddressSanitizer and
# UndefinedBehaviorSanitizer) into a work folder and runs it for a bounded
# time from the seed corpus. Any finding fails; its input is kept in
# <work folder>/findings/ and belongs in the gtest suite as a regression case.
# Usage: run_fuzzer.sh <work folder> <seconds> <source files...>
set -euo pipefail

work=$1
seconds=$2
shift 2
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../../.." && pwd)"

command -v clang++ >/dev/null || { echo "clang++ not found: run scripts/setup.sh" >&2; exit 1; }
mkdir -p "$work/corpus" "$work/findings"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
    -I"$root/model" -I"$root/render" "$here/model_fuzzer.cpp" "$@" -o "$work/model_fuzzer"

# New inputs go to the work corpus; the seeds are only read.
exec "$work/model_fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=25 -rss_limit_mb=2048 \
    -artifact_prefix="$work/findings/" -print_final_stats=1 "$work/corpus" "$here/../fuzz_corpus"
