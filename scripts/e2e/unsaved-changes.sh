#!/usr/bin/env bash
# Leaving with an unsaved entry asks "Afsluiten": Nee keeps the program, Ja ends it.
source "$(dirname "$0")/lib.sh"

make_program_folder
start_geldlog
add_entry Boodschappen "" 42.10

click "$MAIN" "${EXIT_KNOP[@]}"
answer Afsluiten Escape
if ! geldlog_running || ! window_shown "$MAIN_TITLE"; then
    fail "Nee did not keep the program open"
fi

shot
click "$MAIN" "${EXIT_KNOP[@]}"
answer Afsluiten Return
wait_geldlog_ended 10
expect_only_program
