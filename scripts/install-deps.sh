#!/usr/bin/env bash
# Installs the Debian 12 packages the project builds, tests and runs with.
# Idempotent and non-interactive: packages already present are left alone.
set -euo pipefail

packages=(
  build-essential cmake pkg-config clang-format ccache
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libsqlcipher-dev sqlcipher
  libzip-dev libssl-dev zip
  libxlsxwriter-dev
  liborcus-dev libixion-dev liborcus-parser-0.17-0 libboost-dev libfreexl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-liberation python3 qt6-translations-l10n poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Eksik paketler var (${missing[*]}); kurulum için root olarak çalıştırın." >&2
  exit 1
fi

echo "Kuruluyor: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
