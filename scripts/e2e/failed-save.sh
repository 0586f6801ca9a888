#!/usr/bin/env bash
# Saving without a Data folder says so, writes nothing, keeps the dialog open and the list
# marked as changed.
source "$(dirname "$0")/lib.sh"

make_program_folder
rmdir "$DATA"
start_geldlog
add_entry Huur "" 500
open_save_dialog
save_as Test
answer Error Return
window_shown "$SAVE_TITLE" || fail "the save dialog closed after the failed save"
[[ ! -e $DATA ]] || fail "the program created the Data folder"
expect_only_program

shot
click "$SAVE" "${SAVE_CANCEL[@]}"
wait_window_gone "$SAVE_TITLE" 10
click "$MAIN" "${EXIT_KNOP[@]}"
answer Afsluiten Return
wait_geldlog_ended 10
