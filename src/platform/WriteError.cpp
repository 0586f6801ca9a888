#include "platform/WriteError.h"

#include <QIODevice>

#include <cerrno>

QString writeErrorReason(int systemError)
{
    switch (systemError) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("de schijf is vol.");
    case EFBIG:
        return QStringLiteral("het bestand wordt te groot voor deze schijf.");
    case EACCES:
    case EPERM:
        return QStringLiteral("geen toestemming om hier te schrijven.");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("de map bestaat niet.");
    case EROFS:
        return QStringLiteral("de schijf is alleen-lezen.");
    case EISDIR:
        return QStringLiteral("er staat een map met die naam.");
    default:
        return QStringLiteral("het schrijven is mislukt.");
    }
}

bool writeAll(QIODevice &device, const char *bytes, qint64 size, QString *error)
{
    // A short write sets no error on the device, and its errorString() is then Qt's
    // "Unknown error"; the system's error number still says why.
    errno = 0;
    if (device.write(bytes, size) == size)
        return true;
    const int systemError = errno;
    if (error)
        *error = writeErrorReason(systemError);
    return false;
}
