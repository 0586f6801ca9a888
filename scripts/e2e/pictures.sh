#!/usr/bin/env bash
# Not a check: the pictures of the README, taken of the real program with a month of entries.
#   E2E_SHOTS=docs scripts/e2e/run build/dev/bin/geldlog pictures
source "$(dirname "$0")/lib.sh"

window_shot() {
    import -window "$1" "$E2E_SHOTS/$2.png"
}

make_program_folder
printf '%s\r\n' Boodschappen Energie Huur Kinderbijslag Salaris Zorgverzekering \
    >"$DATA/Omschrijving.txt"
printf '%s\r\n' \
    2026-12-01 Salaris "2345,50" "" "$SEPARATOR" \
    2026-12-01 Huur "" "825,00" "$SEPARATOR" \
    2026-12-02 Boodschappen "" "64,35" "$SEPARATOR" \
    2026-12-03 Zorgverzekering "" "138,20" "$SEPARATOR" \
    2026-12-05 Kinderbijslag "287,40" "" "$SEPARATOR" \
    2026-12-06 Energie "" "112,00" "$SEPARATOR" \
    >"$DATA/2026 December.lst"
printf '%s\r\n' 2026-11-01 Salaris "2345,50" "" "$SEPARATOR" >"$DATA/2026 November.lst"
printf '%s\r\n' \
    - Salaris "2345,50" "" "$SEPARATOR" \
    - Huur "" "825,00" "$SEPARATOR" \
    - Zorgverzekering "" "138,20" "$SEPARATOR" \
    - Kinderbijslag "287,40" "" "$SEPARATOR" \
    >"$DATA/Vastelasten.vls"

start_geldlog
open_dialog_choose_first
sleep 0.3
window_shot "$OPEN" open-dialog
click "$OPEN" "${OPEN_OK[@]}"
wait_window_gone "$OPEN_TITLE"

add_entry Boodschappen "" 23.8
sleep 0.5
window_shot "$MAIN" main-window

click "$MAIN" 801 580 # HelpKnop: Frame3 (756,440) + (12,112,56,56)
sleep 0.5
window_shot "$MAIN" help-screen

open_settings
sleep 0.5
window_shot "$SETTINGS" settings-window
click "$SETTINGS" "${SETTINGS_CANCEL[@]}"
wait_window_gone "$SETTINGS_TITLE"

open_fixed_costs
type_into "$VASTE" "${VASTE_COMBO4[@]}" Energie
type_into "$VASTE" "${VASTE_TEXT3[@]}" 112
sleep 0.5
window_shot "$VASTE" fixed-costs
click "$VASTE" "${VASTE_HELP[@]}"
sleep 0.5
window_shot "$VASTE" fixed-costs-help
click "$VASTE" 617 380 # ExitKnop, where the export button is in the other panel
click "$VASTE" "${VASTE_CANCEL[@]}"
wait_window_gone "$VASTE_TITLE"

click "$MAIN" 801 580 # HelpKnop again: the table comes back
click "$MAIN" "${GRAFIEK_KNOP[@]}"
click "$MAIN" "${SHOW_KNOP[@]}"
sleep 3 # a second for each of the two months, and a moment more
window_shot "$MAIN" overview

click "$MAIN" "${GRAFIEK_KNOP[@]}" # back to the menu
click "$MAIN" "${MENU_INFO[@]}"
ABOUT=$(wait_window "$ABOUT_TITLE")
[[ -n $ABOUT ]] || fail "the program information did not open"
sleep 0.3
window_shot "$ABOUT" about
answer "$ABOUT_TITLE" Escape

# The bank window over the open month "2026 December", with the household's words learned:
# October and November were kept by hand and their statements imported over them, adding nothing,
# and December's first statement stands in the month already. Then a longer one of the same
# account: what the month holds stands grey under its own word, new rows come in under the
# household's word where Geldlog is sure of it, and under the bank's text where it is not.
printf '%s\r\n' \
    2026-10-01 Salaris "2345,50" "" "$SEPARATOR" \
    2026-10-01 Huur "" "825,00" "$SEPARATOR" \
    2026-10-03 Boodschappen "" "52,10" "$SEPARATOR" \
    2026-10-06 Energie "" "112,00" "$SEPARATOR" \
    2026-10-17 Boodschappen "" "41,60" "$SEPARATOR" \
    2026-10-30 Kinderopvang "" "412,00" "$SEPARATOR" \
    >"$DATA/2026 Oktober.lst"
