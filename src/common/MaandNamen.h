#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

// The Dutch month names, January first, as every month input of the program lists them.
const QStringList &MaandNamen();

// "01" to "12" for a month name (compared exactly), "" for any other text.
QString MaandNummer(const QString &naam);

// The name of month 1 to 12, "" for any other number.
QString MaandNaam(int nummer);

// A day in running text: "2 maart", with the year "2 maart 2026".
QString DagTekst(QDate datum, bool metJaar);
