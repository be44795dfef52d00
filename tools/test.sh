#!/usr/bin/env bash
# Installs what is missing, builds every preset and runs every test:
# unit tests (native), a short fuzzing smoke run, the release built twice
# (the same bytes, the archive and its readme), and the end-to-end tests of
# the real notavex.exe under Wine, the one in the release zip included.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

tools/install-deps.sh test

echo "== native build and unit tests"
cmake --preset native >/dev/null
cmake --build --preset native -j"$jobs"
ctest --preset native -j"$jobs"

echo "== fuzzing smoke run (reader)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$jobs"
fuzz_corpus=$(mktemp -d)
trap 'rm -rf "$fuzz_corpus"' EXIT
build/fuzz/fuzz/settings_reader_fuzzer -max_total_time="${NOTAVEX_FUZZ_SECONDS:-30}" \
  -print_final_stats=1 "$fuzz_corpus" fuzz/corpus 2>&1 | tail -n 3

echo "== Windows build"
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$jobs"

echo "== release archive, built twice"
tests/release/run.sh

echo "== end-to-end tests under Wine"
tests/e2e/run.sh
