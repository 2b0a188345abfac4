#!/usr/bin/env bash
# Measures the PPD compiler on the real corpus in a release build: our
# compiler against libcups in the same process (best of 3), then ppd_dump's
# own --bench figures. Prints figures; it is not a pass/fail test.
#   scripts/bench-ppd.sh [CORPUS_FOLDER]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
dir=build/release
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release >"$dir.configure.log" 2>&1 || { cat "$dir.configure.log"; exit 1; }
cmake --build "$dir" --target ppd_corpus_bench ppd_dump -j 1 >"$dir.build.log" 2>&1 || { tail -30 "$dir.build.log"; exit 1; }
corpus=${1:-build/native/ppd-corpus}   # the native test run extracts it there
python3 scripts/extract-ppd-corpus.py "$corpus"
"$dir/tests/core/ppd/corpus/ppd_corpus_bench" "$corpus" 3
"$dir/tools/ppd_dump/ppd_dump" --bench 3 "$corpus"
