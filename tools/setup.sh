#!/usr/bin/env bash
# Installs every Debian package that building, running and testing Quillet needs.
# Safe to run again: it only installs what is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6opengl6-dev qt6-translations-l10n
  libgl-dev
  libzip-dev zlib1g-dev libxlsxwriter-dev libfreexl-dev libsqlite3-dev
  libbenchmark-dev
  sqlite3 zip unzip openssl binutils
  fonts-arphic-uming fonts-arphic-ukai fonts-wqy-zenhei fonts-liberation2 fontconfig
  poppler-utils xvfb xauth desktop-file-utils
  cups printer-driver-cups-pdf
  python3 python3-openpyxl python3-xlrd python3-xlwt
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=""
  [ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo_cmd apt-get update -qq
  $sudo_cmd apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
