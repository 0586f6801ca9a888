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
