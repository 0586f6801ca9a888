#pragma once

#include <QByteArray>
#include <QString>

// Reads a whole file of at most `limit` bytes into `bytes`. When it cannot, false with the reason
// in Dutch in `error`, worded like writeErrorReason's ("het bestand bestaat niet."), so the
// window can name the file before it.
bool readWholeFile(const QString &path, qint64 limit, QByteArray *bytes, QString *error);
