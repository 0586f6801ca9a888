#include "platform/SafeWrite.h"

#include "platform/WriteError.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace {

bool Fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

QString CannotWrite(const QString &path, const QString &reason)
{
    return QStringLiteral("Kan %1 niet schrijven: %2").arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

bool writeFileSafely(const QString &path, const FileWriter &writer, QString *error)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists()) {
        return Fail(error,
            QStringLiteral("De map %1 bestaat niet.")
                .arg(QDir::toNativeSeparators(info.absolutePath())));
    }

    if (info.isDir())
        return Fail(error, CannotWrite(path, writeErrorReason(EISDIR)));

    // Each step notes the system's error number at once: what Qt does after a failed call may
    // overwrite it.
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        return Fail(error, CannotWrite(path, writeErrorReason(errno)));

    QString reason;
    errno = 0;
    // The last bytes wait in the file's buffer: a disk that is full only for them must fail the
    // write here, since commit() does not notice it and would put a cut-off file in place.
    if (!writer(file, &reason) || !file.flush()) {
        const int systemError = errno;
        file.cancelWriting();
        // A writer says why it stopped; one that does not leaves the system's error number.
        return Fail(
            error, CannotWrite(path, reason.isEmpty() ? writeErrorReason(systemError) : reason));
    }
    // Everything is in the temporary file; what can fail now is closing it or putting it in the
    // old one's place.
    errno = 0;
    if (!file.commit()) {
        const int systemError = errno;
        return Fail(error,
            CannotWrite(path,
                file.error() == QFileDevice::RenameError
                    ? QStringLiteral("het nieuwe bestand kon niet op de plaats van het oude komen.")
                    : writeErrorReason(systemError)));
    }
    return true;
}
