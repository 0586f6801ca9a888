#!/usr/bin/env bash
# A saved list opened through "Geldlog Openen" and saved again under another name comes out
# byte for byte the same: the open loaded every row and every field. The list is of another
# day than today, so its dates can only come from the file.
source "$(dirname "$0")/lib.sh"

make_program_folder
two_entries_list 2018-01-15 >"$DATA/2026 December.lst"
start_geldlog

open_first_list

save_list Kopie
two_entries_list 2018-01-15 | expect_file "$DATA/Kopie.lst"
# Opening only reads.
two_entries_list 2018-01-15 | expect_file "$DATA/2026 December.lst"

shot
click "$MAIN" "${EXIT_KNOP[@]}"
wait_geldlog_ended 10
