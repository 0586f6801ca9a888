#pragma once

#include "cli/Afloop.h"

#include <QString>
#include <QStringList>

class QTextStream;

// Geldlog without a window: `geldlog importeer|exporteer|overzicht|jaar|zoek …`, `--help`,
// `--version`.

// The program's own arguments (its name first): Qt's own options for a window, as "-reverse",
// "-style Fusion" or "--platform xcb", taken out with their values, as the application takes them
// out, so that what the user asked of Geldlog is told apart before there is an application.
QStringList EigenArgumenten(const QStringList &argumenten);

// Whether the program's own arguments (EigenArgumenten) are for a command rather than the window,
// told without a display. The window takes none or one file that exists (as "Openen met" starts
// it); everything else is for VoerOpdrachtUit, which also answers a word that is no command and a
// file that is not there.
bool IsOpdracht(const QStringList &eigenArgumenten);

// Runs the command of `argumenten` on the program in `programmaMap`: what it did goes to `uit`,
// refusals and wrong use to `fout`, in Dutch.
Afloop VoerOpdrachtUit(const QString &programmaMap, const QStringList &argumenten, QTextStream &uit,
    QTextStream &fout);
