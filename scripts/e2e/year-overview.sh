#!/usr/bin/env bash
# The year overview over three years of a household's months: Ctrl+J, the year before this one
# chosen, "energie" typed into the search box, the table saved as CSV through the file chooser.
source "$(dirname "$0")/lib.sh"

make_program_folder
this_year=$(date +%Y)
last_year=$((this_year - 1))
for year in $((this_year - 2)) "$last_year" "$this_year"; do
    household_year "$year"
done
# Every file but the settings beside the program, with its size and time of change.
files() {
    (cd "$E2E_TMP" && find . -type f ! -path ./program/Geldlog.ini ! -path ./expected \
        -printf '%p %s %T@\n' | sort)
}
before=$(files)
start_geldlog
open_year_overview

# The years stand this year first, then the others from the latest down; the chooser has the
# keyboard.
xdotool key Down
type_into "$YEAR" "${YEAR_ZOEKVAK[@]}" energie
click "$YEAR" "${YEAR_CSV[@]}"
chooser=$(wait_window "$YEAR_CSV_TITLE")
[[ -n $chooser ]] || fail "\"Opslaan als CSV...\" opened no file chooser"
xdotool windowfocus --sync "$chooser"
xdotool key ctrl+a
xdotool type --delay 10 -- "$E2E_TMP/energie.csv"
xdotool key Return
wait_window_gone "$YEAR_CSV_TITLE" 10
# The file is written once the chooser has gone, whole or not at all: wait for its name.
for _ in $(seq 100); do
    [[ -f $E2E_TMP/energie.csv ]] && break
    sleep 0.1
done

{
    printf '\xEF\xBB\xBFOmschrijving;jan;feb;mrt;apr;mei;jun;jul;aug;sep;okt;nov;dec;Totaal\r\n'
    for row in Energie Totaal; do
        printf '%s' "$row"
        printf ';-%s' "${ENERGY[@]}"
        printf ';-1184,00\r\n'
    done
} | expect_file "$E2E_TMP/energie.csv"
rm "$E2E_TMP/energie.csv"
shot

answer "$YEAR_TITLE" Escape
[[ $(files) == "$before" ]] || fail "the year overview wrote more than the CSV file"
