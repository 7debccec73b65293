#!/usr/bin/env bash
# Publishes a Debian package for installed programs' update: copies it under the fixed name
# the program looks for and signs it with the publisher's Ed25519 key.
#   scripts/sign-debian-package.sh PRIVATE_KEY.pem velkor_VERSION_amd64.deb OUT_DIR
# Upload OUT_DIR/velkor_amd64.deb and OUT_DIR/velkor_amd64.deb.sig to the folder named by
# the update address ([Guncelleme] Adres), beside Dormatix.zip.
set -euo pipefail

key=${1:?özel anahtar dosyası (PEM) gerekli}
deb=${2:?Debian paketi gerekli}
out=${3:?çıktı klasörü gerekli}

command -v openssl >/dev/null || { echo "openssl bulunamadı (apt-get install openssl)" >&2; exit 1; }
[ "$(dpkg-deb --field "$deb" Package 2>/dev/null)" = velkor ] || { echo "velkor paketi değil: $deb" >&2; exit 1; }

mkdir -p "$out"
rm -f "$out/velkor_amd64.deb" "$out/velkor_amd64.deb.sig"
cp "$deb" "$out/velkor_amd64.deb"
openssl pkeyutl -sign -rawin -inkey "$key" -in "$out/velkor_amd64.deb" -out "$out/velkor_amd64.deb.sig"
echo "$out/velkor_amd64.deb ($(dpkg-deb --field "$deb" Version)) imzalandı."
