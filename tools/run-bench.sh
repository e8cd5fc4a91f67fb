#!/usr/bin/env bash
# Runs every benchmark that the build made.
set -euo pipefail
build=${1:-build}
export QT_QPA_PLATFORM=offscreen
for b in "$build"/bench/bench_*; do
  [ -x "$b" ] || continue
  echo "== $(basename "$b")"
  "$b"
done
