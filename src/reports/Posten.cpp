#include "reports/Posten.h"

#include "common/Bedrag.h"
#include "common/Programma.h"
#include "lists/LijstBestand.h"

#include <QFile>

namespace {

// The whole number of exactly those characters, or -1 when one is no digit.
int Getal(QStringView cijfers)
{
    int getal = 0;
    for (const QChar c : cijfers) {
        if (c < u'0' || c > u'9')
            return -1;
        getal = getal * 10 + (c.unicode() - u'0');
    }
    return getal;
}

} // namespace

std::optional<PostDatum> LeesPostDatum(QStringView tekst)
{
    while (!tekst.isEmpty() && tekst.front() == u' ')
        tekst = tekst.sliced(1);
    while (!tekst.isEmpty() && tekst.back() == u' ')
        tekst.chop(1);
    if ((tekst.size() != 9 && tekst.size() != 10) || tekst[4] != u'-' || tekst[7] != u'-')
        return std::nullopt;
    const PostDatum datum { Getal(tekst.first(4)), Getal(tekst.sliced(5, 2)),
        Getal(tekst.sliced(8)) };
    if (datum.jaar < 1 || datum.maand < 1 || datum.maand > 12 || datum.dag < 1 || datum.dag > 31)
        return std::nullopt;
    return datum;
}

Posten LeesPosten(const Programma &programma, std::optional<int> jaar)
{
    Posten posten;
    for (const QString &bestand : LijstBestanden(programma)) {
        // A file no list can have the name of is no list: the open dialog does not offer it.
        const QString naam = LijstVanBestand(bestand);
        if (naam.isEmpty())
            continue;
        QFile file(programma.DataMap() + bestand);
        ItemRijen rijen;
        const bool open = file.open(QIODevice::ReadOnly);
        if (open)
            rijen = LeesLijst(file);
        if (!open || file.error() != QFileDevice::NoError) {
            posten.onleesbaar.append(naam);
            continue;
        }

        const int lijst = static_cast<int>(posten.lijsten.size());
        for (int rij = 0; rij < rijen.Aantal(); ++rij) {
            const std::optional<PostDatum> datum = LeesPostDatum(rijen.Cel(rij, ItemModel::Datum));
            if (!datum) {
                ++posten.zonderDatum;
                continue;
            }
            if (jaar && datum->jaar != *jaar)
                continue;
            posten.posten.push_back(
                { *datum, lijst, rij, BedragCenten(rijen.Cel(rij, ItemModel::Inkomsten)),
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

QString PostenTekst(int aantal, qint64 inkomsten, qint64 uitgaven)
{
    return QStringLiteral("%1 %2: inkomsten € %3, uitgaven € %4, saldo € %5")
        .arg(QString::number(aantal),
            aantal == 1 ? QStringLiteral("post") : QStringLiteral("posten"), CentenTekst(inkomsten),
            CentenTekst(uitgaven), CentenTekst(CentenVerschil(inkomsten, uitgaven)));
}
