#!/usr/bin/env bash
# Long fuzzing runs: each target until it has executed RUNS inputs (default 10,000,000) or for
# SECONDS at most (default 3600), starting from its corpus under fuzz/corpus/<name>; afterwards
# the corpus is minimised (libFuzzer's merge) and written back there, and the counts are printed
# for docs/testing.md. Commit the corpus afterwards. A crash stops the script and leaves its input in the work folder.
# Usage: scripts/fuzz.sh [target ...]   (default: every target; run them side by side with &)
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS="${RUNS:-10000000}"
SECONDS_LIMIT="${SECONDS_LIMIT:-3600}"

scripts/build.sh fuzz >/dev/null
targets=("$@")
[ "${#targets[@]}" -gt 0 ] || targets=(formula report command_line)
for name in "${targets[@]}"; do
  fuzzer="$PWD/build/fuzz/bin/${name}_fuzz"
  work="$(mktemp -d)"
  mkdir "$work/corpus" "$work/merged"
  cp fuzz/corpus/"$name"/* "$work/corpus"/
  started="$(date -u +%Y-%m-%dT%H:%MZ)"
  if ! (cd "$work" && "$fuzzer" -runs="$RUNS" -max_total_time="$SECONDS_LIMIT" \
        -print_final_stats=1 corpus >log 2>&1); then
    tail -n 60 "$work/log"
    echo "fuzzer $name failed; the input is in $work"
    exit 1
  fi
  (cd "$work" && "$fuzzer" -merge=1 merged corpus >merge.log 2>&1)
  # Inputs that once found a fault (crash-*) stay as they are, whatever the merge keeps.
  find fuzz/corpus/"$name" -type f ! -name 'crash-*' -delete
  cp "$work"/merged/* fuzz/corpus/"$name"/
  echo "$name: started $started; $(grep -E '^stat::number_of_executed_units' "$work/log" | \
    awk '{print $2}') inputs in $(grep -E '^Done' "$work/log" | sed 's/.* in //'); corpus \
$(ls fuzz/corpus/"$name" | wc -l) files after merge"
  rm -rf "$work"
done
