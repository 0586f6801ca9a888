# Helpers for one end-to-end scenario, sourced by each scenario script.
# The runner sets: DISPLAY, GELDLOG (the binary), E2E_NAME, E2E_TMP (a fresh folder),
# E2E_SHOTS (where the screenshot and the log $E2E_NAME.log go) and E2E_REASON (a file that
# receives the reason of a failure).
# shellcheck shell=bash disable=SC2034 # the places below are used by the scenarios
set -eEuo pipefail

PROGRAM_DIR=$E2E_TMP/program
DATA=$PROGRAM_DIR/Data
SEPARATOR=----------------------------
GELDLOG_PID=
TODAY=

# Click points, the centre of each control, in pixels inside its window (without a window
# manager the window is its client area): twips / 15, frame offset plus control offset.
MAIN_TITLE="Mijn Geldlog"
COMBO4=(126 500)  # description, Frame1 (14,440) + (12,50)
TEXT2=(66 532)    # income, Frame1 + (12,80,80,24)
TEXT3=(66 562)    # expense, Frame1 + (12,110,80,24)
TOEVOEGEN=(66 596)
WIJZIGEN=(150 596)
VERWIJDEREN=(234 596)
# ListView1 (15,16,726,400): the middle of its first and second row, below the column heads.
FIRST_ROW=(200 47)
SECOND_ROW=(200 65)
MENU_NEW=(801 62)   # Frame2 + MenuKnop(0) (17,25,56,56)
MENU_OPEN=(801 124) # Frame2 (756,9) + MenuKnop(1) (17,87,56,56)
MENU_SAVE=(801 186) # Frame2 + MenuKnop(2) (17,149,56,56)
EXIT_KNOP=(1042 580) # Frame3 (756,440) + (258,112,56,56)
# In "Geldlog opslaan": Text1 (8,10,298,22), CancelKnop (180,40,64,24), SaveKnop (248,40,56,24).
SAVE_TITLE="Geldlog opslaan"
SAVE_TEXT1=(150 21)
SAVE_CANCEL=(212 52)
SAVE_OPSLAAN=(276 52)
# In "Geldlog Openen": List1 (12,12,160,214), OkKnop (314,237,66,24).
OPEN_TITLE="Geldlog Openen"
NEW_TITLE="Nieuw Geldlog"
OPEN_FIRST_NAME=(60 22)
OPEN_OK=(347 249)

fail() {
    # Only the first reason counts; later ones are consequences.
    [[ -s $E2E_REASON ]] || printf '%s\n' "$*" >"$E2E_REASON"
    exit 1
}

shot() {
    import -window root "$E2E_SHOTS/$E2E_NAME.png" 2>/dev/null || true
}

on_error() {
    fail "command failed (line $1): $2"
}

finish() {
    local status=$?
    # The end state is the one worth seeing, the failing one above all.
    if ((status != 0)); then
        shot
        echo "Files at the end:" >&2
        (cd "$E2E_TMP" && find . -printf '%p %s\n' >&2)
    fi
    if [[ -n $GELDLOG_PID ]] && kill -0 "$GELDLOG_PID" 2>/dev/null; then
        kill "$GELDLOG_PID" 2>/dev/null || true
        wait "$GELDLOG_PID" 2>/dev/null || true
    fi
}

trap 'on_error "$LINENO" "$BASH_COMMAND"' ERR
trap finish EXIT
trap 'fail "stopped by a signal"' INT TERM

# A program folder like the one the program is installed in: the binary with Data/ beside it.
make_program_folder() {
    mkdir -p "$DATA"
    cp "$GELDLOG" "$PROGRAM_DIR/geldlog"
}

start_geldlog() {
    start_in "$PROGRAM_DIR" ./geldlog
}

# start_in FOLDER COMMAND...: starts the program with this command line in FOLDER and waits for
# its main window.
start_in() {
    TODAY=$(date +%F)
    (cd "$1" && shift && exec "$@") >>"$E2E_SHOTS/$E2E_NAME.log" 2>&1 &
    GELDLOG_PID=$!
    MAIN=$(wait_window "$MAIN_TITLE")
    [[ -n $MAIN ]] || fail "the main window did not appear"
}

