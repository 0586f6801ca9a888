#!/usr/bin/env bash
# Leaving with an unsaved entry asks "Afsluiten": Nee (Escape, or Return, its default) keeps
# the program, Ja ends it.
source "$(dirname "$0")/lib.sh"

make_program_folder
start_geldlog
add_entry Boodschappen "" 42.10

for key in Escape Return; do
    click "$MAIN" "${EXIT_KNOP[@]}"
    answer Afsluiten "$key"
    if ! geldlog_running || ! window_shown "$MAIN_TITLE"; then
        fail "$key did not keep the program open"
    fi
done

shot
click "$MAIN" "${EXIT_KNOP[@]}"
answer Afsluiten "${JA[@]}"
wait_geldlog_ended 10
expect_only_program
