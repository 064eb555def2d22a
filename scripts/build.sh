#!/usr/bin/env bash
# Installs what is missing, then configures and builds every configuration:
# native (tests, benchmarks), asan (tests under sanitizers), fuzz (libFuzzer), windows (the .exe).
# Usage: scripts/build.sh [preset ...]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
presets=("$@")
[ "${#presets[@]}" -gt 0 ] || presets=(native asan fuzz windows)
for preset in "${presets[@]}"; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)"
done
