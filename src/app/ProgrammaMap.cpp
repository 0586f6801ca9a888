#include "app/ProgrammaMap.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString Data = QStringLiteral("Data");

// A new Data folder with a copy of each starter file, writable by the user. A folder that is
// already there is left as it is, whatever it holds: the user may have removed a starter file.
void LegDataAan(const QString &map, const QString &starters)
{
    const QDir data(map + u'/' + Data);
    if (data.exists() || !data.mkpath(QStringLiteral(".")))
        return;
    for (const QString &naam : QDir(starters).entryList(QDir::Files)) {
        const QString kopie = data.filePath(naam);
        if (QFile::copy(QDir(starters).filePath(naam), kopie)) {
            QFile::setPermissions(
                kopie, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
        }
    }
}

} // namespace

QString StarterMap(const QString &programmaBestandMap)
{
    return QDir::cleanPath(programmaBestandMap + QStringLiteral("/../share/geldlog"));
}

QString KiesProgrammaMap(const QString &programmaBestandMap, const QString &gebruikersMap)
{
    const QString starters = StarterMap(programmaBestandMap);
    if (QFileInfo(programmaBestandMap + u'/' + Data).isDir() || !QFileInfo(starters).isDir()
        || gebruikersMap.isEmpty())
        return programmaBestandMap;
    LegDataAan(gebruikersMap, starters);
    return gebruikersMap;
}
