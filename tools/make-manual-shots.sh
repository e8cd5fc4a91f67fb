#!/bin/sh
# Draws the user manual's screenshots and writes its pages again:
#
#     tools/make-manual-shots.sh [BUILD]
#
# The editor (tests/manual_shots, built with the editor's library) runs on a
# copy of examples/Example.cgp under a virtual X server, once in English and
# once in Chinese, opens its windows, dialogs and property forms and saves
# them into data/help/manual/img/<lang>/; then tools/gen-manual.py writes the
# pages with the pictures' sizes. `make manual` builds what it needs first.
set -eu
BUILD=${1:-build}
ROOT=$(cd "$(dirname "$0")/.." && pwd)
case $BUILD in /*) ;; *) BUILD=$ROOT/$BUILD ;; esac
SHOTS=$BUILD/tests/manual_shots
IMG=$ROOT/data/help/manual/img

if [ ! -x "$SHOTS" ]; then
    echo "$SHOTS is missing: build the target manual_shots first (make manual does)" >&2
    exit 2
fi
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing (Debian package xvfb)" >&2; exit 2; }

for lang in en chs; do
    new=$IMG/$lang.new
    rm -rf "$new"
    # The X server's platform and one style, whatever the caller's session.
    env -u QT_QPA_PLATFORM QT_STYLE_OVERRIDE=Fusion \
        xvfb-run -a -s "-screen 0 1280x900x24" timeout 300 "$SHOTS" "$new" "$lang"
    rm -rf "$IMG/$lang"
    mv "$new" "$IMG/$lang"
done
python3 "$ROOT/tools/gen-manual.py" "$ROOT"
echo "The manual's pictures are in $IMG; its pages in $ROOT/data/help/manual"
