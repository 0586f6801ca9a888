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

} // namespace

bool writeFileSafely(const QString &path, const FileWriter &writer, QString *error)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists()) {
        return Fail(error,
            QStringLiteral("De map %1 bestaat niet.")
                .arg(QDir::toNativeSeparators(info.absolutePath())));
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Fail(error, CannotWrite(path, file.errorString()));

    QString reason;
    if (!writer(file, &reason)) {
        file.cancelWriting();
        return Fail(error, CannotWrite(path, reason.isEmpty() ? file.errorString() : reason));
    }
    if (!file.commit())
        return Fail(error, CannotWrite(path, file.errorString()));
    return true;
}
