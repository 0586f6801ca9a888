#!/usr/bin/env bash
# A list of 51 entries printed from the real program through its print dialog on a CUPS queue
# that keeps each job as a PDF: the job comes out as a PDF of two pages. First a queue that takes
# no jobs is picked: the failure is told, the dialog stays, and no job is made. The scenario runs
# a CUPS of its own (its own folder and socket, killed at the end) and leaves the system's CUPS
# alone; it runs as whichever user starts it. The message is read over the accessibility bus of a
# session bus of the scenario's own.
[[ -n ${E2E_OWN_BUS:-} ]] || E2E_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@" >&2
source "$(dirname "$0")/lib.sh"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

MENU_PRINT=(801 248) # Frame2 (756,9) + MenuKnop(3) (17,211,56,56)
# In "Geldlog Afdrukken (...)": Combo2 (12,14,196,...), PrintKnop (354,114,66,24).
COMBO2=(110 24)
PRINT_KNOP=(387 126)
QUEUE=GeldlogPDF
# After GeldlogPDF in the system's order, which is by name.
REFUSING=GeldlogWeigert

# cupsd, lpadmin and cupsreject live in /usr/sbin, which a plain user's PATH leaves out: they
# are looked up there too, and called by their paths.
in_sbin() { PATH=$PATH:/usr/sbin:/sbin command -v "$1"; }
if [[ -z $(in_sbin cupsd) ]] || ! command -v pdfinfo >/dev/null; then
    "$(dirname "$0")/../install-deps" >&2
fi
CUPSD=$(in_sbin cupsd)
LPADMIN=$(in_sbin lpadmin)
CUPSREJECT=$(in_sbin cupsreject)

# Outside the scenario's own folder, which only its user may enter: a CUPS started by root runs
# its filters as lp.
CUPS=$(mktemp -d "${TMPDIR:-/tmp}/geldlog-cups.XXXXXX")
chmod 755 "$CUPS"
CUPSD_PID=
stop_cups() {
    if [[ -n $CUPSD_PID ]]; then
        kill "$CUPSD_PID" 2>/dev/null || true
        wait "$CUPSD_PID" 2>/dev/null || true
        CUPSD_PID=
    fi
    rm -rf "$CUPS"
}
finish_with_cups() {
    local status=$1
    # What is left to do must not count as a new failure.
    set +eE
    trap - ERR
    if ((status != 0)) && [[ -f $CUPS/log/error_log ]]; then
        echo "The scenario's CUPS said:" >&2
        grep -v '^W ' "$CUPS/log/error_log" >&2
    fi
    stop_cups
    (exit "$status")
    finish
}
trap 'finish_with_cups $?' EXIT

# A CUPS with everything in the scenario's folder, reached through its own socket only. Its
# programs are the system's, but for one backend of its own that keeps each job's document, the
# PDF the program sends, under the job's title. A backend only its owner may run runs as that
# owner: root when root starts the scenario, else the scenario's user, as cupsd itself then is.
mkdir -p "$CUPS"/{conf,cache,state,spool,log,pdf,bin/backend}
chmod 1777 "$CUPS/spool"
for folder in filter daemon cgi-bin monitor notifier driver; do
    ln -s "/usr/lib/cups/$folder" "$CUPS/bin/$folder"
