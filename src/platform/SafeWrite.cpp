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
    // A write that stopped short without an error: the disk took no more.
    case QFileDevice::NoError:
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
    // The last bytes wait in the file's buffer: a disk that is full only for them must fail the
    // write here, since commit() does not notice it and would put a cut-off file in place.
    const bool written = writer(file, &reason) && file.flush();
    if (!written) {
        // A failing file says why in Dutch; a writer that stopped on its own gives its reason.
        const QString why
            = file.error() != QFileDevice::NoError || reason.isEmpty() ? Reason(file) : reason;
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
