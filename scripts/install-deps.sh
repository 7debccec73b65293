#!/usr/bin/env bash
# Installs the Debian 12 packages the project builds, tests and runs with.
# Idempotent and non-interactive: packages already present are left alone.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format ccache mold
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libsqlcipher-dev sqlcipher
  libpq-dev postgresql-15 postgresql-client-15
  libzip-dev zlib1g-dev libssl-dev zip
  libxlsxwriter-dev
  liborcus-dev libixion-dev liborcus-parser-0.17-0 libboost-dev libfreexl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth fonts-liberation python3 qt6-translations-l10n poppler-utils
  locales openbox xdotool x11-apps x11-utils x11-xkb-utils imagemagick libreoffice-calc-nogui
  dpkg-dev fakeroot file lintian desktop-file-utils appstream librsvg2-bin man-db
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

# The suite runs as the users' desktops do: with the Turkish locale, and a few others to compare against.
locales_wanted=(tr_TR.UTF-8 en_US.UTF-8 de_DE.UTF-8)
locales_missing=()
for l in "${locales_wanted[@]}"; do
  norm=$(echo "$l" | sed 's/UTF-8/utf8/')
  if ! locale -a 2>/dev/null | grep -qx "$norm"; then
    locales_missing+=("$l")
  fi
done

if [ ${#missing[@]} -eq 0 ] && [ ${#locales_missing[@]} -eq 0 ]; then
  exit 0
fi

if [ "$(id -u)" -ne 0 ]; then
  echo "Eksik paketler var (${missing[*]}); kurulum için root olarak çalıştırın." >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
if [ ${#missing[@]} -gt 0 ]; then
  echo "Kuruluyor: ${missing[*]}"
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ ${#locales_missing[@]} -gt 0 ]; then
  echo "Yerel ayarlar üretiliyor: ${locales_missing[*]}"
  for l in "${locales_missing[@]}"; do
    sed -i "s/^# *\(${l} UTF-8\)/\1/" /etc/locale.gen
    grep -q "^${l} UTF-8" /etc/locale.gen || echo "${l} UTF-8" >>/etc/locale.gen
  done
  locale-gen
fi
