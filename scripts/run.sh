#!/usr/bin/env bash
# Builds the Windows program and runs it under Wine. Without a display it runs the self-test and
# prints the report; with one it opens the window. Extra arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh windows >/dev/null
source scripts/wine_env.sh
wine_start
trap wine_stop EXIT

if [ -z "${DISPLAY:-}" ] && [ "$#" -eq 0 ]; then
  report="$(mktemp -d)/selftest.txt"
  status=0
  wine build/windows/bin/sorvane.exe --selftest "$(winepath -w "$report")" || status=$?
  cat "$report"
  echo "exit code: $status"
  exit "$status"
fi
wine build/windows/bin/sorvane.exe "$@"
