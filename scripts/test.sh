#!/usr/bin/env bash
# Builds every flavour and runs every test:
#   build/native  g++ with AddressSanitizer + UndefinedBehaviorSanitizer: core tests, tools
#   build/win64   mingw-w64 x86_64: Windows programs and tests, run under Wine + Xvfb
#   build/win32   mingw-w64 i686: the product, the 32-bit psui.exe. Its import
#                 table is always checked; its tests run under Wine where this
#                 machine runs 32-bit programs (the kernel runs i386 code and
#                 wine32 is installed), and are counted as skipped elsewhere
#   build/fuzz    clang + libFuzzer: bounded fuzzing runs
# Installs what is missing first. Exits non-zero on any failure.
#   --skip-setup   do not look for missing packages
#   --only LIST    comma-separated subset of native,win64,win32,fuzz
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

only="native,win64,win32,fuzz"
skip_setup=0
while [ $# -gt 0 ]; do
  case $1 in
    --skip-setup) skip_setup=1 ;;
    --only) only=$2; shift ;;
    *) echo "usage: $0 [--skip-setup] [--only native,win64,win32,fuzz]" >&2; exit 2 ;;
  esac
  shift
done
wanted() { [[ ",$only," == *",$1,"* ]]; }

if [ $skip_setup -eq 0 ]; then
  scripts/setup.sh || { echo "setup failed"; echo "0 passed, 1 failed"; exit 1; }
fi

jobs=$(nproc 2>/dev/null || echo 2)
passed=0
failed=0
skipped=0
failures=()
skips=()

# configure_and_build NAME BUILD_DIR TARGET CMAKE_ARGS...
configure_and_build() {
  local name=$1 dir=$2 target=$3; shift 3
  echo "== $name: configure and build"
  if cmake -S . -B "$dir" "$@" >"$dir.configure.log" 2>&1 &&
     cmake --build "$dir" --target "$target" -j "$jobs" >"$dir.build.log" 2>&1; then
    passed=$((passed + 1))
    return 0
  fi
  echo "   build of $name failed; the log is $dir.*.log"
  tail -n 30 "$dir.build.log" 2>/dev/null || tail -n 30 "$dir.configure.log"
  failed=$((failed + 1)); failures+=("build:$name")
  return 1
}

# run_ctest NAME BUILD_DIR CTEST_ARGS...
run_ctest() {
  local name=$1 dir=$2; shift 2
  echo "== $name: tests"
  local log=$dir.ctest.log
  ctest --test-dir "$dir" --output-on-failure "$@" 2>&1 | tee "$log" | grep -vE '^\s*(Start|Test project|Internal ctest)' 
  local line total bad
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    if grep -q 'No tests were found' "$log"; then return 0; fi
    failed=$((failed + 1)); failures+=("ctest:$name"); return 1
  fi
  bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.* failed out of ([0-9]+).*/\1/' <<<"$line")
  passed=$((passed + total - bad))
  failed=$((failed + bad))
  [ "$bad" -eq 0 ] || failures+=("ctest:$name ($bad)")
}

mkdir -p build
if wanted native; then
  configure_and_build native build/native all -DPSUI_SANITIZE=ON &&
    run_ctest native build/native -j "$jobs"
fi
if wanted win64; then
  configure_and_build win64 build/win64 all -DCMAKE_TOOLCHAIN_FILE=cmake/mingw64.cmake &&
    run_ctest win64 build/win64 -j "$jobs"
fi
# Why this machine runs no 32-bit Windows program under Wine; nothing when it does.
wine32_missing() {
  # shellcheck source=wine-loader.sh
  . scripts/wine-loader.sh
  if [ "$WINE32" = runs ]; then return 0; fi
  if ! scripts/i386-probe.sh; then echo "this kernel runs no i386 code"
  elif [ "$WINE32" = absent ]; then echo "wine32 is not installed; scripts/setup.sh installs it"
  else echo "Wine's 32-bit loader does not start"
  fi
}
if wanted win32; then
  if configure_and_build win32 build/win32 all -DCMAKE_TOOLCHAIN_FILE=cmake/mingw32.cmake; then
    why=$(wine32_missing)
    if [ -z "$why" ]; then
      run_ctest win32 build/win32 -j "$jobs"
    else
      # The checks that need no Wine still run; the rest are counted, not passed.
      run_ctest win32 build/win32 -L no_wine
      n=$(ctest --test-dir build/win32 -N -LE no_wine | sed -n 's/^Total Tests: //p')
      skipped=$((skipped + n))
      skips+=("skipped: win32 under Wine ($why): $n tests")
      echo "   ${skips[-1]}"
    fi
  fi
fi
if wanted fuzz; then
  configure_and_build fuzz build/fuzz fuzzers -DPSUI_FUZZ=ON \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ &&
    run_ctest fuzz build/fuzz -L fuzz -j "$jobs"
fi

echo
for line in "${skips[@]}"; do echo "$line"; done
[ ${#failures[@]} -gt 0 ] && echo "failed: ${failures[*]}"
echo "$passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
