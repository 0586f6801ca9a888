#!/usr/bin/env bash
# The commands run without any display: a bank file imported twice adds its transactions once,
# a refused file changes nothing, and the balance overview prints. A plain file name still opens
# the window.
source "$(dirname "$0")/lib.sh"

make_program_folder
bank=$E2E_TMP/afschrift.csv
printf '%s\r\n' \
    '"Datum";"Naam / Omschrijving";"Rekening";"Tegenrekening";"Code";"Af Bij";"Bedrag (EUR)";"Mutatiesoort";"Mededelingen";"Saldo na mutatie";"Tag"' \
    '"20260302";"Bakker";"NL11INGB0001234567";"";"BA";"Af";"3,15";"Betaalautomaat";"Brood";"96,85";""' \
    '"20260325";"Werkgever";"NL11INGB0001234567";"";"OV";"Bij";"2000,00";"Overschrijving";"";"2096,85";""' \
    >"$bank"

# geldlog_command EXPECTED-STATUS ARGUMENTS...: runs the program without a display; its output is in $OUT.
geldlog_command() {
    local expected=$1 status=0
    shift
    OUT=$(cd "$PROGRAM_DIR" && env -u DISPLAY -u QT_QPA_PLATFORM ./geldlog "$@" 2>&1) || status=$?
    echo "geldlog $* -> $status: $OUT" >&2
    ((status == expected)) || fail "geldlog $* ended with $status, not $expected: $OUT"
}

geldlog_command 0 importeer "$bank" "2026 Maart"
[[ $OUT == 'ING (CSV): 2 posten toegevoegd aan "2026 Maart", 0 stonden er al in.' ]] ||
    fail "first import said: $OUT"
geldlog_command 0 importeer "$bank" "2026 Maart"
[[ $OUT == 'ING (CSV): 0 posten toegevoegd aan "2026 Maart", 2 stonden er al in.' ]] ||
    fail "second import said: $OUT"
printf '%s\r\n' 2026-03-02 "Bakker - Brood" "" 3,15 "$SEPARATOR" \
    2026-03-25 Werkgever 2000,00 "" "$SEPARATOR" | expect_file "$DATA/2026 Maart.lst"

geldlog_command 1 importeer "$PROGRAM_DIR/geldlog" "2026 Maart"
[[ $OUT == "Dit bestand is geen bankafschrift dat Geldlog kent."* ]] || fail "refusal said: $OUT"
geldlog_command 0 overzicht
[[ $OUT == $'2026 Maart: 1996,85\nTotaal € 1996,85' ]] || fail "overview said: $OUT"
geldlog_command 2 importeer "$bank"

start_in "$PROGRAM_DIR" ./geldlog "$bank"
shot
