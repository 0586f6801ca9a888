#!/usr/bin/env bash
# Two fixed costs added and exported on day 12 after an entry of the month: the month asks
# before leaving unsaved, its list file holds the entry and then the fixed costs, and
# Data/Vastelasten.vls holds the fixed costs dated "-". Started again, a window cancelled after
# a change leaves that file as it was.
source "$(dirname "$0")/lib.sh"

make_program_folder
start_geldlog
add_entry Boodschappen "" 23.8

open_fixed_costs
add_fixed_cost Huur "" 650
add_fixed_cost Salaris 2345.5 ""
type_into "$VASTE" "${VASTE_DAG[@]}" 12
click "$VASTE" "${VASTE_EXPORT[@]}"
wait_window_gone "$VASTE_TITLE"

fixed_costs() {
    printf '%s\r\n' - Huur "" "650,00" "$SEPARATOR" - Salaris "2345,50" "" "$SEPARATOR"
}
fixed_costs | expect_file "$DATA/Vastelasten.vls"

# The exported rows are not saved yet.
click "$MAIN" "${EXIT_KNOP[@]}"
answer Afsluiten Escape
geldlog_running || fail "Nee did not keep the program open"

save_list "Maand"
day12=${TODAY%-*}-12
printf '%s\r\n' "$TODAY" Boodschappen "" "23,80" "$SEPARATOR" \
    "$day12" Huur "" "650,00" "$SEPARATOR" "$day12" Salaris "2345,50" "" "$SEPARATOR" \
    | expect_file "$DATA/Maand.lst"
click "$MAIN" "${EXIT_KNOP[@]}"
wait_geldlog_ended 10

start_geldlog
open_fixed_costs
add_fixed_cost Gas "" 80
click "$VASTE" "${VASTE_CANCEL[@]}"
wait_window_gone "$VASTE_TITLE"
fixed_costs | expect_file "$DATA/Vastelasten.vls"
shot
click "$MAIN" "${EXIT_KNOP[@]}"
wait_geldlog_ended 10
