#!/usr/bin/env bash
# Installs every Debian package that building, testing, fuzzing, checking PDFs and packaging need.
# Idempotent and silent when everything is already present.
set -euo pipefail

packages=(
  cmake ninja-build ccache make g++ clang libclang-rt-14-dev clang-format
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-svg-dev qt6-translations-l10n qt6-tools-dev qt6-l10n-tools libgl-dev
  fonts-liberation2 fontconfig poppler-utils locales
  xvfb xauth
  desktop-file-utils libxml2-utils dpkg-dev file
  python3 python3-jsonschema
)

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null 2>&1
fi

# The users' locale, so that tests show numbers keep their decimal point under it.
if ! locale -a 2>/dev/null | grep -qi '^cs_CZ\.utf-\?8$'; then
  $sudo localedef -i cs_CZ -f UTF-8 cs_CZ.UTF-8
fi