printf '%s\r\n' \
    2026-11-01 Salaris "2345,50" "" "$SEPARATOR" \
    2026-11-01 Huur "" "825,00" "$SEPARATOR" \
    2026-11-06 Energie "" "112,00" "$SEPARATOR" \
    2026-11-07 Boodschappen "" "33,25" "$SEPARATOR" \
    2026-11-29 Kinderopvang "" "412,00" "$SEPARATOR" \
    >"$DATA/2026 November.lst"
ing_statement "20261001;Werkgever B.V.;Bij;2345,50;Salaris oktober" \
    "20261002;Woonstichting Thuis;Af;825,00;Huur oktober" \
    "20261004;ALBERT HEIJN 1234 AMSTERDAM NLD;Af;52,10;Pasvolgnr: 003 04-10-2026 17:12" \
    "20261007;Eneco;Af;112,00;Termijnbedrag oktober" \
    "20261018;ALBERT HEIJN 5678 HAARLEM NLD;Af;41,60;Pasvolgnr: 003 18-10-2026 10:41" \
    "20261031;Kinderopvang Zonnetje;Af;412,00;Opvang oktober" >"$E2E_TMP/oktober.csv"
ing_statement "20261101;Werkgever B.V.;Bij;2345,50;Salaris november" \
    "20261102;Woonstichting Thuis;Af;825,00;Huur november" \
    "20261107;Eneco;Af;112,00;Termijnbedrag november" \
    "20261108;ALBERT HEIJN 1234 AMSTERDAM NLD;Af;33,25;Pasvolgnr: 003 08-11-2026 16:03" \
    "20261130;Kinderopvang Zonnetje;Af;412,00;Opvang november" >"$E2E_TMP/november.csv"
for month in oktober november; do
    (cd "$PROGRAM_DIR" && ./geldlog importeer "$E2E_TMP/$month.csv" "2026 ${month^}") \
        >>"$E2E_SHOTS/$E2E_NAME.log" 2>&1
done
ing_statement "20261201;Werkgever B.V.;Bij;2345,50;Salaris december" \
    "20261202;Woonstichting Thuis;Af;825,00;Huur december" \
    "20261204;ALBERT HEIJN 1234 AMSTERDAM NLD;Af;64,35;Pasvolgnr: 003 04-12-2026 18:20" \
    >"$E2E_TMP/december.csv"
ing_statement "20261128;ALBERT HEIJN 1234 AMSTERDAM NLD;Af;38,10;Pasvolgnr: 003 28-11-2026 11:02" \
    "20261130;Kinderopvang Zonnetje;Af;412,00;Opvang november" \
    "20261201;Werkgever B.V.;Bij;2345,50;Salaris december" \
    "20261202;Woonstichting Thuis;Af;825,00;Huur december" \
    "20261204;ALBERT HEIJN 1234 AMSTERDAM NLD;Af;64,35;Pasvolgnr: 003 04-12-2026 18:20" \
    "20261207;Eneco;Af;112,00;Termijnbedrag december" \
    "20261208;Bakkerij De Korenaar;Af;12,5x;Brood" \
    "20261209;Café de Zwaan;Af;18,40;Koffie en gebak" \
    "20261210;Sociale Verzekeringsbank;Bij;287,40;Kinderbijslag 4e kwartaal" \
    "20261211;ALBERT HEIJN 5678 HAARLEM NLD;Af;41,20;Pasvolgnr: 003 11-12-2026 09:15" \
    >"$E2E_TMP/afschrift.csv"
open_statement "$E2E_TMP/december.csv"
click "$BANK" "${BANK_TOEVOEGEN[@]}"
wait_window_gone "$BANK_TITLE"
open_statement "$E2E_TMP/afschrift.csv"
sleep 0.5
window_shot "$BANK" bank-window
answer "$BANK_TITLE" Escape

# The year overview over three years of a household's months.
for year in 2024 2025 2026; do
    household_year "$year"
done
open_year_overview
sleep 0.5
window_shot "$YEAR" year-overview
answer "$YEAR_TITLE" Escape

# The contracts found in all Geldlog read: the statements and the years kept by hand.
xdotool windowfocus --sync "$MAIN"
xdotool key ctrl+t
TERUG=$(wait_window "$TERUG_TITLE")
[[ -n $TERUG ]] || fail "Ctrl+T opened no window of contracts"
sleep 0.5
window_shot "$TERUG" contracts
answer "$TERUG_TITLE" Escape

# This month's budget over those years, its empty budgets filled from the twelve months before.
xdotool windowfocus --sync "$MAIN"
xdotool key ctrl+b
BUDGET=$(wait_window Begroting)
[[ -n $BUDGET ]] || fail "Ctrl+B opened no budget"
click "$BUDGET" 50 508 # VoorstelKnop (12,496,76,24)
sleep 0.5
window_shot "$BUDGET" budget-window
answer Begroting Escape
