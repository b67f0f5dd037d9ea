#!/usr/bin/env bash
# Builds the table reader's fuzz target with clang and runs it for SECONDS (60 unless given)
# from the seeds in tests/fuzz-seeds. A crash, a leak, an input that takes more than 10 s or
# more than 2 GB fails the run; the input that did it is kept in BUILD_DIR.
#   usage: tests/fuzz/run.sh BUILD_DIR [SECONDS]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:?usage: $0 BUILD_DIR [SECONDS]}
seconds=${2:-60}

CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  >/dev/null
cmake --build "$build"
mkdir -p "$build/corpus"
if ! "$build/table_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -max_len=8192 -dict="$here/table.dict" -artifact_prefix="$build/" \
  "$build/corpus" "$here/../fuzz-seeds" >"$build/fuzz.log" 2>&1; then
  tail -n 40 "$build/fuzz.log" >&2
  echo "fuzzing the table reader failed; the input is kept in $build/" >&2
  exit 1
fi
grep -E '^(Done|#[0-9]+ *DONE)' "$build/fuzz.log" || tail -n 1 "$build/fuzz.log"
