#pragma once

#include <QString>
#include <QStringList>

// A command as the user can type it again, for a message that proposes one: `geldlog importeer
// afschrift.csv "2026 Augustus"`. A word that a shell would split or expand is quoted.
QString Opdrachttekst(const QStringList &woorden);
