#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a bounded time and prints its executions.
# Usage: fuzz/run_fuzz.sh BUILD_FOLDER SECONDS_PER_TARGET
# Each target grows its own corpus in BUILD_FOLDER/fuzz-corpus/<target>, seeded from the repository's sample
# files and from the minimised corpus of earlier long runs in fuzz/corpus/<target>; an input that breaks a target
# is kept in BUILD_FOLDER/fuzz-artifacts and the script fails.
set -uo pipefail

build=$1
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)

declare -A seeds=(
  [fuzz_drw_load]="$root/tests/data/dis"
  [fuzz_importdxf]="$root/tests/data/dxf"
  [fuzz_conversions]="$root/tests/data/dxf"
  [fuzz_messaggi]="$root/resources/msg"
  [fuzz_fast_ops]="$root/tests/data/fast_ops"
)

# Inputs of the line-oriented readers are kept short, so that a run tries many of them.
declare -A options=(
  [fuzz_drw_load]=""
  [fuzz_importdxf]=""
  [fuzz_conversions]="-max_len=1024"
  [fuzz_messaggi]="-max_len=4096"
  [fuzz_fast_ops]="-max_len=400"
)

mkdir -p "$build/fuzz-artifacts"
failed=0
for target in fuzz_drw_load fuzz_messaggi fuzz_conversions fuzz_importdxf fuzz_fast_ops; do
  corpus="$build/fuzz-corpus/$target"
  log="$build/fuzz-artifacts/$target.log"
  mkdir -p "$corpus"
  kept=()
  [[ -d "$root/fuzz/corpus/$target" ]] && kept=("$root/fuzz/corpus/$target")
  # shellcheck disable=SC2086
  "$build/bin/$target" ${options[$target]} -max_total_time="$seconds" -timeout=30 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$build/fuzz-artifacts/$target-" "$corpus" "${kept[@]}" "${seeds[$target]}" >"$log" 2>&1
  status=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  printf '%-18s %10s executions in %s s (%s per second), corpus of %s inputs\n' \
    "$target" "${runs:-?}" "$seconds" "${rate:-?}" "$(find "$corpus" -type f | wc -l)"
  if [[ $status -ne 0 ]]; then
    echo "$target failed (exit $status); the input and the report are in $build/fuzz-artifacts:"
    grep -E 'ERROR|invariant broken|SUMMARY|Test unit written' "$log" | head -5
    failed=1
  fi
done
exit $failed
