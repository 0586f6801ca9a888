#!/usr/bin/env bash
# Saving without a Data folder says so, writes nothing, keeps the dialog open and the list
# marked as changed.
source "$(dirname "$0")/lib.sh"

make_program_folder
rmdir "$DATA"
start_geldlog
add_entry Huur "" 500
refused_save Test "the failed save"
[[ ! -e $DATA ]] || fail "the program created the Data folder"
expect_only_program

shot
cancel_save_and_leave
