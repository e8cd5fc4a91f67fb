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
  desktop-file-utils xdg-utils lintian help2man
  clang libclang-rt-14-dev clang-format
)

fonts() { dpkg-query -W -f='${Status}\n' "${FONTS[@]}" 2>/dev/null | grep -c 'install ok' || true; }
FONTS=(fontconfig xfonts-wqy fonts-wqy-zenhei fonts-dejavu-core fonts-liberation2)
before=$(fonts)
"$(dirname "$0")/apt-install-missing.sh" install-deps "${PACKAGES[@]}"
[ "$before" = "$(fonts)" ] && exit 0
# New fonts must be known to fontconfig before the first rendering.
command -v fc-cache >/dev/null 2>&1 && fc-cache -f >/dev/null 2>&1 || true
