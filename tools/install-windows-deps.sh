#!/usr/bin/env bash
# Installs what `make windows-check` needs: the MinGW-w64 cross compiler (the
# posix-thread variant: std::thread and std::mutex) and wine, 64-bit only.
# Separate from install-deps.sh: about 1.1 GB that the Linux build never uses.
set -euo pipefail
"$(dirname "$0")/apt-install-missing.sh" install-windows-deps \
  g++-mingw-w64-x86-64-posix wine wine64
