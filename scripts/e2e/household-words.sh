#!/usr/bin/env bash
# The household's own words: March's statement read in over March kept by hand, a day ahead of
# the bank, adds nothing and so teaches its words; April's comes in under them where Geldlog saw
# them twice, under a word of the settings chosen by its start in the window, or else under the
# bank's text.
source "$(dirname "$0")/lib.sh"

make_program_folder
printf 'Energie\r\n' >"$DATA/Omschrijving.txt"
printf '%s\r\n' 2026-03-02 Boodschappen "" "23,45" "$SEPARATOR" 2026-03-05 Huur "" "825,00" \
    "$SEPARATOR" 2026-03-09 Boodschappen "" "41,10" "$SEPARATOR" | tee "$E2E_TMP/maart" \
    >"$DATA/2026 Maart.lst"
ing_statement "20260303;ALBERT HEIJN 1234 AMSTERDAM NLD;Af;23,45;Pasvolgnr: 003 03-03-2026" \
    "20260305;Woonstichting Thuis;Af;825,00;Huur maart" \
    "20260310;ALBERT HEIJN 5678 HAARLEM NLD;Af;41,10;Pasvolgnr: 003 10-03-2026" >"$E2E_TMP/maart.csv"
ing_statement "20260402;Eneco;Af;112,00;Termijnbedrag april" \
    "20260404;ALBERT HEIJN 1234 AMSTERDAM NLD;Af;31,20;Pasvolgnr: 003 04-04-2026" \
    "20260406;Woonstichting Thuis;Af;825,00;Huur april" >"$E2E_TMP/april.csv"

# Nothing added, so leaving asks nothing.
start_geldlog
open_first_list
open_statement "$E2E_TMP/maart.csv"
click "$BANK" "${BANK_TOEVOEGEN[@]}"
wait_window_gone "$BANK_TITLE"
click "$MAIN" "${EXIT_KNOP[@]}"
wait_geldlog_ended 10
expect_file "$DATA/2026 Maart.lst" <"$E2E_TMP/maart"

# Eneco's row, the first, gets a word of the settings, completed from its start.
start_in "$PROGRAM_DIR" ./geldlog "$E2E_TMP/april.csv"
BANK=$(wait_window "$BANK_TITLE")
xdotool windowfocus --sync "$BANK" key Home type --delay 20 Ener
xdotool key Return
click "$BANK" "${BANK_TOEVOEGEN[@]}"
wait_window_gone "$BANK_TITLE"
open_save_dialog
click "$SAVE" "${SAVE_OPSLAAN[@]}"
wait_window_gone "$SAVE_TITLE" 15
printf '%s\r\n' 2026-04-02 Energie "" "112,00" "$SEPARATOR" 2026-04-04 Boodschappen "" "31,20" \
    "$SEPARATOR" 2026-04-06 "Woonstichting Thuis - Huur april" "" "825,00" "$SEPARATOR" \
    | expect_file "$DATA/2026 April.lst"
click "$MAIN" "${EXIT_KNOP[@]}"
wait_geldlog_ended 10