# Prints the id of the visible window with exactly this title, waiting up to $2 seconds;
# prints nothing when none appears. Asked again and again rather than with --sync, which gives up
# when another window goes away during the search (a file chooser closing as this one opens).
wait_window() {
    local deadline=$((SECONDS + ${2:-15})) id
    until id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) \
        && [[ -n $id ]]; do
        ((SECONDS < deadline)) || return 0
        sleep 0.1
    done
    printf '%s\n' "$id"
}

window_shown() {
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1
}

wait_window_gone() {
    local deadline=$((SECONDS + ${2:-15}))
    while window_shown "$1"; do
        ((SECONDS < deadline)) || fail "window \"$1\" still open after ${2:-15} s"
        sleep 0.1
    done
}

# Waits for the program to end by itself; fails when it asks "Afsluiten" on the way.
wait_geldlog_ended() {
    local deadline=$((SECONDS + ${1:-10})) status=0
    while kill -0 "$GELDLOG_PID" 2>/dev/null; do
        if window_shown Afsluiten; then
            fail "the program asked \"Afsluiten\""
        fi
        ((SECONDS < deadline)) || fail "the program still runs after ${1:-10} s"
        sleep 0.1
    done
    wait "$GELDLOG_PID" || status=$?
    GELDLOG_PID=
    ((status == 0)) || fail "the program ended with status $status"
}

geldlog_running() {
    kill -0 "$GELDLOG_PID" 2>/dev/null
}

# click WINDOW X Y: a left click at a place inside the window.
click() {
    xdotool mousemove --sync --window "$1" "$2" "$3" click 1
}

# type_into WINDOW X Y TEXT: click into a text box, replace all its text by TEXT.
type_into() {
    click "$1" "$2" "$3"
    xdotool key ctrl+a
    xdotool type --delay 20 -- "$4"
    # Let the last key events land before the next click.
    sleep 0.2
}

# answer TITLE KEY...: gives the message box with this title the keyboard and presses the keys.
# Questions that throw data away answer Nee to Return; JA (Tab to "Ja", then Return) says Ja.
JA=(Tab Return)
answer() {
    local box
    box=$(wait_window "$1")
    [[ -n $box ]] || fail "no box \"$1\" appeared"
    xdotool windowfocus --sync "$box"
    xdotool key "${@:2}"
    wait_window_gone "$1" 5
}

# add_entry DESCRIPTION INCOME EXPENSE: one entry through the input panel and "Toevoegen".
add_entry() {
    type_into "$MAIN" "${COMBO4[@]}" "$1"
    if [[ -n $2 ]]; then
        type_into "$MAIN" "${TEXT2[@]}" "$2"
    else
        type_into "$MAIN" "${TEXT3[@]}" "$3"
    fi
    click "$MAIN" "${TOEVOEGEN[@]}"
}

# open_window VARIABLE TITLE WHAT X Y: clicks the main window at X Y and sets VARIABLE to the
# window of that title that opens; WHAT names it in the reason of a failure.
open_window() {
    click "$MAIN" "$4" "$5"
    printf -v "$1" '%s' "$(wait_window "$2")"
    [[ -n ${!1} ]] || fail "$3 did not open"
}

# open_save_dialog: clicks MenuKnop(2) and sets SAVE to the dialog's window.
open_save_dialog() {
    open_window SAVE "$SAVE_TITLE" "the save dialog" "${MENU_SAVE[@]}"
}

# save_as NAME: types the name into the open save dialog and clicks "Opslaan".
save_as() {
    type_into "$SAVE" "${SAVE_TEXT1[@]}" "$1"
    click "$SAVE" "${SAVE_OPSLAAN[@]}"
}

