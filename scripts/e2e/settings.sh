#!/usr/bin/env bash
# The settings window in the real program: a description added and the blue of the colour
# lowered, kept with OK. The descriptions file holds the new list at once; the settings file
# gets the colour when the program ends, and the next start shows it.
source "$(dirname "$0")/lib.sh"

make_program_folder
printf '%s\r\n' Zorg "" Huur >"$DATA/Omschrijving.txt"
start_geldlog
expect_main_colour 230 230 180

open_settings
type_into "$SETTINGS" "${SETTINGS_TEXT1[@]}" "Boodschappen"
click "$SETTINGS" "${SETTINGS_ADD[@]}"
lower_colour 2 20
sleep 0.3
expect_main_colour 230 230 160
click "$SETTINGS" "${SETTINGS_OK[@]}"
wait_window_gone "$SETTINGS_TITLE" 15
printf '%s\r\n' Boodschappen Huur Zorg | expect_file "$DATA/Omschrijving.txt"

click "$MAIN" "${EXIT_KNOP[@]}"
wait_geldlog_ended 10
expect_settings_file 230 230 160

start_geldlog
expect_main_colour 230 230 160
shot
click "$MAIN" "${EXIT_KNOP[@]}"
wait_geldlog_ended 10
expect_settings_file 230 230 160
printf '%s\r\n' Boodschappen Huur Zorg | expect_file "$DATA/Omschrijving.txt"
