#!/usr/bin/env bash
# Minimises each target's corpus into the one kept in the repository
# (fuzz/corpus/<target>): libFuzzer's -merge=1 over the kept corpus and the
# one a run grew in BUILD/corpus/<target>, keeping the inputs that add
# coverage. Hit counts are set aside (-use_counters=0): every edge any input
# reaches is kept, by a few dozen inputs rather than hundreds; the run's own
# corpus keeps the rest. ctest replays the kept corpora.
#
#     fuzz/merge-corpora.sh BUILD [TARGET...]
set -uo pipefail
build=${1:?usage: merge-corpora.sh BUILD [TARGET...]}
shift
here=$(cd "$(dirname "$0")" && pwd)
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
export LSAN_OPTIONS=suppressions=$here/lsan.supp:print_suppressions=0
if [ $# -gt 0 ]; then
  targets=("$@")
else
  mapfile -t targets < <(cat "$build/fuzz/targets.txt" "$build/fuzz/slow-targets.txt")
fi
for t in "${targets[@]}"; do
  kept="$here/corpus/$t"
  merged="$build/merged/$t"
  rm -rf "$merged"
  mkdir -p "$merged" "$kept" "$build/corpus/$t"
  if ! "$build/fuzz/$t" -merge=1 -use_counters=0 -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
      "$merged" "$kept" "$build/corpus/$t" >"$build/merged/$t.log" 2>&1; then
    echo "$t: merge failed, see $build/merged/$t.log" >&2
    continue
  fi
  rm -rf "$kept"
  mv "$merged" "$kept"
  echo "$t: $(find "$kept" -type f | wc -l) inputs"
done
