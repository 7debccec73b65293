#!/usr/bin/env bash
# CI: installs the Debian package as a user would (apt install ./velkor_….deb), uses the
# command line from /usr/bin with a fresh home, removes and purges the package and checks
# that nothing of it is left in /usr. Run as root on a Debian 12 machine:
#   scripts/check-package-install.sh [build/velkor_VERSION_amd64.deb]
set -euo pipefail
cd "$(dirname "$0")/.."

deb=${1:-}
if [ -z "$deb" ]; then
  deb=$(ls build/velkor_*_amd64.deb 2>/dev/null | head -n 1 || true)
fi
if [ -z "$deb" ] || [ ! -f "$deb" ]; then
  echo "Paket bulunamadı; önce: make package" >&2
  exit 1
fi
if [ "$(id -u)" -ne 0 ]; then
  echo "Paketi kurmak için root olarak çalıştırın." >&2
  exit 1
fi
if dpkg-query -W -f='${Status}' velkor 2>/dev/null | grep -q 'install ok installed'; then
  echo "velkor paketi zaten kurulu; denetim temiz bir sistemde yapılır." >&2
  exit 1
fi
deb=$(realpath "$deb")
export DEBIAN_FRONTEND=noninteractive

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./|/|; s|/$||' | grep -v '^/\?$' >"$work/package-paths"
find /usr -path '*velkor*' | sort >"$work/before"

echo "== apt install $deb"
apt-get install -y -qq "$deb" >"$work/apt.log" 2>&1 || {
  cat "$work/apt.log" >&2
  exit 1
}

failures=0
fail() {
  echo "HATA: $*" >&2
  failures=$((failures + 1))
}

[ -x /usr/bin/velkor ] || fail "/usr/bin/velkor yok"
[ -x /usr/bin/velkor-cli ] || fail "/usr/bin/velkor-cli yok"
desktop-file-validate /usr/share/applications/tr.com.velkor.Velkor.desktop || fail "menü girdisi"

# A user without rights on /usr, with a home nobody has used yet.
home="$work/ev"
mkdir -p "$home"
user=root
if id nobody >/dev/null 2>&1; then
  user=nobody
  chown nobody "$home"
  chmod 755 "$work"
fi
cli() {
  runuser -u "$user" -- env -u XDG_DATA_HOME -u XDG_CONFIG_HOME HOME="$home" LANG=tr_TR.UTF-8 \
    /usr/bin/velkor-cli "$@"
}
data="$home/.local/share/velkor"
cli company add ABC "Deneme A.Ş." >"$work/out" 2>&1 || fail "company add: $(cat "$work/out")"
for f in AnaData/Genel.mdb AnaData/Oranlar.mdb AnaData/SBK.mdb Data/ABC.mdb; do
  [ -f "$data/$f" ] || fail "veri klasöründe yok: $f"
done
cli company list 2>&1 | grep -q ABC || fail "company list ABC'yi göstermiyor"
[ "$(cli index 202312 2>&1)" = "2.915,02" ] || fail "index 202312: $(cli index 202312 2>&1)"
cli report --company ABC >"$work/out" 2>&1 || fail "report: $(cat "$work/out")"
cli journal --company ABC >"$work/out" 2>&1 || fail "journal: $(cat "$work/out")"
# Running the programs wrote nothing into the package's files.
verify=$(dpkg --verify velkor || true)
[ -z "$verify" ] || fail "paketin dosyaları değişmiş: $verify"

echo "== apt remove / purge velkor"
apt-get remove -y -qq velkor >"$work/apt.log" 2>&1 || fail "apt remove: $(cat "$work/apt.log")"
# A package without configuration files is gone after remove; purge what remove kept.
if dpkg-query -W -f='${Status}' velkor 2>/dev/null | grep -q 'config-files'; then
  apt-get purge -y -qq velkor >"$work/apt.log" 2>&1 || fail "apt purge: $(cat "$work/apt.log")"
fi
dpkg-query -W -f='${Status}' velkor 2>/dev/null | grep -q 'installed' && fail "paket hâlâ kurulu"
while read -r path; do
  # Folders the package shares with others (/usr/share/man/man1, ...) stay.
  if [ -e "$path" ] && ! [ -d "$path" ]; then
    fail "kaldırıldıktan sonra kalan: $path"
  fi
done <"$work/package-paths"
find /usr -path '*velkor*' | sort >"$work/after"
diff "$work/before" "$work/after" >/dev/null || fail "/usr altında kalan: $(comm -13 "$work/before" "$work/after")"
# The user's data are the user's: removing the program leaves them.
[ -f "$data/Data/ABC.mdb" ] || fail "kullanıcının verisi silinmiş"

if [ "$failures" -ne 0 ]; then
  echo "$failures denetim başarısız" >&2
  exit 1
fi
echo "paket kurulum denetimi tamam"
