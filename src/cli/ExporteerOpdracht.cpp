#include "cli/ExporteerOpdracht.h"

#include "cli/OpdrachtLijst.h"
#include "cli/Opdrachttekst.h"
#include "common/Bedrag.h"
#include "common/Csv.h"
#include "common/CsvBestand.h"
#include "common/ItemModel.h"
#include "common/Programma.h"
#include "lists/LijstBestand.h"
#include "platform/SafeWrite.h"
#include "platform/WriteError.h"

#include <QDir>
#include <QFileInfo>
#include <QIODevice>
#include <QTextStream>

namespace {

// Written in pieces of this size, so a long list never needs its whole file in memory.
constexpr qsizetype Blok = 256 * 1024;

QString Bedrag(QStringView cel)
{
    return cel.isEmpty() ? QString() : CentenTekst(BedragCenten(cel));
}

} // namespace

bool SchrijfCsv(QIODevice &uit, const ItemRijen &rijen, QString *fout)
{
    QByteArray blok = CsvBegin;
    blok += "Datum;Omschrijving;Inkomsten;Uitgaven\r\n";
    for (int rij = 0; rij < rijen.Aantal(); ++rij) {
        const QStringView datum = rijen.Cel(rij, ItemModel::Datum);
        if (datum == u"-")
            continue;
        VoegCsvCel(blok, GeenFormule(datum));
        blok += ';';
        VoegCsvCel(blok, GeenFormule(rijen.Cel(rij, ItemModel::Omschrijving)));
        blok += ';';
        VoegCsvCel(blok, Bedrag(rijen.Cel(rij, ItemModel::Inkomsten)));
        blok += ';';
        VoegCsvCel(blok, Bedrag(rijen.Cel(rij, ItemModel::Uitgaven)));
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
    bool vervang, QTextStream &uit, QTextStream &fout)
{
    if (const QString weigering = CsvWeigering(programma, bestand); !weigering.isEmpty()) {
        fout << weigering << '\n';
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
    // A spreadsheet of the household's own, say its budget, is not written over by a slip of the
    // name. A folder of that name is left to the write, which says so.
    if (!vervang && QFileInfo(bestand).isFile()) {
        fout << QStringLiteral("\"%1\" bestaat al; %2 schrijft erover.")
                    .arg(bestand,
                        Opdrachttekst({ QStringLiteral("exporteer"), gelezen->naam, bestand,
                            QStringLiteral("--vervang") }))
             << '\n';
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
