#include "common/CsvBestand.h"

#include "common/Programma.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

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

// The program's own files: a month, the fixed costs, the settings.
bool IsEigenBestand(const QFileInfo &bestand)
{
    static const QStringList eigen { QStringLiteral("lst"), QStringLiteral("vls"),
        QStringLiteral("ini") };
    return eigen.contains(bestand.suffix(), Qt::CaseInsensitive);
}

} // namespace

bool MagCsvWorden(const Programma &programma, const QString &bestand)
{
    for (const QFileInfo &naam : { QFileInfo(bestand), Doel(bestand) }) {
        if (IsEigenBestand(naam) || LigtIn(naam, programma.DataMap()))
            return false;
    }
    return true;
}

QString CsvGeweigerd()
{
    return QStringLiteral("Geldlog schrijft geen CSV in zijn eigen map Data.");
}
