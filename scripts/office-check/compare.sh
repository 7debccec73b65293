#!/usr/bin/env bash
# compare.sh USER: every company's report, journal, totals, prints, workbook and vouchers read
# by USER from the server equal the file installation's for the same items.
set -uo pipefail
BIN=${BIN:-$(cd "$(dirname "$0")/../.." && pwd)/build/src}
OD=/tmp/od
U=${1:-yonetici}
out=$OD/karsilastir/$U; rm -rf $out; mkdir -p $out/sunucu $out/dosya
srv() { HOME=$OD/u/$U LANG=tr_TR.UTF-8 $BIN/velkor-cli --home $OD/u/$U/kurulum "$@"; }
dosya() { LANG=tr_TR.UTF-8 $BIN/velkor-cli --home $OD/dosya "$@"; }
fail=0
for side in sunucu dosya; do
  run=$([ $side = sunucu ] && echo srv || echo dosya)
  d=$out/$side
  for c in F1 F2 F3 F4; do
    for cmd in report journal totals items; do $run $cmd --company $c > $d/$c-$cmd.txt 2>&1 || { echo "$side $c $cmd: $(cat $d/$c-$cmd.txt)"; fail=1; }; done
    $run print report --company $c --pdf $d/$c-rapor.pdf > /dev/null 2>&1 && pdftotext -layout $d/$c-rapor.pdf $d/$c-rapor.pdf.txt || { echo "$side $c print"; fail=1; }
    $run print journal --company $c --pdf $d/$c-yevmiye.pdf > /dev/null 2>&1 && pdftotext -layout $d/$c-yevmiye.pdf $d/$c-yevmiye.pdf.txt || { echo "$side $c print journal"; fail=1; }
    $run export report --company $c --xlsx $d/$c-rapor.xlsx > /dev/null 2>&1 || { echo "$side $c export"; fail=1; }
    for v in luca:csv mikro:csv netsis:xlsx logo:xml sentez:xlsx; do
      IFS=: read k e <<<"$v"
      $run voucher $k --company $c --out $d/$c-$k.$e > /dev/null 2>&1 || { echo "$side $c voucher $k"; fail=1; }
    done
  done
  (cd $d && soffice --headless --convert-to csv --outdir csv *.xlsx > /dev/null 2>&1)
done
# a print carries the time it was printed
sed -i -E 's/[0-9]{2}:[0-9]{2}:[0-9]{2}/SS:DD:SS/g' $out/*/*.pdf.txt
for f in $(cd $out/dosya && ls *.txt *.csv *.xml csv/*.csv); do
  if ! cmp -s $out/dosya/$f $out/sunucu/$f; then echo "FARK: $f"; diff $out/dosya/$f $out/sunucu/$f | head -5; fail=1; fi
done
n=$(cd $out/dosya && ls *.txt *.csv *.xml csv/*.csv | wc -l)
[ $fail = 0 ] && echo "$U: $n çıktı dosya kurulumununkilerle aynı" || echo "$U: FARKLAR VAR"
exit $fail
