#!/usr/bin/env bash
# Installs those of the Debian packages named as arguments that are missing,
# quietly and without recommends; does nothing when all are there. Uses sudo
# when not run as root. The first argument names the caller in messages.
set -euo pipefail
caller=$1
shift

missing=()
for p in "$@"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then SUDO="sudo"; else
    echo "$caller: need root or sudo to install: ${missing[*]}" >&2; exit 1
  fi
fi
echo "$caller: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
