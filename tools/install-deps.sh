#!/usr/bin/env bash
# Installs every Debian package that the build, the tests and the programs need.
# Quiet and quick when everything is already there.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config make
  qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools
  qt6-qpa-plugins qt6-translations-l10n libgl-dev
  libminizip-dev zlib1g-dev
  fontconfig xfonts-wqy fonts-wqy-zenhei fonts-dejavu-core fonts-liberation2
  libbenchmark-dev
  unzip python3 xvfb xauth
  poppler-utils
  clang libclang-rt-14-dev clang-format
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then SUDO="sudo"; else
    echo "install-deps: need root or sudo to install: ${missing[*]}" >&2; exit 1
  fi
fi
echo "install-deps: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
# New fonts must be known to fontconfig before the first rendering.
command -v fc-cache >/dev/null 2>&1 && fc-cache -f >/dev/null 2>&1 || true
