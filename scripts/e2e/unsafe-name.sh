#!/usr/bin/env bash
# A name that climbs out of the Data folder is refused with a message; nothing is written,
# neither inside Data nor beside it.
source "$(dirname "$0")/lib.sh"

make_program_folder
start_geldlog
add_entry Huur "" 500
open_save_dialog
save_as ../buiten
answer Error Return
window_shown "$SAVE_TITLE" || fail "the save dialog closed after the refused name"
expect_only_program

shot
click "$SAVE" "${SAVE_CANCEL[@]}"
wait_window_gone "$SAVE_TITLE" 10
click "$MAIN" "${EXIT_KNOP[@]}"
answer Afsluiten Return
wait_geldlog_ended 10
