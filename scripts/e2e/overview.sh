#!/usr/bin/env bash
# The balance overview over three saved months, with its real pause of a second per list, and
# the program information, closed with Escape; then a scan cut short by closing the program.
# What the program shows is read as a screen reader reads it, over the accessibility bus of a
# session bus of the scenario's own.
# The bus services it starts write to standard output: that goes into the log too.
[[ -n ${E2E_OWN_BUS:-} ]] || E2E_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@" >&2
source "$(dirname "$0")/lib.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

make_program_folder
printf '%s\r\n' 2026-01-01 Salaris "100,00" "30,00" "$SEPARATOR" \
    2026-01-02 Kinderbijslag "50,25" "" "$SEPARATOR" >"$DATA/2026 Januari.lst"
printf '%s\r\n' 2026-02-01 Huur "" "40" "$SEPARATOR" >"$DATA/2026 Februari.lst"
printf '%s\r\n' 2026-03-01 Niets "" "" "$SEPARATOR" >"$DATA/2026 Maart.lst"
start_geldlog

click "$MAIN" "${GRAFIEK_KNOP[@]}"
# The overview panel (program, window, panel, label), looked into again and again.
panel=$(accessible_parent "Totaal €" 30 3)
started=$(date +%s%N)
click "$MAIN" "${SHOW_KNOP[@]}"
wait_text "Gereed..." 15 "$panel"
elapsed=$((($(date +%s%N) - started) / 1000000))
# A second for each of the three lists.
((elapsed >= 2900)) || fail "the overview took only $elapsed ms for three lists"
accessible_texts "$panel" | grep -qxF "Totaal € 80,25" || fail "the total is not 80,25"
balances=$(accessible_texts "$panel" | grep -xE -- '-?[0-9]+,[0-9]{2}' | paste -sd' ')
[[ $balances == "-40,00 120,25 0,00" ]] || fail "the overview shows \"$balances\""
shot

# Back to the menu and to the overview again: the result stays. A click waits for the pointer
# to move, so it leaves the button in between.
click_again() {
    xdotool mousemove --sync --window "$MAIN" 5 5
    click "$MAIN" "$@"
}
click_again "${GRAFIEK_KNOP[@]}"
click_again "${GRAFIEK_KNOP[@]}"
accessible_texts "$panel" | grep -qxF "Totaal € 80,25" || fail "the total went after switching"
click_again "${GRAFIEK_KNOP[@]}"

click "$MAIN" "${MENU_INFO[@]}"
about=$(wait_window "$ABOUT_TITLE")
[[ -n $about ]] || fail "the program information did not open"
version=$(sed -nE 's/^project\(geldlog VERSION ([0-9.]+).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
line="Version : $version / $(stat -c %s "$PROGRAM_DIR/geldlog")\\n"
# The dialog is a window of the program beside the main window, its text a label in it.
accessible_texts "$ACCESSIBLE_ROOT" 2 | grep -qF -- "$line" \
    || fail "the program information shows no \"$line\""
answer "$ABOUT_TITLE" Escape

click "$MAIN" "${EXIT_KNOP[@]}"
wait_geldlog_ended 10

# Closing the program in the middle of a scan ends it at once, without a fault.
start_geldlog
click "$MAIN" "${GRAFIEK_KNOP[@]}"
click "$MAIN" "${SHOW_KNOP[@]}"
sleep 1.5
click "$MAIN" "${EXIT_KNOP[@]}"
wait_geldlog_ended 3
