#pragma once

#include <QString>
#include <QStringList>

// The names of the files in `folder` matching `pattern` (e.g. "*.lst"), sorted alphabetically
// without regard to case. A missing folder gives an empty list.
QStringList listFiles(const QString &folder, const QString &pattern);
