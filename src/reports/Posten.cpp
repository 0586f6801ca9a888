#include "reports/Posten.h"

#include "common/Bedrag.h"
#include "common/Programma.h"
#include "lists/LijstBestand.h"

#include <QFile>

namespace {

int Teken(QChar c)
{
    return c.unicode();
}

int Teken(char c)
{
    return static_cast<unsigned char>(c);
}

// The whole number of the characters from `van` up to `tot`, or -1 when one is no digit.
template<typename Tekst> int Getal(const Tekst &tekst, qsizetype van, qsizetype tot)
{
    int getal = 0;
    for (qsizetype i = van; i < tot; ++i) {
        const auto cijfer = static_cast<unsigned>(Teken(tekst[i]) - '0');
        if (cijfer > 9)
            return -1;
        getal = getal * 10 + static_cast<int>(cijfer);
    }
    return getal;
}

// The same date read from the decoded text or, before decoding, from the file's bytes: the
// characters that make a date are the same in both.
template<typename Tekst> std::optional<PostDatum> LeesDatum(Tekst tekst)
{
    // A date as the program writes it is read at once; one with blanks around it is trimmed first.
    if (tekst.size() != 10 || Teken(tekst[0]) == ' ' || Teken(tekst[9]) == ' ') {
        while (!tekst.isEmpty() && Teken(tekst.front()) == ' ')
            tekst = tekst.sliced(1);
        while (!tekst.isEmpty() && Teken(tekst.back()) == ' ')
            tekst.chop(1);
        if (tekst.size() != 9 && tekst.size() != 10)
            return std::nullopt;
    }
    if (Teken(tekst[4]) != '-' || Teken(tekst[7]) != '-')
        return std::nullopt;
    const PostDatum datum { Getal(tekst, 0, 4), Getal(tekst, 5, 7), Getal(tekst, 8, tekst.size()) };
    if (datum.jaar < 1 || datum.maand < 1 || datum.maand > 12 || datum.dag < 1 || datum.dag > 31)
        return std::nullopt;
    return datum;
}

} // namespace

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
        int zonderDatum = 0;
        const auto neem = [&zonderDatum, jaar](QByteArrayView datum) {
            const std::optional<PostDatum> gelezen = LeesDatum(datum);
            if (!gelezen)
                ++zonderDatum;
            return gelezen && (!jaar || gelezen->jaar == *jaar);
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

        const int lijst = static_cast<int>(posten.lijsten.size());
        for (int rij = 0; rij < rijen.Aantal(); ++rij) {
            posten.posten.push_back({ *LeesDatum(rijen.Cel(rij, ItemModel::Datum)), lijst, rij,
                BedragCenten(rijen.Cel(rij, ItemModel::Inkomsten)),
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
