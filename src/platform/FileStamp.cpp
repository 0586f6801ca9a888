#include "platform/FileStamp.h"

#include <QFileInfo>

FileStamp FileStamp::of(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile())
        return {};
    return { file.size(), file.lastModified().toUTC() };
}
