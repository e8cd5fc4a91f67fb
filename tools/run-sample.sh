#!/usr/bin/env bash
# The main job. On a display: the editor qv on a copy of the example project.
# Without one: a sample project made with qv-cli, compiled and sent to a
# virtual panel, showing what each step made (and how to see the editor
# under xvfb-run).
set -euo pipefail
build=${1:-build}
bin="$build/bin"
out="$build/sample"
rm -rf "$out"
mkdir -p "$out"
here=$(cd "$(dirname "$0")/.." && pwd)
cp "$here/examples/Example.cgp" "$out/Example.cgp"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "== qv $out/Example.cgp"
  exec "$bin/qv" "$out/Example.cgp"
fi
echo "No display: the editor needs one. To open it on the example project without one:"
echo "    xvfb-run -a $bin/qv $out/Example.cgp"
echo

echo "== qv-cli new $out/Sample.cgp"
"$bin/qv-cli" new "$out/Sample.cgp"
unzip -l "$out/Sample.cgp"

echo "== qv-cli compile (Output pane)"
"$bin/qv-cli" compile "$out/Sample.cgp" -o "$out/Sample.bin"
echo "runtime image: $out/Sample.bin, $(stat -c %s "$out/Sample.bin") bytes"

echo "== download to a virtual panel"
"$bin/qv-panel" --store "$out/panel" --link "$out/ttyRU03" > "$out/panel.log" 2>&1 &
panel=$!
trap 'kill $panel 2>/dev/null || true' EXIT
for _ in $(seq 50); do [ -e "$out/ttyRU03" ] && break; sleep 0.1; done
"$bin/qv-cli" download "$out/Sample.cgp" --port "$out/ttyRU03" --password 52815281
"$bin/qv-cli" info --port "$out/ttyRU03"
