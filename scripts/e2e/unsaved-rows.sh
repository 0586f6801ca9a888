#!/usr/bin/env bash
# Unsaved rows are not thrown away without a word: opening a list or starting a new one over
# them asks first, and Nee (also Return, its default) keeps rows and dialog. On the way, as a
# user meets them: a double-click on "Toevoegen" adds the entry once, a deleted row leaves the
# inputs as they were and no row chosen, and the dialogs work with the keyboard alone.
source "$(dirname "$0")/lib.sh"

# dialog_by_keyboard BUTTON TITLE KEY...: opens a dialog from the menu, gives it the keyboard
# and presses the keys; DIALOG is its window.
dialog_by_keyboard() {
    open_window DIALOG "$3" "\"$3\"" "${@:1:2}"
    dialog_keys "${@:4}"
}

# dialog_keys KEY...: the keyboard back to the dialog (no window manager does it), and the keys.
dialog_keys() {
    xdotool windowfocus --sync "$DIALOG"
    xdotool key "$@"
}

# save_by_keyboard NAME: the save dialog's name box replaced by NAME, then Return.
save_by_keyboard() {
    dialog_by_keyboard "${MENU_SAVE[@]}" "$SAVE_TITLE" ctrl+a
    xdotool type --delay 20 -- "$1"
    xdotool key Return
    wait_window_gone "$SAVE_TITLE" 15
}

make_program_folder
two_entries_list 2018-01-15 >"$DATA/2026 December.lst"
start_geldlog

type_into "$MAIN" "${COMBO4[@]}" Huur
type_into "$MAIN" "${TEXT3[@]}" 500
xdotool mousemove --sync --window "$MAIN" "${TOEVOEGEN[@]}" click --repeat 2 --delay 120 1
sleep 0.5
if window_shown Geldlog; then
    fail "a double-click on Toevoegen clicked twice"
fi
add_entry Brood "" 2

# The first row deleted; a change typed afterwards changes no row.
click "$MAIN" "${FIRST_ROW[@]}"
click "$MAIN" "${VERWIJDEREN[@]}"
answer " Delete" "${JA[@]}"
type_into "$MAIN" "${TEXT3[@]}" 99
click "$MAIN" "${WIJZIGEN[@]}"
save_by_keyboard Eigen
printf '%s\r\n' "$TODAY" Brood "" "2,00" "$SEPARATOR" | expect_file "$DATA/Eigen.lst"

add_entry Melk "" 1.5
dialog_by_keyboard "${MENU_OPEN[@]}" "$OPEN_TITLE" Down Return
answer Geldlog Return
window_shown "$OPEN_TITLE" || fail "Nee closed the open dialog"
dialog_keys Escape
wait_window_gone "$OPEN_TITLE"
save_by_keyboard Nee
printf '%s\r\n' "$TODAY" Brood "" "2,00" "$SEPARATOR" "$TODAY" Melk "" "1,50" "$SEPARATOR" \
    | expect_file "$DATA/Nee.lst"

# Nee to a new list over them keeps rows and dialog too.
add_entry Kaas "" 3
dialog_by_keyboard "${MENU_NEW[@]}" "$NEW_TITLE" Return
answer Geldlog Return
window_shown "$NEW_TITLE" || fail "Nee closed the new-list dialog"
dialog_keys Escape
wait_window_gone "$NEW_TITLE"

# Ja opens the list, which then holds no unsaved changes: opening it again asks nothing.
dialog_by_keyboard "${MENU_OPEN[@]}" "$OPEN_TITLE" Down Return
answer Geldlog "${JA[@]}"
wait_window_gone "$OPEN_TITLE"
dialog_by_keyboard "${MENU_OPEN[@]}" "$OPEN_TITLE" Down Return
wait_window_gone "$OPEN_TITLE" 5
save_by_keyboard Kopie
two_entries_list 2018-01-15 | expect_file "$DATA/Kopie.lst"

shot
click "$MAIN" "${EXIT_KNOP[@]}"
wait_geldlog_ended 10
