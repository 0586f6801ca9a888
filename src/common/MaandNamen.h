#pragma once

#include <QString>
#include <QStringList>

// The Dutch month names, January first, as every month input of the program lists them.
const QStringList &MaandNamen();

// "01" to "12" for a month name (compared exactly), "" for any other text.
QString MaandNummer(const QString &naam);

// The name of month 1 to 12, "" for any other number.
QString MaandNaam(int nummer);
