#include "platform/ReadFile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace {

// The system's own texts are English; the reason comes from its error number instead.
QString readErrorReason(int systemError)
{
    switch (systemError) {
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("het bestand bestaat niet.");
    case EACCES:
    case EPERM:
        return QStringLiteral("geen toestemming om het te lezen.");
    case EISDIR:
        return QStringLiteral("het is een map, geen bestand.");
    default:
        return QStringLiteral("het lezen is mislukt.");
    }
}

bool fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

} // namespace

bool readWholeFile(const QString &path, qint64 limit, QByteArray *bytes, QString *error)
{
    const QFileInfo info(path);
    // Qt refuses a folder before the system is asked, so no error number says why.
    if (info.isDir())
        return fail(error, readErrorReason(EISDIR));

    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        return fail(error, readErrorReason(info.exists() ? errno : ENOENT));

    const QString tooLarge = QStringLiteral("het is te groot (meer dan %1 MB).").arg(limit >> 20);
    if (file.size() > limit)
        return fail(error, tooLarge);
    // In pieces, so a pipe or device, which tells no size, is held to the limit too.
    QByteArray content;
    content.reserve(file.size());
    constexpr qint64 piece = 1 << 20;
    while (content.size() <= limit) {
        errno = 0;
        const QByteArray part = file.read(piece);
        if (file.error() != QFileDevice::NoError)
            return fail(error, readErrorReason(errno));
        if (part.isEmpty())
            break;
        content += part;
    }
    if (content.size() > limit)
        return fail(error, tooLarge);
    *bytes = std::move(content);
    return true;
}
