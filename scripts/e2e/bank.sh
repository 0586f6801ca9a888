#!/usr/bin/env bash
# Started with a bank's statement file, as the file manager's "Openen met" starts it: the bank
# window opens over the main window, "Toevoegen" puts its transactions in the list, and the
# month saved through the save dialog holds them as the program writes entries (Windows-1252).
source "$(dirname "$0")/lib.sh"

make_program_folder
ing_statement "20260303;Café de Zwaan;Af;23,80;Koffie en gebak" \
    "20260301;Werkgever B.V.;Bij;2345,50;Salaris maart" \
    "20260305;Eneco;Af;112,00;" >"$E2E_TMP/afschrift.csv"

start_in "$PROGRAM_DIR" ./geldlog "$E2E_TMP/afschrift.csv"
BANK=$(wait_window "$BANK_TITLE")
[[ -n $BANK ]] || fail "the bank window did not open"
click "$BANK" "${BANK_TOEVOEGEN[@]}"
wait_window_gone "$BANK_TITLE"

save_list "Maart 2026"
printf '%s\r\n' \
    2026-03-03 $'Caf\xe9 de Zwaan - Koffie en gebak' "" "23,80" "$SEPARATOR" \
    2026-03-01 "Werkgever B.V. - Salaris maart" "2345,50" "" "$SEPARATOR" \
    2026-03-05 Eneco "" "112,00" "$SEPARATOR" \
    | expect_file "$DATA/Maart 2026.lst"

# Saved: leaving asks nothing.
click "$MAIN" "${EXIT_KNOP[@]}"
wait_geldlog_ended 10
