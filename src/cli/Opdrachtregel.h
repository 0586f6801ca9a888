#pragma once

#include "cli/Afloop.h"

#include <QString>
#include <QStringList>

class QTextStream;

// Geldlog without a window: `geldlog importeer|exporteer|overzicht|jaar|zoek …`, `--help`,
// `--version`.

// Whether the arguments (the program's name first) ask for a command rather than the window:
// the first argument names a command or asks for help or the version. Anything else, a file
// name too, opens the window.
bool IsOpdracht(const QStringList &argumenten);

// Runs the command of `argumenten` on the program in `programmaMap`: what it did goes to `uit`,
// refusals and wrong use to `fout`, in Dutch.
Afloop VoerOpdrachtUit(const QString &programmaMap, const QStringList &argumenten, QTextStream &uit,
    QTextStream &fout);
