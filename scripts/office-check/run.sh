#!/usr/bin/env bash
# The three-user run: ayse's program (display :57) adjusts F1, mehmet's (:58) adjusts F2, fatma's
# command line writes F4's report, prints and five vouchers meanwhile; a save of ayse's on an item
# that fatma saved after ayse loaded it is refused; the file installation gets the same typed
# amounts and every figure is compared.
set -uo pipefail
BIN=${BIN:-$(cd "$(dirname "$0")/../.." && pwd)/build/src}
OD=/tmp/od
G=$(dirname "$0")/gui.sh
as() { local u=$1; shift; HOME=$OD/u/$u LANG=tr_TR.UTF-8 $BIN/velkor-cli --home $OD/u/$u/kurulum "$@"; }
dosya() { LANG=tr_TR.UTF-8 $BIN/velkor-cli --home $OD/dosya "$@"; }
x() { local d=$1; shift; DISPLAY=:$d xdotool "$@"; }
# enter D CODE: the entry window to the company's adjustment window
enter() {
  x $1 mousemove 648 301 click 1; sleep 0.5; x $1 key ctrl+a; x $1 type --delay 80 "$2"; sleep 0.5
  x $1 mousemove 683 434 click 1; sleep 3
  x $1 mousemove 105 370 click 1; sleep 3
}
# amount D TEXT: loads the sheet's first item, types its recorded amount, Düzelt, Kaydet
load_first() { x $1 mousemove 180 180 click --repeat 2 --delay 80 1; sleep 2; }
amount() {
  x $1 mousemove 481 208 click --repeat 3 1; sleep 0.3; x $1 key ctrl+a; x $1 type --delay 60 "$2"; x $1 key Tab; sleep 0.5
  x $1 mousemove 1293 457 click 1; sleep 1.5
  x $1 mousemove 1293 485 click 1; sleep 2
}
rm -f $OD/*.png $OD/velkor-*.rc
$G start ayse 57
$G start mehmet 58
enter 57 F1 & p1=$!; enter 58 F2 & p2=$!; wait $p1 $p2
$G shot 57 ayse-1-giris; $G shot 58 mehmet-1-giris

# fatma's command line writes F4 while the windows work
mkdir -p $OD/fatma
( as fatma report --company F4 > $OD/fatma/F4-report.txt
  as fatma print report --company F4 --pdf $OD/fatma/F4-rapor.pdf
  for v in luca:csv mikro:csv netsis:xlsx logo:xml sentez:xlsx; do IFS=: read k e <<<"$v"
    as fatma voucher $k --company F4 --out $OD/fatma/F4-$k.$e & done; wait
  echo done > $OD/fatma/bitti ) > $OD/fatma/log 2>&1 &
FATMA=$!

# both load their first item; fatma saves ayse's item meanwhile
load_first 57 & p1=$!; load_first 58 & p2=$!; wait $p1 $p2
$G shot 57 ayse-2-yuklendi
ID1=$(cat $OD/ayse-id 2>/dev/null || echo 1)
as fatma sheet fixed --company F1 --load $ID1 --set KayitliTutariEdit=333.333,33 --leave KayitliTutariEdit \
  --click DuzeltBut --click KaydetButton > $OD/fatma/F1-kayit.txt 2>&1; echo "fatma F1 kaydı: $?"
amount 57 444.444,44 & p1=$!; amount 58 555.555,55 & p2=$!; wait $p1 $p2
$G shot 57 ayse-3-reddedildi; $G shot 58 mehmet-3-kaydedildi
x 57 mousemove 858 372 click 1; sleep 1
# ayse reloads: fatma's values, then her own save goes through
load_first 57; $G shot 57 ayse-4-yeniden
amount 57 444.444,44; $G shot 57 ayse-5-kaydedildi
echo "fatma bitti mi (pencereler çalışırken): $(cat $OD/fatma/bitti 2>/dev/null || echo hayır)"; wait $FATMA; cat $OD/fatma/log

# the same typed amounts in the file installation
dosya sheet fixed --company F1 --load $ID1 --set KayitliTutariEdit=444.444,44 --leave KayitliTutariEdit --click DuzeltBut --click KaydetButton >/dev/null
dosya sheet fixed --company F2 --load $ID1 --set KayitliTutariEdit=555.555,55 --leave KayitliTutariEdit --click DuzeltBut --click KaydetButton >/dev/null

# both users end their programs: KAPAT, then Alt+F4 and "Evet"
for d in 57 58; do x $d mousemove 1307 35 click 1; sleep 1.5; x $d key alt+F4; sleep 1.5; x $d mousemove 594 362 click 1; done
sleep 4
echo "ayse çıkış: $(cat $OD/velkor-ayse.rc 2>/dev/null || echo 'hâlâ açık')  mehmet çıkış: $(cat $OD/velkor-mehmet.rc 2>/dev/null || echo 'hâlâ açık')"
$G stop 57; $G stop 58
# fatma's files against the file installation's
mkdir -p $OD/fatma/dosya; dosya report --company F4 > $OD/fatma/dosya/F4-report.txt
for v in luca:csv mikro:csv logo:xml; do IFS=: read k e <<<"$v"; dosya voucher $k --company F4 --out $OD/fatma/dosya/F4-$k.$e >/dev/null
  cmp $OD/fatma/F4-$k.$e $OD/fatma/dosya/F4-$k.$e && echo "fatma $k aynı"; done
cmp $OD/fatma/F4-report.txt $OD/fatma/dosya/F4-report.txt && echo "fatma rapor aynı"
$(dirname "$0")/compare.sh ayse
