#!/usr/bin/env bash
# Runs the fuzz targets of a fuzzing build for SECONDS each, starting from
# the target's kept corpus (fuzz/corpus/<target>), seeds made of the
# project's own files and the target's dictionary. The
# corpus grows in BUILD/corpus/<target>; crashes, hangs and leaks are left in
# BUILD/findings/<target>/ (copy them to tests/fuzz-regressions/<target>/
# once mended). Prints executions and executions per second per target.
set -uo pipefail
build=${1:?usage: run-fuzzers.sh BUILD SECONDS}
seconds=${2:-60}
here=$(cd "$(dirname "$0")" && pwd)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
export LSAN_OPTIONS=suppressions=$here/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

if [ -z "${FUZZ_KEEP_SEEDS:-}" ]; then
  rm -rf "$build/seeds"
  "$here/make-seeds.py" "$build/bin/qv-cli" "$build/seeds" || exit 1
fi

# The build writes its lists of targets: targets.txt (in-process, fast) and
# slow-targets.txt (FUZZ_LIST=slow-targets). FUZZ_TARGETS (blank-separated)
# runs some of them only.
list="$build/fuzz/${FUZZ_LIST:-targets}.txt"
if [ -n "${FUZZ_TARGETS:-}" ]; then
  read -r -a targets <<<"$FUZZ_TARGETS"
else
  mapfile -t targets <"$list" || exit 1
fi
failed=0
printf '%-22s %12s %10s %s\n' target executions exec/s findings
for t in "${targets[@]}"; do
  corpus="$build/corpus/$t"
  findings="$build/findings/$t"
  mkdir -p "$corpus" "$findings"
  log="$build/findings/$t.log"
  dict=()
  [ -s "$here/dict/$t.dict" ] && dict=(-dict="$here/dict/$t.dict")
  mkdir -p "$build/seeds/$t" "$here/corpus/$t"
  "$build/fuzz/$t" "$corpus" "$build/seeds/$t" "$here/corpus/$t" "${dict[@]}" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1
  rc=$?
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  found=$(find "$findings" -type f | wc -l)
  printf '%-22s %12s %10s %s\n' "$t" "${execs:-?}" "${rate:-?}" "$found"
  if [ "$rc" -ne 0 ] || [ "$found" -ne 0 ]; then
    failed=1
    echo "  see $log" >&2
  fi
done
exit $failed
