#!/usr/bin/env bash
# Builds the Debian package from a build tree and checks it as a distribution would:
# its file list and control data, the menu entry, the AppStream metadata, the manual
# pages and lintian. Usage: check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "$0")/.." && pwd)
out="$build/paket-denetimi"
rm -rf "$out"
mkdir -p "$out"

failures=0
fail() {
  echo "HATA: $*" >&2
  failures=$((failures + 1))
}

(cd "$build" && cpack -G DEB -B "$out" >"$out/cpack.log" 2>&1) || {
  cat "$out/cpack.log" >&2
  echo "HATA: paket yapılamadı" >&2
  exit 1
}
deb=$(ls "$out"/velkor_*_amd64.deb)
echo "paket: $deb"

# Control data: the name, the version the changelog's latest entry carries, dependencies
# found from the programs' libraries.
changelog_version=$(sed -n '1s/^velkor (\([^)]*\)).*/\1/p' "$source_dir/packaging/changelog")
[ "$(dpkg-deb --field "$deb" Package)" = velkor ] || fail "paket adı velkor değil"
version=$(dpkg-deb --field "$deb" Version)
[ "$version" = "$changelog_version" ] || fail "paket sürümü $version, changelog $changelog_version"
[ "$(basename "$deb")" = "velkor_${version}_amd64.deb" ] || fail "dosya adı: $(basename "$deb")"
depends=$(dpkg-deb --field "$deb" Depends)
for lib in libqt6core6 libqt6widgets6 libsqlcipher libzip qt6-qpa-plugins xdg-utils; do
  grep -q "$lib" <<<"$depends" || fail "Depends $lib içermiyor: $depends"
done

# The file list: everything under /usr, the programs, the shipped files, the desktop's files.
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|; s|/$||' | grep -v '^/\?$' | sort >"$out/files"
grep -v '^/usr' "$out/files" && fail "/usr dışında dosya var"
expected=(
  /usr/bin/velkor /usr/bin/velkor-cli
  /usr/share/velkor/velkor-paket.ini /usr/share/velkor/SBK.mdb /usr/share/velkor/publisher.pub
  /usr/share/velkor/teblig.enf /usr/share/velkor/kullanim.enf /usr/share/velkor/GenelBilgi.enf
  /usr/share/velkor/KullanimKilavuzu.pdf
  /usr/share/velkor/data/yi_ufe.csv /usr/share/velkor/data/tefe.csv /usr/share/velkor/data/ortalama_faiz.csv
  /usr/share/velkor/data/ortalama_faiz_yearly.csv /usr/share/velkor/data/amortisman_oranlari.csv
  /usr/share/applications/tr.com.velkor.Velkor.desktop /usr/share/metainfo/tr.com.velkor.Velkor.metainfo.xml
  /usr/share/icons/hicolor/scalable/apps/velkor.svg
  /usr/share/man/man1/velkor.1.gz /usr/share/man/man1/velkor-cli.1.gz
  /usr/share/bash-completion/completions/velkor-cli
  /usr/share/doc/velkor/copyright /usr/share/doc/velkor/changelog.Debian.gz
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/velkor.png")
done
for f in "${expected[@]}"; do
  grep -qx "$f" "$out/files" || fail "pakette yok: $f"
done
# Nothing of the build's own helpers or of a source tree.
grep -E 'velkor-guide-screens|/kurulum/|\.mdb\.yeni|test_' "$out/files" && fail "pakette olmaması gereken dosya"

root="$out/kok"
dpkg-deb -x "$deb" "$root"
for size in 16 48 256; do
  dims=$(file -b "$root/usr/share/icons/hicolor/${size}x${size}/apps/velkor.png" | grep -o '[0-9]* x [0-9]*')
  [ "$dims" = "$size x $size" ] || fail "${size}x${size} simgesi $dims"
done

desktop="$root/usr/share/applications/tr.com.velkor.Velkor.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
for key in 'Name=' 'Name\[en\]=' 'GenericName=' 'GenericName\[en\]=' 'Comment=' 'Comment\[en\]=' \
  'Categories=Office;Finance;$' 'Exec=velkor$' 'Icon=velkor$'; do
  grep -q "^$key" "$desktop" || fail "menü girdisinde yok: $key"
done
grep -q '^Name=Velkor Enflasyon Düzeltmesi$' "$desktop" || fail "menü girdisinin Türkçe adı"

appstreamcli validate --no-net --strict "$root/usr/share/metainfo/tr.com.velkor.Velkor.metainfo.xml" ||
  fail "appstreamcli validate"

for page in velkor velkor-cli; do
  file="$root/usr/share/man/man1/$page.1.gz"
  warnings=$(LC_ALL=tr_TR.UTF-8 MANWIDTH=80 man --warnings -l "$file" 2>&1 >/dev/null || true)
  [ -z "$warnings" ] || fail "man $page: $warnings"
  text=$(LC_ALL=tr_TR.UTF-8 MANWIDTH=80 man -l "$file" 2>/dev/null)
  grep -q '^AÇIKLAMA' <<<"$text" || fail "man $page Türkçe bölümleri göstermiyor"
done
bash -n "$root/usr/share/bash-completion/completions/velkor-cli" || fail "bash tamamlama sözdizimi"

# The packaged programs are the build's, stripped, and they know themselves installed: run
# from the unpacked tree with a fresh home, the command line makes its data folder there,
# creates a company from the shipped template and reads the shipped tables.
home="$out/ev"
mkdir -p "$home"
cli() { env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" "$root/usr/bin/velkor-cli" "$@"; }
cli company add ABC "Deneme A.Ş." >"$out/cli.log" 2>&1 || fail "company add: $(cat "$out/cli.log")"
[ -f "$home/.local/share/velkor/AnaData/Oranlar.mdb" ] || fail "veri klasörü HOME altında oluşmadı"
[ -f "$home/.local/share/velkor/Data/ABC.mdb" ] || fail "firma veritabanı oluşmadı"
[ -e "$home/.local/share/velkor/SBK.mdb" ] && fail "şablon veri klasörüne kopyalanmış"
[ "$(cli index 202312 2>&1)" = "2.915,02" ] || fail "index 202312: $(cli index 202312 2>&1)"
cli report --company ABC >"$out/cli.log" 2>&1 || fail "report: $(cat "$out/cli.log")"
file -b "$root/usr/bin/velkor" | grep -q 'stripped' && ! file -b "$root/usr/bin/velkor" | grep -q 'not stripped' ||
  fail "velkor soyulmamış"

lintian --fail-on error --tag-display-limit 0 "$deb" >"$out/lintian.log" 2>&1 || {
  cat "$out/lintian.log" >&2
  fail "lintian hata buldu"
}
grep '^E:' "$out/lintian.log" && fail "lintian hataları"
cat "$out/lintian.log"

if [ "$failures" -ne 0 ]; then
  echo "$failures denetim başarısız" >&2
  exit 1
fi
echo "paket denetimi tamam"
