#!/usr/bin/env bash
# The year overview over three years of a household's months: Ctrl+J, the year before this one
# chosen, "albert" typed into the search box, the table saved as CSV through the file chooser.
source "$(dirname "$0")/lib.sh"

make_program_folder
last_year=$(($(date +%Y) - 1))
for year in $((last_year - 1)) "$last_year" $((last_year + 1)); do
    household_year "$year"
done
# Every file but the settings, with its size and time of change.
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
type_into "$YEAR" "${YEAR_ZOEKVAK[@]}" albert
click "$YEAR" "${YEAR_CSV[@]}"
chooser=$(wait_window "$YEAR_CSV_TITLE")
[[ -n $chooser ]] || fail "\"Opslaan als CSV...\" opened no file chooser"
csv=$E2E_TMP/albert.csv
xdotool windowfocus --sync "$chooser" key ctrl+a type --delay 10 -- "$csv"
xdotool key Return
wait_window_gone "$YEAR_CSV_TITLE" 10
# The file is written once the chooser has gone, whole or not at all: wait for its name.
for _ in $(seq 100); do [[ ! -f $csv ]] || break; sleep 0.1; done

# Last year's groceries, written in two ways, as one row, and as the total of the rows found.
row='' total=0
for month in {1..12}; do
    cents=0
    for week in 1 2 3 4; do ((cents += $(groceries "$last_year" "$month" "$week"))); done
    row+=";-$(euros "$cents")"
    ((total += cents))
done
{
    printf '\xEF\xBB\xBFOmschrijving;jan;feb;mrt;apr;mei;jun;jul;aug;sep;okt;nov;dec;Totaal\r\n'
    printf '%s\r\n' "Albert Heijn$row;-$(euros "$total")" "Totaal$row;-$(euros "$total")"
} | expect_file "$csv"
rm "$csv"
shot

answer "$YEAR_TITLE" Escape
[[ $(files) == "$before" ]] || fail "the year overview wrote more than the CSV file"
