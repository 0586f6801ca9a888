#!/usr/bin/env bash
# A list of 51 entries printed from the real program through its print dialog on a CUPS queue
# with cups-pdf: the job comes out as a PDF of two pages. First a queue that takes no jobs is
# picked: the failure is told, the dialog stays, and no job is made. The scenario runs a CUPS
# of its own (its own folder and socket, killed at the end) and leaves the system's CUPS alone.
# The cups-pdf backend runs only as root. The message is read over the accessibility bus of a
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

((EUID == 0)) || fail "the cups-pdf backend needs root"
if ! command -v cupsd >/dev/null || ! command -v pdfinfo >/dev/null \
    || [[ ! -x /usr/lib/cups/backend/cups-pdf ]]; then
    "$(dirname "$0")/../install-deps" >&2
fi

# Outside the scenario's own folder, which only its user may enter: the filters run as lp.
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

# A CUPS with everything in the scenario's folder, reached through its own socket only.
mkdir -p "$CUPS"/{conf,cache,state,spool,log}
chmod 1777 "$CUPS/spool"
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
SystemGroup root
CONF
# Bounded by itself too, so that nothing can leave it running.
timeout 80 cupsd -f -c "$CUPS/conf/cupsd.conf" -s "$CUPS/conf/cups-files.conf" \
    >>"$E2E_SHOTS/$E2E_NAME.log" 2>&1 &
CUPSD_PID=$!
export CUPS_SERVER=$CUPS/cups.sock
for _ in $(seq 50); do
    lpstat -r >/dev/null 2>&1 && break
    sleep 0.1
done
lpstat -r >/dev/null 2>&1 || fail "the scenario's cupsd did not start"
for queue in "$QUEUE" "$REFUSING"; do
    lpadmin -p "$queue" -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
done
lpadmin -d "$QUEUE"
cupsreject "$REFUSING"

# cups-pdf writes where its configuration says, by default into the PDF folder of the user.
home=$(getent passwd "$(id -un)" | cut -d: -f6)
out=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
out=${out:-/var/spool/cups-pdf/\${USER\}}
out=${out//\$\{HOME\}/$home}
out=${out//\$\{USER\}/$(id -un)}

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

# The job's document name is "Geldlog " and the list's name; cups-pdf names the file after it.
pdf=
for _ in $(seq 300); do
    pdf=$(find "$out" -maxdepth 1 -name "Geldlog_Afdruk_$$*.pdf" 2>/dev/null | head -n 1)
    [[ -n $pdf ]] && ! lpstat -o "$QUEUE" 2>/dev/null | grep -q . && break
    sleep 0.1
done
[[ -n $pdf ]] || fail "no PDF from cups-pdf in $out"
mv "$pdf" "$E2E_TMP/print.pdf"
pages=$(pdfinfo "$E2E_TMP/print.pdf" | sed -n 's/^Pages:[[:space:]]*//p')
[[ $pages == 2 ]] || fail "the printed list has $pages pages, not 2"
# The PDF that cups-pdf makes of the PostScript holds no text to read back; the pages are
# there to be looked at. The places of the texts are checked on the Qt backend's own PDFs.
pdftoppm -f 1 -l 1 -r 90 -png -singlefile "$E2E_TMP/print.pdf" "$E2E_SHOTS/printed-page"
pdftoppm -f 2 -l 2 -r 60 -png -singlefile "$E2E_TMP/print.pdf" "$E2E_SHOTS/printed-page-2"

click "$MAIN" "${EXIT_KNOP[@]}"
wait_geldlog_ended 10
