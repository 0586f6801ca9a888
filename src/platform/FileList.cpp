#include "platform/FileList.h"

#include <QDir>

#include <algorithm>

QStringList listFiles(const QString &folder, const QString &pattern)
{
    // Matched with case, as the file system names them: every name listed can be opened again
    // by adding the extension of the pattern.
    QStringList names = QDir(folder).entryList(
        { pattern }, QDir::Files | QDir::Hidden | QDir::CaseSensitive, QDir::NoSort);
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}
