#include "platform/FileList.h"

#include "platform/SortedList.h"

#include <QDir>

#include <algorithm>

QStringList listFiles(const QString &folder, const QString &pattern)
{
    // Matched with case, as the file system names them: every name listed can be opened again
    // by adding the extension of the pattern.
    QStringList names = QDir(folder).entryList(
        { pattern }, QDir::Files | QDir::Hidden | QDir::CaseSensitive, QDir::NoSort);
    // Names equal but for case keep the file system's byte order, so the list is always the same.
    std::sort(names.begin(), names.end());
    sortAlphabetically(names);
    return names;
}
