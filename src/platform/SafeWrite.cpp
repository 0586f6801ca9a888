#include "platform/SafeWrite.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

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

// The reason in the user's language; the system's own text is English.
QString Reason(const QFileDevice &file)
{
    switch (file.error()) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return QStringLiteral("geen toestemming om dit bestand te schrijven.");
    case QFileDevice::ResourceError:
        return QStringLiteral("de schijf is vol.");
    case QFileDevice::WriteError:
    case QFileDevice::NoError: // the file took fewer bytes than it was given
        return QStringLiteral("het schrijven is mislukt; misschien is de schijf vol.");
    default:
        return QStringLiteral("het besturingssysteem weigerde het bestand.");
    }
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
        return Fail(error, CannotWrite(path, QStringLiteral("er staat een map met die naam.")));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return Fail(error,
            CannotWrite(path, QStringLiteral("geen toestemming om in deze map te schrijven.")));
    }

    QString reason;
    if (!writer(file, &reason)) {
        // A failing file says why in Dutch; a writer that stopped on its own gives its reason. The
        // file's own text is English, and only "Unknown error" when a full disk took part of
        // the bytes.
        const bool ownReason = !reason.isEmpty() && reason != file.errorString();
        const QString why
            = file.error() != QFileDevice::NoError || !ownReason ? Reason(file) : reason;
        file.cancelWriting();
        return Fail(error, CannotWrite(path, why));
    }
    // The last bytes may still wait in the buffer. Written out by commit() alone, a failure there
    // (a full disk, say) would go unnoticed and an empty or cut-off file replace the old one.
    if (!file.flush()) {
        const QString why = Reason(file);
        file.cancelWriting();
        return Fail(error, CannotWrite(path, why));
    }
    // Everything is in the temporary file; what fails now is putting it in the old one's place.
    if (!file.commit()) {
        return Fail(error,
            CannotWrite(path,
                file.error() == QFileDevice::ResourceError
                    ? Reason(file)
                    : QStringLiteral(
                        "het nieuwe bestand kon niet op de plaats van het oude komen.")));
    }
    return true;
}
