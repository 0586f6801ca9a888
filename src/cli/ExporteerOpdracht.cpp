#include "cli/ExporteerOpdracht.h"

#include "cli/OpdrachtLijst.h"
#include "common/Bedrag.h"
#include "common/ItemModel.h"
#include "common/Programma.h"
#include "lists/LijstBestand.h"
#include "platform/SafeWrite.h"
#include "platform/WriteError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QTextStream>

#include <filesystem>

namespace {

// Written in pieces of this size, so a long list never needs its whole file in memory.
constexpr qsizetype Blok = 256 * 1024;

// A cell that holds the separator, a quote or a line break is quoted, its quotes doubled.
void VoegCel(QByteArray &regel, QStringView cel)
{
    QByteArray tekst = cel.toUtf8();
    if (tekst.contains(';') || tekst.contains('"') || tekst.contains('\r')
        || tekst.contains('\n')) {
        tekst.replace('"', "\"\"");
        tekst = '"' + tekst + '"';
    }
    regel += tekst;
}

// A spreadsheet runs a cell that starts with one of these as a formula; a description from a
// bank file is someone else's text.
QString GeenFormule(QStringView cel)
{
    if (!cel.isEmpty() && QStringView(u"=+-@\t\r").contains(cel.front()))
        return u'\'' + cel.toString();
    return cel.toString();
}

QString Bedrag(QStringView cel)
{
    return cel.isEmpty() ? QString() : CentenTekst(BedragCenten(cel));
}

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

// A CSV written over a list, the fixed costs or the settings would take a month or more with it,
// wherever the file lies; in Data it would stand among the lists. Both the name given and the file
// it leads to are looked at.
bool MagCsvWorden(const Programma &programma, const QString &bestand)
{
    for (const QFileInfo &naam : { QFileInfo(bestand), Doel(bestand) }) {
        if (IsEigenBestand(naam) || LigtIn(naam, programma.DataMap()))
            return false;
    }
    return true;
}

} // namespace

bool SchrijfCsv(QIODevice &uit, const ItemRijen &rijen, QString *fout)
{
    QByteArray blok = "\xEF\xBB\xBF"
                      "Datum;Omschrijving;Inkomsten;Uitgaven\r\n";
    for (int rij = 0; rij < rijen.Aantal(); ++rij) {
        const QStringView datum = rijen.Cel(rij, ItemModel::Datum);
        if (datum == u"-")
            continue;
        VoegCel(blok, GeenFormule(datum));
        blok += ';';
        VoegCel(blok, GeenFormule(rijen.Cel(rij, ItemModel::Omschrijving)));
        blok += ';';
        VoegCel(blok, Bedrag(rijen.Cel(rij, ItemModel::Inkomsten)));
        blok += ';';
        VoegCel(blok, Bedrag(rijen.Cel(rij, ItemModel::Uitgaven)));
        blok += "\r\n";
        if (blok.size() >= Blok) {
            if (!writeAll(uit, blok.constData(), blok.size(), fout))
                return false;
            blok.clear();
        }
    }
    return writeAll(uit, blok.constData(), blok.size(), fout);
}

Afloop Exporteer(const Programma &programma, const QString &lijst, const QString &bestand,
    QTextStream &uit, QTextStream &fout)
{
    if (!MagCsvWorden(programma, bestand)) {
        fout << QStringLiteral("Geldlog schrijft geen CSV in zijn eigen map Data.") << '\n';
        return Geweigerd;
    }
    QString reden;
    const std::optional<OpdrachtLijst> gelezen
        = LeesOpdrachtLijst(programma, lijst, QStringLiteral("er is niets geëxporteerd"), &reden);
    if (!gelezen) {
        fout << reden << '\n';
        return Geweigerd;
    }
    if (!gelezen->bestaat) {
        fout << QStringLiteral("De lijst \"%1\" bestaat niet.").arg(gelezen->naam) << '\n';
        return Geweigerd;
    }
    if (!writeFileSafely(
            bestand,
            [&gelezen](QIODevice &csv, QString *waarom) {
                return SchrijfCsv(csv, gelezen->rijen, waarom);
            },
            &reden)) {
        fout << reden << '\n';
        return Geweigerd;
    }
    uit << QStringLiteral("De lijst \"%1\" is geëxporteerd naar \"%2\".")
               .arg(gelezen->naam, QDir::toNativeSeparators(bestand))
        << '\n';
    return Gedaan;
}
