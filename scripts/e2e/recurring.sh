#!/usr/bin/env bash
# A year of statements read in over three months kept by hand: `geldlog importeer` tells the
# swimming lessons that stopped and the rent raised, once each, and `geldlog terugkerend --csv`
# lists the contracts. In "Vast", "Gevonden..." ticks the salary and the rent, whose fixed cost
# has last year's amount; "Toevoegen aan vaste lasten", "Sluiten" and "Export" leave both there.
source "$(dirname "$0")/lib.sh"

make_program_folder
# The first of each of the last thirteen months, the oldest first, and of the next.
M=()
for months in {-12..1}; do
    M+=("$(date -d "$(date +%Y-%m-01) $(printf %+d "$months") month" +%F)")
done
list_name() { printf '%s %s' "${1%%-*}" "${MONTHS[10#${1:5:2} - 1]}"; }

# The two oldest months by hand, as the household typed them; the fixed costs at the old rent.
for m in 0 1; do
    printf '%s\r\n' "${M[m]}" Huur "" "1046,52" "$SEPARATOR" "${M[m]}" Salaris "3214,56" "" \
        "$SEPARATOR" "${M[m]}" Zwemles "" "45,00" "$SEPARATOR" >"$DATA/$(list_name "${M[m]}").lst"
done
printf '%s\r\n' - Huur "" "1046,52" "$SEPARATOR" >"$DATA/Vastelasten.vls"
# The month the rent was raised, the fixed costs exported at the old rent before its statement.
printf '%s\r\n' "${M[7]}" Huur "" "1046,52" "$SEPARATOR" >"$DATA/$(list_name "${M[7]}").lst"

told=()
for m in {0..12}; do
    day=${M[m]//-/}
    rows=("$day;Werkgever BV;Bij;3214,56;Salaris" "$day;Woonstichting Thuis;Af;$(
        ((m < 7)) && echo 1046,52 || echo 1088,38);Huur")
    ((m < 6)) && rows+=("$day;Zwembad De Otter;Af;45,00;Zwemles Lotte")
    # Groceries on any day: no series.
    ((m < 12)) && rows+=("${day%01}$((10 + m * 7 % 19));ALBERT HEIJN 1403 HAARLEM NLD;Af;$((20 + m * 13 % 70)),15;"
        "${day%01}$((12 + m * 5 % 17));ALBERT HEIJN 1403 HAARLEM NLD;Af;$((90 - m * 11 % 60)),40;")
    ing_statement "${rows[@]}" >"$E2E_TMP/afschrift.csv"
    geldlog_command 0 importeer "$E2E_TMP/afschrift.csv" "$(list_name "${M[m]}")"
    while IFS= read -r line; do told+=("$line"); done < <(grep '^Let op' <<<"$OUT" || true)
done
# The stop is told with the month after the missed payment, the rise with its second payment.
last_lesson="${M[5]:8:1}${M[5]:9:1} ${MONTHS[10#${M[5]:5:2} - 1],,}"
last_lesson=${last_lesson#0}
[[ ${M[5]:0:4} == "${M[7]:0:4}" ]] || last_lesson+=" ${M[5]:0:4}"
expected=("Let op: Zwembad De Otter (Zwemles) € 45,00 per maand is gestopt, laatst op $last_lesson."
    "Let op: Woonstichting Thuis (Huur) € 1088,38 per maand, was € 1046,52.")
[[ ${told[*]} == "${expected[*]}" ]] || fail "the imports told: ${told[*]}"

geldlog_command 0 terugkerend --csv
csv=$'\xEF\xBB\xBF'"Omschrijving;Tegenpartij;Elke;Bedrag;Sinds;Laatst;Volgende;Wijziging;Stand"$'\r'
csv+=$'\n'"Salaris;Werkgever BV;maand;3214,56;${M[0]};${M[12]};${M[13]};;loopt"$'\r'
csv+=$'\n'"Huur;Woonstichting Thuis;maand;-1088,38;${M[0]};${M[12]};${M[13]};-1046,52 → -1088,38 per ${M[7]};loopt"$'\r'
csv+=$'\n'"Zwemles;Zwembad De Otter;maand;-45,00;${M[0]};${M[5]};;;gestopt"$'\r'
[[ $OUT == "$csv" ]] || fail "geldlog terugkerend --csv wrote: $OUT"

start_geldlog
open_fixed_costs
click "$VASTE" "${VASTE_GEVONDEN[@]}"
TERUG=$(wait_window "$TERUG_TITLE")
[[ -n $TERUG ]] || fail "\"Gevonden...\" opened no window"
# The first contract is current: Space ticks it, Down goes on to the rent.
xdotool windowfocus --sync "$TERUG" key space Down space
click "$TERUG" "${TERUG_TOEVOEGEN[@]}"
shot
click "$TERUG" "${TERUG_SLUITEN[@]}"
wait_window_gone "$TERUG_TITLE"
click "$VASTE" "${VASTE_EXPORT[@]}"
wait_window_gone "$VASTE_TITLE"
printf '%s\r\n' - Huur "" "1088,38" "$SEPARATOR" - Salaris "3214,56" "" "$SEPARATOR" \
    | expect_file "$DATA/Vastelasten.vls"
# The exported rows are the month's unsaved changes.
click "$MAIN" "${EXIT_KNOP[@]}"
answer Afsluiten "${JA[@]}"
wait_geldlog_ended 10
