#!/usr/bin/env bash
# The commands run without any display: a bank file imported twice adds its transactions once,
# a file of no known kind is refused, and wrong use ends with 2; so does a word that is no
# command, and a file that is not there ends with 1, neither with a window; nor does a display
# that is named but not there.
source "$(dirname "$0")/lib.sh"

make_program_folder
bank=$E2E_TMP/afschrift.csv
ing_statement "20260302;Bakker;Af;3,15;Brood" "20260325;Werkgever;Bij;2000,00;" >"$bank"

for already in 0 2; do
    geldlog_command 0 importeer "$bank" "2026 Maart"
    [[ $OUT == "ING (CSV): $((2 - already)) posten toegevoegd aan \"2026 Maart\", $already stonden er al in." ]] ||
        fail "import said: $OUT"
done
printf '%s\r\n' 2026-03-02 "Bakker - Brood" "" 3,15 "$SEPARATOR" \
    2026-03-25 Werkgever 2000,00 "" "$SEPARATOR" | expect_file "$DATA/2026 Maart.lst"

# The start of the program itself: the whole of a build with its debugging information may be
# more than a statement can be, which is refused apart.
head -c 1000000 "$PROGRAM_DIR/geldlog" >"$E2E_TMP/programma.bin"
geldlog_command 1 importeer "$E2E_TMP/programma.bin" "2026 Maart"
[[ $OUT == "Dit bestand is geen bankafschrift dat Geldlog kent."* ]] || fail "refusal said: $OUT"
geldlog_command 2 importeer "$bank"
geldlog_command 2 maand 2025-03
[[ $OUT == 'Onbekende opdracht "maand". "geldlog --help" toont wat Geldlog kent.' ]] ||
    fail "an unknown word said: $OUT"
geldlog_command 2 jaar 20x6
[[ $OUT == 'Het jaar "20x6" is geen jaartal.'* ]] || fail "a year that is no year said: $OUT"
geldlog_command 1 "$E2E_TMP/bestaatniet.csv"
[[ $OUT == "Het bestand \"$E2E_TMP/bestaatniet.csv\" bestaat niet." ]] ||
    fail "a missing file said: $OUT"
geldlog_command 1 "$DATA"
[[ $OUT == "\"$DATA\" is een map, geen bestand." ]] || fail "a folder said: $OUT"
geldlog_command 1 "$bank"
[[ $OUT == 'Geldlog vindt geen beeldscherm voor zijn venster; de opdrachten werken ook zonder ("geldlog --help").' ]] ||
    fail "a statement without a display said: $OUT"
# A display that is named but not there: the same answer, not Qt's abort.
status=0
OUT=$(cd "$PROGRAM_DIR" && DISPLAY=:9999 QT_QPA_PLATFORM=xcb ./geldlog "$bank" 2>&1) || status=$?
((status == 1)) && [[ $OUT == *'Geldlog vindt geen beeldscherm voor zijn venster;'* ]] ||
    fail "a display that is not there ended with $status: $OUT"
