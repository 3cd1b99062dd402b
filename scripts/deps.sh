#!/usr/bin/env bash
# Installs the Debian packages Kelvora needs to build, run and test, when any
# is missing. Uses sudo when not run as root.
set -euo pipefail

packages=(
  build-essential cmake pkg-config git
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
  liblcms2-dev libgtest-dev libgmock-dev libbenchmark-dev
  libgs-common icc-profiles-free
  fonts-dejavu-core fonts-liberation2
  xvfb xauth
  fonts-dejavu-extra
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
