#!/usr/bin/env bash
# The Debian package as a new user meets it: unpacked into a root of its own, started by the
# command line of its menu entry from a fresh home folder. The first start lays out the user's
# Data folder with the starter descriptions; a month typed in and saved lands there, byte for
# byte, with the settings file beside it, and nothing is written where the program is installed.
source "$(dirname "$0")/lib.sh"

# The newest package; none when the folder holds none, which is said below, not by ls.
package=${GELDLOG_PACKAGE:-$(ls -t "$(dirname "$0")"/../../build/package/geldlog_*_amd64.deb \
    2>/dev/null | head -n 1 || true)}
[[ -f $package ]] || fail "no package in build/package (make package)"
[[ $package -nt $GELDLOG ]] || fail "the package is older than the program (make package)"

root=$E2E_TMP/root
dpkg-deb -x "$package" "$root"
entry=$root/usr/share/applications/geldlog.desktop
for file in "$entry" "$root/usr/bin/geldlog" "$root/usr/share/geldlog/Omschrijving.txt" \
    "$root/usr/share/icons/hicolor/scalable/apps/geldlog.svg"; do
    [[ -f $file ]] || fail "the package lacks ${file#"$root"}"
done
grep -qx 'Icon=geldlog' "$entry" || fail "the menu entry names no icon geldlog"
command=$(sed -n 's/^Exec=//p' "$entry")
[[ -n $command ]] || fail "the menu entry has no command"
# Started from the menu without a file, the desktop drops the entry's file field code.
command=${command//%[fFuU]/}

export HOME=$E2E_TMP/home
unset XDG_DATA_HOME XDG_CONFIG_HOME
mkdir -p "$HOME"
PROGRAM_DIR=$HOME/.local/share/Geldlog
DATA=$PROGRAM_DIR/Data
touch "$E2E_TMP/before"
sleep 0.01

# As the desktop starts it: the command of the entry, found on the PATH, from the home folder.
# shellcheck disable=SC2086 # the command line is split into its words as the desktop does
PATH=$root/usr/bin:$PATH start_in "$HOME" $command
add_entry Huur "" 500
add_entry Salaris 2345.5 ""
save_list "2026 December"
two_entries_list "$TODAY" | expect_file "$DATA/2026 December.lst"
expect_file "$DATA/Omschrijving.txt" <"$root/usr/share/geldlog/Omschrijving.txt"

shot
click "$MAIN" "${EXIT_KNOP[@]}"
wait_geldlog_ended 10
[[ -f $PROGRAM_DIR/Geldlog.ini ]] || fail "no Geldlog.ini in $PROGRAM_DIR"
written=$(find "$root" -newer "$E2E_TMP/before")
[[ -z $written ]] || fail "written where the program is installed: ${written//$'\n'/ }"
