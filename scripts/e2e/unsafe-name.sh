#!/usr/bin/env bash
# A name that climbs out of the Data folder is refused with a message; nothing is written,
# neither inside Data nor beside it.
source "$(dirname "$0")/lib.sh"

make_program_folder
start_geldlog
add_entry Huur "" 500
refused_save ../buiten "the refused name"
expect_only_program

shot
cancel_save_and_leave
