#!/usr/bin/env bash
# The real program killed with SIGKILL at random moments while it saves a list of 100,000
# entries over its old file: each time the file is, byte for byte, the old one or the new one.
# The old file has LF line ends, which the program reads and then writes as CR LF, so the two
# differ in every line.
source "$(dirname "$0")/lib.sh"

make_program_folder
awk 'BEGIN { for (i = 0; i < 100000; i++)
    printf "2026-12-%02d\nBoodschappen week %d\n%s\n%s\n----------------------------\n",
        1 + i % 28, i % 100, i % 2 ? "" : i % 1000 ",45", i % 2 ? i % 1000 ",45" : "" }' \
    >"$E2E_TMP/old"
tr -d '\r' <"$E2E_TMP/old" | sed 's/$/\r/' >"$E2E_TMP/new"
list=$DATA/Maand.lst

# Waiting by reading a pipe nobody writes to starts no process, so even short pauses are exact.
mkfifo "$E2E_TMP/still"
exec {still}<>"$E2E_TMP/still"

old=0 new=0
for drill in 1 2 3 4 5 6; do
    cp "$E2E_TMP/old" "$list"
    start_geldlog
    open_first_list
    open_save_dialog
    # The save runs within the click and takes some 20 ms. The kills spread over 0 to 60 ms after
    # xdotool starts to click, so they land before, during and after the save.
    xdotool mousemove --sync --window "$SAVE" "${SAVE_OPSLAAN[@]}"
    delay=$(printf '0.%03d' $(((drill - 1) * 10 + RANDOM % 10)))
    xdotool click 1 &
    read -r -t "$delay" -u "$still" || true
    kill -KILL "$GELDLOG_PID"
    wait $! || true
    wait "$GELDLOG_PID" 2>/dev/null || true
    GELDLOG_PID=
    if cmp -s "$E2E_TMP/old" "$list"; then
        old=$((old + 1))
    elif cmp -s "$E2E_TMP/new" "$list"; then
        new=$((new + 1))
    else
        fail "drill $drill (killed after ${delay} s): the list is neither the old nor the new file"
    fi
    found=$(cd "$DATA" && find . -mindepth 1 ! -name Maand.lst)
    [[ -z $found ]] || fail "drill $drill left files in Data: ${found//$'\n'/ }"
done
echo "killed during a save: old $old, new $new, broken 0" >&2
