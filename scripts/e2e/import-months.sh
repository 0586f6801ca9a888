#!/usr/bin/env bash
# A statement of 15 July to 14 August read into July by `geldlog importeer` adds July's
# transactions alone and names August's with the command that adds them; that command, then
# August's own statement read into "augustus 2026" as typed, add each of August's transactions
# once; reading the first statement again adds nothing. The year table then holds, month by month,
# what the bank booked, to the cent.
source "$(dirname "$0")/lib.sh"

make_program_folder
juli=$E2E_TMP/juli-augustus.csv
augustus=$E2E_TMP/augustus.csv
# As ING writes them, newest first; the days of 1 to 14 August are in both.
shared=("20260814;Albert Heijn 1234;Af;87,43;" "20260808;Tikkie;Bij;12,50;Pizza"
    "20260801;Woonstichting;Af;1046,52;Huur augustus")
ing_statement "${shared[@]}" "20260731;Eneco;Af;145,00;Termijn juli" \
    "20260724;Werkgever BV;Bij;2345,67;Salaris juli" "20260718;Bakker;Af;3,15;" \
    "20260715;Albert Heijn 1234;Af;0,99;" >"$juli"
ing_statement "20260831;Eneco;Af;145,00;Termijn augustus" "20260824;Werkgever BV;Bij;2345,67;Salaris" \
    "20260815;Bakker;Af;4,20;" "${shared[@]}" >"$augustus"

geldlog_command 0 importeer "$juli" "Juli 2026"
expected="ING (CSV): 4 posten toegevoegd aan \"Juli 2026\", 0 stonden er al in.
3 posten uit augustus 2026 niet toegevoegd; geldlog importeer $juli \"Augustus 2026\""
[[ $OUT == "$expected" ]] || fail "the import into July said: $OUT"

# The command it proposes, as the household would paste it.
eval "proposed=(${OUT##*; geldlog })"
geldlog_command 0 "${proposed[@]}"
[[ $OUT == 'ING (CSV): 3 posten toegevoegd aan "Augustus 2026", 4 stonden er al in (4 in een andere lijst).' ]] ||
    fail "the proposed command said: $OUT"

geldlog_command 0 importeer "$augustus" "augustus 2026"
[[ $OUT == 'ING (CSV): 3 posten toegevoegd aan "Augustus 2026", 3 stonden er al in.' ]] ||
    fail "August's statement said: $OUT"
geldlog_command 0 importeer "$juli" "Juli 2026"
[[ $OUT == 'ING (CSV): 0 posten toegevoegd aan "Juli 2026", 7 stonden er al in (3 in een andere lijst).' ]] ||
    fail "the first statement read again said: $OUT"
[[ $(cd "$DATA" && ls ./*.lst) == $'./Augustus 2026.lst\n./Juli 2026.lst' ]] ||
    fail "Data holds other lists: $(ls "$DATA")"

# The bank's sum of each month in cents, each transaction once.
bank_sum() {
    cat "$juli" "$augustus" | sort -u | awk -F'";"' -v month="$1" '
        substr($1, 2, 6) == month { cents = $7; gsub(",", "", cents); total += ($6 == "Bij" ? cents : -cents) }
        END { printf "%d", total }'
}
geldlog_command 0 jaar 2026 --csv
for month in 07 08; do
    cents=$(tr -d '\r' <<<"$OUT" | awk -F';' -v column=$((1 + 10#$month)) '$1 == "Totaal" {
        cell = $column; sign = cell ~ /^-/ ? -1 : 1; gsub(/[-,]/, "", cell); printf "%d", sign * cell }')
    [[ $cents == "$(bank_sum "2026$month")" ]] ||
        fail "the year table has $cents cents in month $month, the bank $(bank_sum "2026$month")"
done
