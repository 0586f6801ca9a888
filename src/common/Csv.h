#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

// Files for a spreadsheet, as a Dutch one opens them as they stand: ";" between the cells, a
// decimal comma in the amounts, UTF-8 with a byte order mark, CR LF after every line.

// The byte order mark that starts every such file.
inline constexpr char CsvBegin[] = "\xEF\xBB\xBF";

// Appends one cell in UTF-8; a cell that holds the separator, a quote or a line break is quoted,
// its quotes doubled.
void VoegCsvCel(QByteArray &regel, QStringView cel);

// A spreadsheet runs a cell that starts with "=", "+", "-", "@", a tab or a CR as a formula; a
// text that someone else wrote (a description from a bank file) gets a "'" in front. Amounts
// do not go through this: "-12,50" is a number.
QString GeenFormule(QStringView cel);