done
cat >"$CUPS/bin/backend/geldlog-pdf" <<'BACKEND'
#!/bin/sh
# Asked without arguments which devices it finds: none.
[ $# -eq 0 ] && exit 0
title=$(printf '%s' "$3" | tr -c 'A-Za-z0-9.-' '_')
if [ $# -ge 6 ]; then cat "$6"; else cat; fi >"${DEVICE_URI#geldlog-pdf:}/$title.pdf"
BACKEND
chmod 700 "$CUPS/bin/backend/geldlog-pdf"
cat >"$CUPS/conf/cupsd.conf" <<CONF
Listen $CUPS/cups.sock
LogLevel info
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
cat >"$CUPS/conf/cups-files.conf" <<CONF
ServerRoot $CUPS/conf
CacheDir $CUPS/cache
StateDir $CUPS/state
RequestRoot $CUPS/spool
TempDir $CUPS/spool
ErrorLog $CUPS/log/error_log
AccessLog $CUPS/log/access_log
PageLog $CUPS/log/page_log
Printcap $CUPS/printcap
ServerBin $CUPS/bin
SystemGroup $(id -gn)
CONF
# Bounded by itself too, so that nothing can leave it running (generously: a busy machine runs
# the scenario slowly).
timeout 300 "$CUPSD" -f -c "$CUPS/conf/cupsd.conf" -s "$CUPS/conf/cups-files.conf" \
    >>"$E2E_SHOTS/$E2E_NAME.log" 2>&1 &
CUPSD_PID=$!
export CUPS_SERVER=$CUPS/cups.sock
for _ in $(seq 50); do
    lpstat -r >/dev/null 2>&1 && break
    sleep 0.1
done
lpstat -r >/dev/null 2>&1 || fail "the scenario's CUPS did not start"
# Queues without a driver pass the document on as it is ("raw queues are deprecated", CUPS
# says, on standard error: that warning alone is left out). A CUPS just started on a busy machine
# may refuse a first request, so each is asked again a few times before the scenario fails.
cups_admin() {
    local said
    for _ in $(seq 10); do
        said=$("$@" 2>&1) && { grep -v -i deprecated <<<"$said" >&2 || true; return 0; }
        sleep 0.5
    done
    fail "CUPS refused \"$*\": $said"
}
for queue in "$QUEUE" "$REFUSING"; do
    cups_admin "$LPADMIN" -p "$queue" -E -v "geldlog-pdf:$CUPS/pdf"
done
cups_admin "$LPADMIN" -d "$QUEUE"
cups_admin "$CUPSREJECT" "$REFUSING"
out=$CUPS/pdf

make_program_folder
# A name and a first description too long for their room on paper: both end in "…" there.
name="Afdruk $$ met een naam die veel te lang is voor de titelregel en tot over de tijd en de datum zou lopen"
long="Post 1 met een omschrijving die langer is dan de ruimte tot de kolom Inkomsten en daarom wordt afgekapt"
for n in $(seq 51); do
    description="Post $n" income=
    ((n > 1)) || description=$long income=1234,50
    printf '%s\r\n' "2026-12-$(printf %02d $((n % 28 + 1)))" "$description" "$income" "$n,50" \
        "$SEPARATOR"
done >"$DATA/$name.lst"
start_geldlog
open_first_list

# pick_printer KEY TITLE: picks the printer above or below in Combo2; the caption names it.
pick_printer() {
    click "$PRINT" "${COMBO2[@]}"
    sleep 0.3
    xdotool key "$1" Return
    [[ -n $(wait_window "$2" 5) ]] || fail "no \"$2\" after the pick"
}

# The titles are regular expressions for xdotool.
PRINT_TITLE="Geldlog Afdrukken \\($QUEUE\\)"
REFUSING_TITLE="Geldlog Afdrukken \\($REFUSING\\)"
open_window PRINT "$PRINT_TITLE" "the print dialog on $QUEUE" "${MENU_PRINT[@]}"

# The refusing queue: the reason in an error box, the dialog stays, and no job on any queue.
pick_printer Down "$REFUSING_TITLE"
click "$PRINT" "${PRINT_KNOP[@]}"
[[ -n $(wait_window Error 30) ]] || fail "no error box on the refusing queue"
wait_text 'Het afdrukken is mislukt.\nDe printer neemt geen opdrachten aan.' 10
# The scenario's screenshot: the error box over the print dialog.
shot
answer Error Return
window_shown "$REFUSING_TITLE" || fail "the print dialog closed after the refusal"
jobs=$(lpstat -W all -o)
[[ -z $jobs ]] || fail "the refusal left jobs: $jobs"

pick_printer Up "$PRINT_TITLE"
click "$PRINT" "${PRINT_KNOP[@]}"
wait_window_gone "$PRINT_TITLE" 30

# The job's document name is "Geldlog " and the list's name; the backend names the file after it.
pdf=
for _ in $(seq 300); do
    pdf=$(find "$out" -maxdepth 1 -name "Geldlog_Afdruk_$$*.pdf" 2>/dev/null | head -n 1)
    [[ -n $pdf ]] && ! lpstat -o "$QUEUE" 2>/dev/null | grep -q . && break
    sleep 0.1
done
[[ -n $pdf ]] || fail "no PDF of the job in $out"
mv "$pdf" "$E2E_TMP/print.pdf"
pages=$(pdfinfo "$E2E_TMP/print.pdf" | sed -n 's/^Pages:[[:space:]]*//p')
[[ $pages == 2 ]] || fail "the printed list has $pages pages, not 2"
# The last entry stands on the second page; the places of the texts are checked on the Qt
# backend's own PDFs in the unit tests.
pdftotext -f 2 -l 2 "$E2E_TMP/print.pdf" - | grep -q '^Post 51$' \
    || fail "the second page does not hold the last entry"
pdftoppm -f 1 -l 1 -r 90 -png -singlefile "$E2E_TMP/print.pdf" "$E2E_SHOTS/printed-page"
pdftoppm -f 2 -l 2 -r 60 -png -singlefile "$E2E_TMP/print.pdf" "$E2E_SHOTS/printed-page-2"

click "$MAIN" "${EXIT_KNOP[@]}"
wait_geldlog_ended 10
