#!/usr/bin/env bash
# Every test: formatting, the native suite, the same suite under sanitizers, the Windows build
# and its tests under Wine (the real .exe among them), printing to a PDF queue, the installer
# package, and a bounded run of each fuzzer.
# FUZZ_SECONDS sets each fuzzer's time (default 60).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh

echo "== clang-format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

echo "== native"
ctest --preset native
echo "== asan"
ctest --preset asan

echo "== windows (Wine, on a virtual screen)"
source scripts/wine_env.sh
given_display="${DISPLAY:-}"
xvfb_start
wine_start
trap 'wine_stop; xvfb_stop' EXIT
ctest --preset windows -LE 'screen_'
wine_stop
xvfb_stop

# Each screen in a Wine session of its own: the DPI and the screen size are read at its start.
echo "== windows at 144 DPI on a 1920 x 1200 screen"
trap 'wine_set_dpi 96; wine_stop; xvfb_stop' EXIT
wine_start
wine_set_dpi 144
wine_stop
xvfb_start 1920x1200
wine_start
ctest --preset windows -L screen_high_dpi
wine_set_dpi 96
wine_stop
xvfb_stop

echo "== windows on a 1366 x 768 screen"
trap 'wine_stop; xvfb_stop' EXIT
xvfb_start 1366x768
wine_start
ctest --preset windows -L screen_small
wine_stop
xvfb_stop
trap - EXIT
[ -z "$given_display" ] || export DISPLAY="$given_display"

echo "== two workstations saving into one shared records folder (two Wine prefixes)"
tests/shared_folder_test.sh

echo "== printing (a print server of the test's own; the PDFs read back)"
tests/print_test.sh

echo "== package (the MSI installed, upgraded and removed in a Wine prefix of its own)"
scripts/package.sh
tests/package_test.sh

echo "== fuzz"
for fuzzer in build/fuzz/bin/*_fuzz; do
  name="$(basename "$fuzzer" _fuzz)"
  work="$(mktemp -d)"
  mkdir "$work/corpus"
  cp fuzz/corpus/"$name"/* "$work/corpus"/
  # libFuzzer exits non-zero on a crash or a sanitizer report.
  if ! (cd "$work" && "$OLDPWD/$fuzzer" -max_total_time="${FUZZ_SECONDS:-60}" \
        -print_final_stats=1 corpus >log 2>&1); then
    tail -n 60 "$work/log"
    echo "fuzzer $name failed; the input is in $work"
    exit 1
  fi
  grep -E '^Done|number_of_executed_units' "$work/log"
  rm -rf "$work"
done
echo "all tests passed"