# open_dialog_choose_first: opens "Geldlog Openen", chooses the first name and sets OPEN to the
# dialog's window, which stays open.
open_dialog_choose_first() {
    open_window OPEN "$OPEN_TITLE" "the open dialog" "${MENU_OPEN[@]}"
    click "$OPEN" "${OPEN_FIRST_NAME[@]}"
}

# open_first_list: the whole open of the first saved list, waiting until the dialog has closed.
open_first_list() {
    open_dialog_choose_first
    click "$OPEN" "${OPEN_OK[@]}"
    wait_window_gone "$OPEN_TITLE" 10
}

# refused_save NAME WHY: a save under NAME ends in an "Error" box and leaves the save dialog
# open; WHY names the case in the failure reason.
refused_save() {
    open_save_dialog
    save_as "$1"
    answer Error Return
    window_shown "$SAVE_TITLE" || fail "the save dialog closed after $2"
}

# cancel_save_and_leave: closes the save dialog unsaved; leaving then asks "Afsluiten", answered Ja.
cancel_save_and_leave() {
    click "$SAVE" "${SAVE_CANCEL[@]}"
    wait_window_gone "$SAVE_TITLE" 10
    click "$MAIN" "${EXIT_KNOP[@]}"
    answer Afsluiten "${JA[@]}"
    wait_geldlog_ended 10
}

# save_list NAME: the whole save, waiting until the animation has closed the dialog.
save_list() {
    open_save_dialog
    save_as "$1"
    wait_window_gone "$SAVE_TITLE" 15
}

# two_entries_list DATE: the file of the list "Huur" with 500 expense and "Salaris" with
# 2345.5 income, both on DATE (yyyy-MM-dd).
two_entries_list() {
    printf '%s\r\n' \
        "$1" Huur "" "500,00" "$SEPARATOR" \
        "$1" Salaris "2345,50" "" "$SEPARATOR"
}

