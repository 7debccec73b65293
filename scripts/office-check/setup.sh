#!/usr/bin/env bash
# The office of the three-user run: a PostgreSQL 15 of its own on 127.0.0.1:55433, office "buro",
# an administrator, three accountants, an auditor; companies F1-F4 with the same items on the
# server and in a file installation (/tmp/od/dosya) to compare with.
set -euo pipefail
BIN=${BIN:-$(cd "$(dirname "$0")/../.." && pwd)/build/src}
OD=/tmp/od
PGBIN=/usr/lib/postgresql/15/bin
PORT=55433
if [ -f $OD/pg/postmaster.pid ]; then runuser -u postgres -- $PGBIN/pg_ctl -D $OD/pg -m immediate stop || true; fi
rm -rf $OD; mkdir -p $OD/u; chmod 755 $OD
mkdir $OD/pg $OD/pglog; chown postgres $OD/pg $OD/pglog
echo 'kok-parola' > $OD/pwfile; chown postgres $OD/pwfile
runuser -u postgres -- $PGBIN/initdb -D $OD/pg -U postgres --pwfile=$OD/pwfile -A scram-sha-256 >/dev/null
runuser -u postgres -- $PGBIN/pg_ctl -D $OD/pg -l $OD/pg/../pglog/pg.log -o "-p $PORT -c listen_addresses=127.0.0.1 -k $OD/pglog" -w start >/dev/null
PGPASSWORD=kok-parola psql -q -h 127.0.0.1 -p $PORT -U postgres -d postgres \
  -c "CREATE ROLE yonetici LOGIN CREATEROLE PASSWORD 'yon-1'" -c "CREATE DATABASE buro OWNER yonetici"

# user NAME PASSWORD: a home with its service and password files and an installation of its own
user() {
  local h=$OD/u/$1
  mkdir -p $h/kurulum
  printf '[buro]\nhost=127.0.0.1\nport=%s\ndbname=buro\nuser=%s\nsslmode=disable\n' $PORT $1 > $h/.pg_service.conf
  printf '127.0.0.1:%s:buro:%s:%s\n' $PORT $1 $2 > $h/.pgpass; chmod 600 $h/.pgpass
  HOME=$h LANG=tr_TR.UTF-8 $BIN/velkor-cli --home $h/kurulum init >/dev/null
  printf '[Sunucu]\nServis=buro\n' >> $h/kurulum/Ayarlar.ini
  cp $BIN/velkor $h/kurulum/velkor
}
as() { local u=$1; shift; HOME=$OD/u/$u LANG=tr_TR.UTF-8 $BIN/velkor-cli --home $OD/u/$u/kurulum "$@"; }
user yonetici yon-1
as yonetici server init
for r in ayse:a-1:yazar mehmet:m-1:yazar fatma:f-1:yazar denetci:d-1:okur; do
  IFS=: read n p g <<<"$r"
  PGPASSWORD=yon-1 psql -q -h 127.0.0.1 -p $PORT -U yonetici -d buro -c "CREATE ROLE $n LOGIN PASSWORD '$p' IN ROLE buro_$g"
  user $n $p
done

# The file installation of the comparison
mkdir -p $OD/dosya
LANG=tr_TR.UTF-8 $BIN/velkor-cli --home $OD/dosya init >/dev/null
dosya() { LANG=tr_TR.UTF-8 $BIN/velkor-cli --home $OD/dosya "$@"; }

# items CLI-FUNCTION USER... COMPANY N: N fixed assets, a stock item and an equity item
items() {
  local run=$1 c=$2 n=$3
  for i in $(seq 1 $n); do
    $run sheet fixed --company $c --set DuzeltmeAnaHesapCombo=253 --set KoduEdit=$(printf %03d $i) \
      --set "AdiEdit=Makine $c-$i" --set GirisTarihiDate=15.0$(( (i % 9) + 1 )).202$(( i % 3 )) \
      --set "KayitliTutariEdit=$(( 100000 * i + 37 )),5$(( i % 10 ))" --leave KayitliTutariEdit --set AmortSureEdit=5 \
      --click AmortHesaplaBut --click DuzeltBut --click KaydetButton >/dev/null
  done
  $run sheet stock --company $c --set DuzeltmeAnaHesapComboS=153 --set KoduEditS=01 --set "AdiEditS=Ticari Mallar $c" \
    --set KayitliTutariEditS=250.000,25 --leave KayitliTutariEditS --set DevirHiziRadio=1 \
    --set DBasiStokEdit=100.000,10 --leave DBasiStokEdit --set DSonuStokEdit=140.000,75 --leave DSonuStokEdit \
    --set DonemiciSMMEdit=600.000,05 --leave DonemiciSMMEdit --click JvXPButton1 --click DuzeltButS --click KaydetButtonS >/dev/null
  $run sheet equity --company $c --set DuzeltmeAnaHesapComboO=500 --set KoduEditO=01 --set "AdiEditO=Sermaye $c" \
    --set GirisTarihiDateO=30.06.2021 --set KayitliTutariEditO=1.000.000,99 --leave KayitliTutariEditO \
    --set NaktiRadio=1 --click DuzeltButO --click KaydetButtonO >/dev/null
}
srv() { as yonetici "$@"; }
for c in F1 F2 F3 F4; do
  srv company add $c "Firma $c Ltd. Şti." >/dev/null
  dosya company add $c "Firma $c Ltd. Şti." >/dev/null
  n=$(( ${c#F} * 3 ))
  items srv $c $n
  items dosya $c $n
done
as yonetici server check
echo "kurulum tamam"
