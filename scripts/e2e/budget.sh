#!/usr/bin/env bash
# The budget over a household's last year and this one: Ctrl+B, "Voorstel" fills every budget
# from the twelve months before this one, one budget typed anew; the budgets file compared by
# bytes, and the window's sentence of what is free to spend read back, as a screen reader reads
# it, as it changes: the same as `geldlog begroting` says.
[[ -n ${E2E_OWN_BUS:-} ]] || E2E_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@" >&2
source "$(dirname "$0")/lib.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

make_program_folder
year=$(date +%Y) month=$((10#$(date +%m)))
household_year $((year - 1))
household_year "$year"

# The groceries of the twelve months before this one, per month rounded up to whole euros.
cents=0
for ((back = 12; back >= 1; back--)); do
    y=$year m=$((month - back))
    ((m >= 1)) || { ((m += 12)) && ((y -= 1)); }
    for week in 1 2 3 4; do ((cents += $(groceries "$y" "$m" "$week"))); done
done
proposed_groceries="$(((cents + 1199) / 1200)),00"
# budgets_file GROCERIES: the budgets file with that budget for the groceries; the others as
# proposed: rent, insurance, energy (1184,00 a year) and the holiday (1450,00 a year).
budgets_file() {
    printf '%s\r\n' "Geldlog begroting 1"
    printf '%s\t%s\t\r\n' "Albert Heijn" "$1" Energie 99,00 Huur 825,00 Vakantie 121,00 \
        Zorgverzekering 139,00
}

# expect_sentence BUDGET: once the budgets file holds BUDGET, the window shows the sentence of what
# is free to spend that `geldlog begroting` prints.
expect_sentence() {
    local deadline=$((SECONDS + 10))
    until grep -qF -- "$1" "$DATA/Begroting.txt"; do
        ((SECONDS < deadline)) || fail "the budgets file holds no \"$1\""
        sleep 0.1
    done
    SHOWN=$(cd "$PROGRAM_DIR" && ./geldlog begroting | grep '^Vrij te besteden')
    until accessible_texts "$dialog" 1 | grep -qxF -- "$SHOWN"; do
        ((SECONDS < deadline)) || fail "the window does not show \"$SHOWN\""
        sleep 0.2
    done
}

start_geldlog
xdotool windowfocus --sync "$MAIN" key ctrl+b
BUDGET=$(wait_window Begroting)
[[ -n $BUDGET ]] || fail "Ctrl+B opened no budget"
# The window, as the parent of its sentence, which it shows before any budget is set.
dialog=$(accessible_parent "$(cd "$PROGRAM_DIR" && ./geldlog begroting | grep '^Vrij te besteden')" 30 3)
[[ ! -e $DATA/Begroting.txt ]] || fail "opening the budget wrote it"

click "$BUDGET" 50 508 # VoorstelKnop (12,496,76,24)
expect_sentence Zorgverzekering
before=$SHOWN
budgets_file "$proposed_groceries" | expect_file "$DATA/Begroting.txt"
# The only household spending is the groceries, last of the last group: their budget typed anew,
# above what four weeks of them ever cost, so what is left of it counts whatever the day.
xdotool key ctrl+End Up
xdotool type --delay 20 -- 900
xdotool key Return
expect_sentence 900,00
[[ $SHOWN != "$before" ]] || fail "what is free to spend stayed \"$SHOWN\" with another budget"
budgets_file 900,00 | expect_file "$DATA/Begroting.txt"
shot

answer Begroting Escape
