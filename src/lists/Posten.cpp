#include "lists/Posten.h"

#include "common/Bedrag.h"
#include "common/Programma.h"
#include "lists/LijstBestand.h"

#include <QFile>

Posten LeesPosten(const Programma &programma, std::optional<int> jaar)
{
    Posten posten;
    for (const QString &bestand : LijstBestanden(programma)) {
        // A file no list can have the name of is no list: the open dialog does not offer it.
        const QString naam = LijstVanBestand(bestand);
        if (naam.isEmpty())
            continue;
        QFile file(programma.DataMap() + bestand);
        // Only the entries that count are decoded; those of other years are passed over unread.
        // The date of each entry taken is kept as it was read.
        int zonderDatum = 0;
        std::vector<IsoDatum> datums;
        const auto neem = [&zonderDatum, &datums, jaar](QByteArrayView datum) {
            const std::optional<IsoDatum> gelezen = LeesIsoDatum(datum);
            if (!gelezen)
                ++zonderDatum;
            if (!gelezen || (jaar && gelezen->jaar != *jaar))
                return false;
            datums.push_back(*gelezen);
            return true;
        };
        ItemRijen rijen;
        const bool open = file.open(QIODevice::ReadOnly);
        if (open)
            rijen = LeesLijst(file, neem);
        if (!open || file.error() != QFileDevice::NoError) {
            posten.onleesbaar.append(naam);
            continue;
        }
        posten.zonderDatum += zonderDatum;

        // A group cut off at the end of the file was taken but not read: its date has no row.
        const int lijst = static_cast<int>(posten.lijsten.size());
        for (int rij = 0; rij < rijen.Aantal(); ++rij) {
            posten.posten.push_back(
                { datums[rij], lijst, rij, BedragCenten(rijen.Cel(rij, ItemModel::Inkomsten)),
                    BedragCenten(rijen.Cel(rij, ItemModel::Uitgaven)) });
        }
        posten.lijsten.append(naam);
        posten.rijen.push_back(std::move(rijen));
    }
    return posten;
}

QStringList NietMeegeteld(const Posten &posten)
{
    QStringList zinnen;
    if (posten.zonderDatum == 1)
        zinnen.append(QStringLiteral("1 post zonder leesbare datum niet meegeteld"));
    else if (posten.zonderDatum > 1)
        zinnen.append(QStringLiteral("%1 posten zonder leesbare datum niet meegeteld")
                          .arg(posten.zonderDatum));
    if (!posten.onleesbaar.isEmpty()) {
        QStringList namen;
        for (const QString &naam : posten.onleesbaar)
            namen.append(u'"' + naam + u'"');
        zinnen.append(QStringLiteral("Niet te lezen en niet meegeteld: %1")
                          .arg(namen.join(QStringLiteral(", "))));
    }
    return zinnen;
}

QString GeenPosten(int jaar)
{
    return QStringLiteral("Geen posten in %1").arg(jaar);
}

QString PostenTekst(int aantal, qint64 inkomsten, qint64 uitgaven)
{
    return QStringLiteral("%1 %2: inkomsten € %3, uitgaven € %4, saldo € %5")
        .arg(QString::number(aantal),
            aantal == 1 ? QStringLiteral("post") : QStringLiteral("posten"), CentenTekst(inkomsten),
            CentenTekst(uitgaven), CentenTekst(CentenVerschil(inkomsten, uitgaven)));
}
