#!/bin/sh
# Drives velkor-cli through a company with items of every kind and prints a transcript of
# each command's standard output, standard error and exit code. Two builds compare by
# diffing their transcripts:
#   scripts/cli-transcript.sh old/velkor-cli > old.txt
#   scripts/cli-transcript.sh build/src/velkor-cli > new.txt && diff old.txt new.txt
set -u
cli=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
out=$home/out
err=$home/err

run() {
    printf '$ %s\n' "$*"
    "$cli" --home "$home/H" "$@" >"$out" 2>"$err"
    rc=$?
    sed "s|$home|HOME|g" "$out"
    printf -- '-- stderr\n'
    sed "s|$home|HOME|g" "$err"
    printf -- '-- exit %s\n' "$rc"
}

run init
run company add ABC "Deneme A.Ş." --set AdresiEdit="Atatürk Cad. 1" --set SehirEdit=İzmir
run company add XYZ "İkinci Ltd."
run company list

# The shipped average interest rates start in 2024, so the financing costs stop with their
# message; the comparison covers that path.
# Fixed assets: straight-line depreciation with the debt-amount financing cost, declining
# balance after a revaluation with the total-financing cost, and a building without either.
run sheet fixed --company ABC --set DuzeltmeAnaHesapCombo=254 --set KoduEdit=01 --set AdiEdit="Binek Oto" \
    --set GirisTarihiDate=15.03.2021 --set KayitliTutariEdit=400.000,00 --set AmortSureEdit=5 \
    --set BirikmisAmortEdit=160.000,00 --click AmortHesaplaBut \
    --set ROFMAnaparaEdit=200.000,00 --set ROFMFaizEdit=30.000,00 --click ROFMHesapla \
    --click DuzeltBut --click KaydetButton
run sheet fixed --company ABC --set DuzeltmeAnaHesapCombo=253 --set KoduEdit=02 --set AdiEdit="Tezgah" \
    --set GirisTarihiDate=10.07.2019 --set KayitliTutariEdit=250.000,00 --set AmortSureEdit=10 \
    --set AmortYontemCombo=Azalan --set BirikmisAmortEdit=90.000,00 \
    --set MDVDVarRadio=1 --set MDVDCombo=31.12.2021 --set ROFMRadio=1 --set ROFMFaizEdit=12.500,00 \
    --click ROFMHesapla --click DuzeltBut --click KaydetButton
run sheet fixed --company ABC --set DuzeltmeAnaHesapCombo=252 --set KoduEdit=03 --set AdiEdit="Depo" \
    --type KayitliTutariEdit='1234567,8\b9' --set GirisTarihiDate=01.02.2010 --leave GirisTarihiDate \
    --click DuzeltBut --click KaydetButton
run sheet fixed --company ABC --load 1
run sheet fixed --company ABC --load 1 --set KayitliTutariEdit=410.000,00 --click DuzeltBut --click KaydetButton

# Stocks by each method, one with a financing cost.
run sheet stock --company ABC --set DuzeltmeAnaHesapComboS=153 --set KoduEditS=01 --set AdiEditS="Ticari Mallar" \
    --set GirisTarihiDateS=30.09.2023 --set KayitliTutariEditS=100.000,00 --set GercekRadio=1 \
    --click DuzeltButS --click KaydetButtonS
run sheet stock --company ABC --set DuzeltmeAnaHesapComboS=150 --set KoduEditS=02 --set AdiEditS="İlk Madde" \
    --set GirisTarihiDateS=30.06.2023 --set KayitliTutariEditS=80.000,00 --set BasitRadio=1 \
    --set ROFMFaizEditS=4.000,00 --click ROFMHesaplaS --click DuzeltButS --click KaydetButtonS
run sheet stock --company ABC --set DuzeltmeAnaHesapComboS=152 --set KoduEditS=03 --set AdiEditS="Mamuller" \
    --set KayitliTutariEditS=60.000,00 --set DevirHiziRadio=1 --set DBasiStokEdit=40.000,00 \
    --set DSonuStokEdit=60.000,00 --set DonemiciSMMEdit=300.000,00 --click JvXPButton1 \
    --click DuzeltButS --click KaydetButtonS
run sheet stock --company ABC --set DuzeltmeAnaHesapComboS=180 --set KoduEditS=01 --set AdiEditS="Peşin Giderler" \
    --set GirisTarihiDateS=01.03.2023 --set KayitliTutariEditS=12.000,00 --click DuzeltButS --click KaydetButtonS

# Equity of several kinds.
run sheet equity --company ABC --set DuzeltmeAnaHesapComboO=500 --set KoduEditO=01 --set AdiEditO="Sermaye" \
    --set GirisTarihiDateO=01.01.2015 --set KayitliTutariEditO=500.000,00 --set NaktiRadio=1 \
    --click DuzeltButO --click KaydetButtonO
run sheet equity --company ABC --set DuzeltmeAnaHesapComboO=500 --set KoduEditO=02 --set AdiEditO="Sermaye Artırımı" \
    --set GirisTarihiDateO=15.05.2020 --set KayitliTutariEditO=200.000,00 --set Radio525=1 \
    --click DuzeltButO --click KaydetButtonO
run sheet equity --company ABC --set DuzeltmeAnaHesapComboO=500 --set KoduEditO=03 --set AdiEditO="Yedeklerden" \
    --set GirisTarihiDateO=20.08.2022 --set KayitliTutariEditO=150.000,00 --set Radio522=1 \
    --click DuzeltButO --click KaydetButtonO
run sheet equity --company ABC --set DuzeltmeAnaHesapComboO=540 --set KoduEditO=01 --set AdiEditO="Yasal Yedekler" \
    --set GirisTarihiDateO=31.12.2018 --set KayitliTutariEditO=75.000,00 --click DuzeltButO --click KaydetButtonO
run sheet equity --company ABC --set DuzeltmeAnaHesapComboO=570 --set KoduEditO=01 --set AdiEditO="Geçmiş Yıllar Kârları" \
    --set GirisTarihiDateO=31.12.2022 --set KayitliTutariEditO=90.000,00 --click DuzeltButO --click KaydetButtonO

# Refusals: a disabled control, a date out of range, an unknown company, a bad command.
run sheet fixed --company ABC --set HesapTarihiDate=30.06.2023
run sheet fixed --company ABC --click HesapTarihAcBut --set HesapTarihiDate=30.06.2023 \
    --set DuzeltmeAnaHesapCombo=255 --set KayitliTutariEdit=10.000,00 --set GirisTarihiDate=01.01.2022 --click DuzeltBut
run sheet fixed --company ABC --set GirisTarihiDate=01.01.1800
run sheet stock --company YOK
run sheet cash --company ABC
run index 202312

run items --company ABC
run items --company ABC --filter Stoklar
run report --company ABC
run report --company ABC --filter Stoklar
run totals --company ABC
run journal --company ABC
run journal --company ABC --filter Hepsi
run items --company XYZ
run journal --company XYZ