# expect_file PATH: the file holds exactly the bytes on standard input. On a difference both
# go into the log as character dumps.
expect_file() {
    local name=${1#"$PROGRAM_DIR"/} expected=$E2E_TMP/expected difference
    cat >"$expected"
    [[ -f $1 ]] || fail "no file $name"
    if ! difference=$(cmp -- "$expected" "$1" 2>&1); then
        { echo "Expected $name:"; od -c "$expected"; echo "Found:"; od -c "$1"; } >&2
        difference=${difference//"$expected"/expected}
        fail "$name is not as expected (${difference//"$1"/file})"
    fi
}

# expect_only_program: nothing was written anywhere in the scenario's folder but the
# settings file beside the program.
expect_only_program() {
    local found
    found=$(cd "$E2E_TMP" && find . -type f ! -path ./program/geldlog ! -path ./program/Geldlog.ini \
        ! -path ./expected)
    [[ -z $found ]] || fail "unexpected files: ${found//$'\n'/ }"
}

# --- The settings window "Instellingen" -------------------------------------------------------
# MenuKnop(4) is Frame2 (756,9) + (17,273,56,56). In the window: Text1 (10,221,280,24),
# AddKnop (222,252,67,24), CancelKnop (444,252,66,24), OkKnop (514,252,66,24), HScroll1(i)
# (308,14+22i,116,22) with the left arrow at its left end.
MENU_SETTINGS=(801 310)
SETTINGS_TITLE=Instellingen
SETTINGS_TEXT1=(150 233)
SETTINGS_ADD=(255 264)
SETTINGS_CANCEL=(477 264)
SETTINGS_OK=(547 264)
SETTINGS_LEFT_ARROW_X=313
SETTINGS_BAR_Y=(25 47 69)

# open_settings: clicks MenuKnop(4) and sets SETTINGS to the window.
open_settings() {
    open_window SETTINGS "$SETTINGS_TITLE" "the settings window" "${MENU_SETTINGS[@]}"
}

# lower_colour INDEX N: N clicks on the left arrow of HScroll1(INDEX), one step each.
lower_colour() {
    xdotool mousemove --sync --window "$SETTINGS" "$SETTINGS_LEFT_ARROW_X" "${SETTINGS_BAR_Y[$1]}" \
        click --repeat "$2" --delay 60 1
}

# expect_settings_file R G B: Geldlog.ini holds exactly this colour.
expect_settings_file() {
    printf '"Velbrook Software 2018"\r\n"--------------------------"\r\n%s,%s,%s\r\n' "$@" \
        | expect_file "$PROGRAM_DIR/Geldlog.ini"
}

# expect_main_colour R G B: the main window's own background, left of the table, has this colour.
expect_main_colour() {
    local want found
    want=$(printf '#%02X%02X%02X' "$@")
    found=$(import -window "$MAIN" -crop 1x1+5+5 +repage -depth 8 txt:- 2>/dev/null \
        | grep -o '#[0-9A-F]\{6\}' | head -n 1)
    [[ $found == "$want" ]] || fail "the main window is $found, not $want"
}

# --- The fixed-costs window ---------------------------------------------------------------------
# VasteLastenKnop in the main window: Frame1 (14,440) + (652,144,66,24).
VASTE_LASTEN_KNOP=(699 596)
# In "Vaste lasten": Frame1 at (14,224); ListView2 (15,16,646,190).
VASTE_TITLE="Vaste lasten"
VASTE_DAG=(265 255)      # Combo3 (226,20,50)
VASTE_COMBO4=(126 285)   # Combo4 (12,50,400)
VASTE_TEXT2=(66 316)     # Text2 (12,80,80,24)
VASTE_TEXT3=(66 346)     # Text3 (12,110,80,24)
VASTE_TOEVOEGEN=(66 380) # Knop(0) (12,144,80,24)
VASTE_CANCEL=(547 380)   # CancelKnop (500,144,66,24)
VASTE_EXPORT=(617 380)   # SaveKnop (570,144,66,24)
VASTE_HELP=(617 254)     # HelpKnop (570,18,66,24)

# open_fixed_costs: clicks "Vast" and sets VASTE to the fixed-costs window.
open_fixed_costs() {
    open_window VASTE "$VASTE_TITLE" "the fixed-costs window" "${VASTE_LASTEN_KNOP[@]}"
}

# add_fixed_cost DESCRIPTION INCOME EXPENSE: one row through the window's inputs and "Toevoegen".
add_fixed_cost() {
    type_into "$VASTE" "${VASTE_COMBO4[@]}" "$1"
    if [[ -n $2 ]]; then
        type_into "$VASTE" "${VASTE_TEXT2[@]}" "$2"
    else
        type_into "$VASTE" "${VASTE_TEXT3[@]}" "$3"
    fi
    click "$VASTE" "${VASTE_TOEVOEGEN[@]}"
}

# --- The balance overview and the program information (overview.sh, pictures.sh) ---
GRAFIEK_KNOP=(858 580) # Frame3 (756,440) + GrafiekKnop (74,112,56,56)
SHOW_KNOP=(949 121)    # Frame4 (756,9) + ShowKnop (160,100,66,24)
MENU_INFO=(801 372)    # Frame2 (756,9) + MenuKnop(5) (17,335,56,56)
ABOUT_TITLE="About Geldlog..."

# The program seen as a screen reader sees it, over the accessibility bus (AT-SPI): a label's
# accessible name is its text, with "\n" for a line break. Needs the scenario on a session bus of
# its own (dbus-run-session) and the program started with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1.
ACCESSIBLE_ROOT=/org/a11y/atspi/accessible/root

# accessible_tree [PATH [DEPTH]]: "parent<TAB>path<TAB>name" for every object under PATH (the
# whole program by default) down to DEPTH levels below it, parents first. Each object costs two
# questions over the bus: a shallow look is much quicker than a walk through every item of
# every combo box. Empty until the program has joined the bus.
accessible_tree() {
    local address app
    address=$(gdbus call --session --dest org.a11y.Bus --object-path /org/a11y/bus \
        --method org.a11y.Bus.GetAddress | sed -E "s/^\('(.*)',\)$/\1/")
    for app in $(gdbus call --address "$address" --dest org.a11y.atspi.Registry \
        --object-path "$ACCESSIBLE_ROOT" --method org.a11y.atspi.Accessible.GetChildren \
        | { grep -o "('[^']*'" || true; } | cut -d"'" -f2); do
        accessible_walk "$address" "$app" "${1:-$ACCESSIBLE_ROOT}" - "${2:-99}"
    done
}

accessible_walk() {
    local name child
    # An object may go between the listing of its parent and the question (a row replaced).
    name=$(gdbus call --address "$1" --dest "$2" --object-path "$3" \
        --method org.freedesktop.DBus.Properties.Get org.a11y.atspi.Accessible Name 2>/dev/null \
        | sed -E "s/^\(<['\"](.*)['\"]>,\)$/\1/") || true
    printf '%s\t%s\t%s\n' "$4" "$3" "$name"
    (($5 > 0)) || return 0
    for child in $(gdbus call --address "$1" --dest "$2" --object-path "$3" \
        --method org.a11y.atspi.Accessible.GetChildren 2>/dev/null \
        | { grep -o "'/org/a11y/atspi/accessible/[^']*'" || true; } | cut -d"'" -f2); do
        accessible_walk "$1" "$2" "$child" "$3" $(($5 - 1))
    done
}

# accessible_texts [PATH [DEPTH]]: the name of every object under PATH, one a line.
accessible_texts() {
    accessible_tree "$@" | cut -f3-
}

# accessible_parent TEXT SECONDS DEPTH: prints the path of the object that holds an object
# named TEXT at most DEPTH levels below the program, waiting until the program shows it: a
# panel to look into again and again quickly.
accessible_parent() {
    local deadline=$((SECONDS + $2)) parent
    until parent=$(accessible_tree "$ACCESSIBLE_ROOT" "$3" | awk -F'\t' -v text="$1" '$3 == text { print $1; exit }') \
        && [[ -n $parent ]]; do
        ((SECONDS < deadline)) || fail "\"$1\" not shown after $2 s"
        sleep 0.2
    done
    printf '%s\n' "$parent"
}

# wait_text TEXT SECONDS [PATH]: waits until an object under PATH is named exactly TEXT.
wait_text() {
    local deadline=$((SECONDS + $2))
    until accessible_texts "${3:-}" | grep -qxF -- "$1"; do
        ((SECONDS < deadline)) || fail "\"$1\" not shown after $2 s"
        sleep 0.1
    done
}

# --- The window "Bankafschrift inlezen" -------------------------------------------------------
# At its start size: AnnulerenKnop (745,360,66,24), ToevoegenKnop (815,360,66,24); the chooser
# of Ctrl+I.
BANK_TITLE="Bankafschrift inlezen"
BANK_CHOOSER_TITLE="Bankafschrift kiezen"
BANK_TOEVOEGEN=(848 372)

# ing_statement ROW...: an ING current-account export (UTF-8) of the rows given as
# "YYYYMMDD;name;Af|Bij;amount;notes", in that order.
ing_statement() {
    local row date name direction amount notes
    printf '%s\r\n' '"Datum";"Naam / Omschrijving";"Rekening";"Tegenrekening";"Code";"Af Bij";"Bedrag (EUR)";"Mutatiesoort";"Mededelingen";"Saldo na mutatie";"Tag"'
    for row in "$@"; do
        IFS=';' read -r date name direction amount notes <<<"$row"
        printf '"%s";"%s";"NL20INGB0001234567";"";"GT";"%s";"%s";"Online bankieren";"%s";"1000,00";""\r\n' \
            "$date" "$name" "$direction" "$amount" "$notes"
    done
}

# geldlog_command EXPECTED-STATUS ARGUMENTS...: runs the program without a display in the program
# folder; its output and error output are in $OUT.
geldlog_command() {
    local expected=$1 status=0
    shift
    OUT=$(cd "$PROGRAM_DIR" && env -u DISPLAY -u QT_QPA_PLATFORM ./geldlog "$@" 2>&1) || status=$?
    ((status == expected)) || fail "geldlog $* ended with $status, not $expected: $OUT"
}

# open_statement FILE: Ctrl+I in the main window, FILE typed into the chooser; sets BANK to the
# window "Bankafschrift inlezen".
open_statement() {
    local chooser
    xdotool windowfocus --sync "$MAIN"
    xdotool key ctrl+i
    chooser=$(wait_window "$BANK_CHOOSER_TITLE")
    [[ -n $chooser ]] || fail "Ctrl+I opened no file chooser"
    xdotool windowfocus --sync "$chooser"
    xdotool type --delay 10 -- "$1"
    xdotool key Return
    BANK=$(wait_window "$BANK_TITLE")
    [[ -n $BANK ]] || fail "the bank window did not open for $1"
}

# --- The window "Jaaroverzicht" (year-overview.sh, pictures.sh) -------------------------------
# In the window: JaarKeuze (48,12,80,24), ZoekVak (212,12,280,24), CsvKnop (760,636,120,24).
YEAR_TITLE=Jaaroverzicht
YEAR_ZOEKVAK=(352 24)
YEAR_CSV=(820 648)
YEAR_CSV_TITLE="Jaaroverzicht opslaan als CSV"
MONTHS=(Januari Februari Maart April Mei Juni Juli Augustus September Oktober November December)
# What energy cost in each month, winter dearer than summer.
ENERGY=(142,00 138,00 121,00 98,00 76,00 64,00 61,00 63,00 72,00 95,00 118,00 136,00)

# euros CENTS: the amount as a list writes it, "64,35".
euros() { printf '%d,%02d' $(($1 / 100)) $(($1 % 100)); }
# groceries YEAR MONTH WEEK: what the week's shopping cost, in cents; it differs from year to year.
groceries() { echo $((6000 + ($2 * 731 + $3 * 1379 + $1) % 4500)); }

# household_year YEAR: a household's twelve months of YEAR, a list a month in Data: salary,
# rent, insurance and energy, groceries every week (once written in lower case), child benefit
# each quarter, holiday pay in May and the holiday in August.
household_year() {
    local year=$1 month day mm week
    for month in {1..12}; do
        printf -v mm '%02d' "$month"
        {
            printf '%s\r\n' "$year-$mm-01" Salaris "2345,50" "" "$SEPARATOR" \
                "$year-$mm-01" Huur "" "825,00" "$SEPARATOR" \
                "$year-$mm-03" Zorgverzekering "" "138,20" "$SEPARATOR" \
                "$year-$mm-05" Energie "" "${ENERGY[month - 1]}" "$SEPARATOR"
            for week in 1 2 3 4; do
                printf -v day '%02d' $((week * 7 - 1))
                printf '%s\r\n' "$year-$mm-$day" \
                    "$( ((week == 3 && month % 4 == 0)) && echo "albert heijn" || echo "Albert Heijn")" \
                    "" "$(euros "$(groceries "$year" "$month" "$week")")" "$SEPARATOR"
            done
            ((month % 3 != 1)) || printf '%s\r\n' "$year-$mm-12" Kinderbijslag "287,40" "" "$SEPARATOR"
            ((month != 5)) || printf '%s\r\n' "$year-05-24" Vakantiegeld "1876,40" "" "$SEPARATOR"
            ((month != 8)) || printf '%s\r\n' "$year-08-02" Vakantie "" "1450,00" "$SEPARATOR"
        } >"$DATA/$year ${MONTHS[month - 1]}.lst"
    done
}

# open_year_overview: Ctrl+J in the main window; sets YEAR to the window "Jaaroverzicht".
open_year_overview() {
    xdotool windowfocus --sync "$MAIN"
    xdotool key ctrl+j
    YEAR=$(wait_window "$YEAR_TITLE")
    [[ -n $YEAR ]] || fail "Ctrl+J opened no year overview"
}
