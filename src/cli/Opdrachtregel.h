#pragma once

#include "cli/Afloop.h"

#include <QString>
#include <QStringList>

class QTextStream;

// Geldlog without a window: `geldlog importeer|exporteer|overzicht|jaar|zoek …`, `--help`,
// `--version`.

// Whether the arguments (the program's name first) are for a command rather than the window,
// told without a display. The window takes none, one file that exists (as "Openen met" starts it)
// or Qt's own options; everything else is for VoerOpdrachtUit, which also answers a word that is
// no command and a file that is not there.
bool IsOpdracht(const QStringList &argumenten);

// Runs the command of `argumenten` on the program in `programmaMap`: what it did goes to `uit`,
// refusals and wrong use to `fout`, in Dutch.
Afloop VoerOpdrachtUit(const QString &programmaMap, const QStringList &argumenten, QTextStream &uit,
    QTextStream &fout);
