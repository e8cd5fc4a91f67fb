#!/usr/bin/env bash
# The main job until the editor exists: make a sample project with qv-cli and
# show what it holds.
set -euo pipefail
build=${1:-build}
out="$build/sample"
rm -rf "$out"
mkdir -p "$out"
"$build/bin/qv-cli" new "$out/Sample.cgp"
echo "Package $out/Sample.cgp holds:"
unzip -l "$out/Sample.cgp"
