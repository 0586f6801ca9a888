#include "common/CsvBestand.h"

#include "common/Programma.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace {

// The file a safe write to `pad` replaces: a symbolic link is followed, as the write follows it,
// also one that points to nothing yet.
QFileInfo Doel(const QString &pad)
{
    QFileInfo doel(pad);
    for (int schakel = 0; schakel < 40 && doel.isSymLink(); ++schakel)
        doel.setFile(doel.symLinkTarget());
    return doel;
}

// Whether `doel` would lie in the folder `map` or below it. Its nearest folder that exists is
// compared by identity with `map`, and so is each folder above it: a link, "..", another spelling
// of the same folder or a folder still to be made leads no way around it.
bool LigtIn(const QFileInfo &doel, const QString &map)
{
    QFileInfo bestaand(doel.absolutePath());
    while (!bestaand.isDir() && !bestaand.isRoot())
        bestaand.setFile(bestaand.absolutePath());
    const std::filesystem::path data(QFile::encodeName(map).toStdString());
    std::error_code fout;
    for (std::filesystem::path folder(
             QFile::encodeName(bestaand.canonicalFilePath()).toStdString());
         !folder.empty(); folder = folder.parent_path()) {
        if (std::filesystem::equivalent(folder, data, fout))
            return true;
        if (folder == folder.parent_path())
            break;
    }
    return false;
}

// What a file of the program's own is, by its extension, for the Dutch reason: a month, the fixed
// costs, the settings; empty for any other.
QString EigenSoort(const QFileInfo &bestand)
{
    const QString extensie = bestand.suffix().toLower();
    if (extensie == u"lst")
        return QStringLiteral("een lijst van Geldlog");
    if (extensie == u"vls")
        return QStringLiteral("de vaste lasten van Geldlog");
    if (extensie == u"ini")
        return QStringLiteral("een bestand met instellingen");
    return {};
}

} // namespace

QString CsvWeigering(const Programma &programma, const QString &bestand)
{
    for (const QFileInfo &naam : { QFileInfo(bestand), Doel(bestand) }) {
        if (LigtIn(naam, programma.DataMap()))
            return QStringLiteral("Geldlog schrijft geen CSV in zijn eigen map Data.");
        if (const QString soort = EigenSoort(naam); !soort.isEmpty()) {
            return QStringLiteral("Geldlog schrijft geen CSV over \"%1\": een .%2-bestand is %3.")
                .arg(bestand, naam.suffix(), soort);
        }
    }
    return {};
}
