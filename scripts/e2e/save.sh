#!/usr/bin/env bash
# Two entries typed in, saved under a typed name: the list file holds exactly their ten lines,
# and leaving afterwards asks nothing, since the list was saved. Started again, the program
# opens the saved list with every row: saved once more under another name, it gives the same
# bytes.
source "$(dirname "$0")/lib.sh"

make_program_folder
start_geldlog
add_entry Huur "" 500
add_entry Salaris 2345.5 ""
save_list "2026 December"
two_entries_list "$TODAY" | expect_file "$DATA/2026 December.lst"

click "$MAIN" "${EXIT_KNOP[@]}"
wait_geldlog_ended 10

start_geldlog
open_first_list
save_list Kopie
expect_file "$DATA/Kopie.lst" <"$DATA/2026 December.lst"

shot
click "$MAIN" "${EXIT_KNOP[@]}"
wait_geldlog_ended 10
