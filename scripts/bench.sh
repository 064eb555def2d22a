#!/usr/bin/env bash
# The formula and engine benchmarks against muparser, native -O2 (the native preset).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/build.sh native >/dev/null
build/native/bin/formula_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_min_time=0.5 "$@"
