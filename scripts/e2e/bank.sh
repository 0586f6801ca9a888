#!/usr/bin/env bash
# Started with a bank's statement file, as the file manager's "Openen met" starts it: the bank
# window opens over the main window and offers a new list of the statement's month, "Toevoegen"
# puts its transactions in it, and the save dialog saves them under the month's name as the
# program writes entries (Windows-1252). Started again, the program takes a second statement
# handed over by a later start, from another folder, and adds it to the saved month, which it
# opens first.
source "$(dirname "$0")/lib.sh"

make_program_folder
# Newest first, as ING writes them; the list holds them oldest first.
ing_statement "20260305;Eneco;Af;112,00;" "20260303;Café de Zwaan;Af;23,80;Koffie en gebak" \
    "20260301;Werkgever B.V.;Bij;2345,50;Salaris maart" >"$E2E_TMP/afschrift.csv"
ing_statement "20260310;Gemeente;Af;40,00;Parkeren" "20260305;Eneco;Af;112,00;" \
    >"$E2E_TMP/tweede.csv"
printf '%s\r\n' \
    2026-03-01 "Werkgever B.V. - Salaris maart" "2345,50" "" "$SEPARATOR" \
    2026-03-03 $'Caf\xe9 de Zwaan - Koffie en gebak' "" "23,80" "$SEPARATOR" \
    2026-03-05 Eneco "" "112,00" "$SEPARATOR" >"$E2E_TMP/maart"

start_in "$PROGRAM_DIR" ./geldlog "$E2E_TMP/afschrift.csv"
BANK=$(wait_window "$BANK_TITLE")
[[ -n $BANK ]] || fail "the bank window did not open"
click "$BANK" "${BANK_TOEVOEGEN[@]}"
wait_window_gone "$BANK_TITLE"
# The save dialog offers the month's name.
open_save_dialog
click "$SAVE" "${SAVE_OPSLAAN[@]}"
wait_window_gone "$SAVE_TITLE" 15
expect_file "$DATA/2026 Maart.lst" <"$E2E_TMP/maart"
click "$MAIN" "${EXIT_KNOP[@]}"
wait_geldlog_ended 10

# A later start hands its file over and ends; the month is opened, where Eneco stands already.
# Qt's options are no file ("-reverse" taken for one would hold the statement back with a message).
start_geldlog
for start in -reverse "-style Fusion tweede.csv"; do
    # shellcheck disable=SC2086 # the start's words
    (cd "$E2E_TMP" && timeout 10 "$PROGRAM_DIR/geldlog" $start) >>"$E2E_SHOTS/$E2E_NAME.log" 2>&1 \
        || fail "the start \"geldlog $start\" was not handed to the running Geldlog"
done
BANK=$(wait_window "$BANK_TITLE")
[[ -n $BANK ]] || fail "the running Geldlog did not read the handed file in"
click "$BANK" "${BANK_TOEVOEGEN[@]}"
wait_window_gone "$BANK_TITLE"
save_list "2026 Maart"
{ cat "$E2E_TMP/maart"; printf '%s\r\n' 2026-03-10 "Gemeente - Parkeren" "" "40,00" "$SEPARATOR"; } \
    | expect_file "$DATA/2026 Maart.lst"
click "$MAIN" "${EXIT_KNOP[@]}"
wait_geldlog_ended 10
