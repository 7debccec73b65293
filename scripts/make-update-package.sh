#!/usr/bin/env bash
# Builds and signs an update package from a build: the program file in a ZIP archive whose
# entries carry the package password, and its detached Ed25519 signature.
#   scripts/make-update-package.sh PRIVATE_KEY.pem OUT_DIR [PROGRAM_FILE]
# PROGRAM_FILE defaults to build/src/velkor. Upload OUT_DIR/Dormatix.zip and
# OUT_DIR/Dormatix.zip.sig to the folder named by the update address ([Guncelleme] Adres).
# A key pair is made with:
#   openssl genpkey -algorithm ed25519 -out publisher.pem
#   openssl pkey -in publisher.pem -pubout -outform DER | tail -c 32 | base64 > resources/update/publisher.pub
set -euo pipefail
cd "$(dirname "$0")/.."

key=${1:?özel anahtar dosyası (PEM) gerekli}
out=${2:?çıktı klasörü gerekli}
program=${3:-build/src/velkor}

for tool in zip openssl; do
  command -v "$tool" >/dev/null || { echo "$tool bulunamadı (apt-get install $tool)" >&2; exit 1; }
done
[ -x "$program" ] || { echo "program dosyası yok: $program" >&2; exit 1; }
"$program" --version | grep -q "^$(basename "$program") " || { echo "program sürümünü bildirmedi: $program" >&2; exit 1; }

# The one place the password is written down is the program's package format.
password=$(sed -n 's/.*kPackagePassword = QByteArrayLiteral("\(.*\)");.*/\1/p' src/update/PackageFormat.h)
[ ${#password} -eq 33 ] || { echo "paket şifresi okunamadı" >&2; exit 1; }

mkdir -p "$out"
rm -f "$out/Dormatix.zip" "$out/Dormatix.zip.sig"
zip -q -j -P "$password" "$out/Dormatix.zip" "$program"
openssl pkeyutl -sign -rawin -inkey "$key" -in "$out/Dormatix.zip" -out "$out/Dormatix.zip.sig"
echo "$out/Dormatix.zip ($(stat -c %s "$out/Dormatix.zip") bayt) imzalandı."
