#include "lists/Posten.h"

#include "common/Bedrag.h"
#include "common/Programma.h"
#include "lists/LijstBestand.h"
#include "lists/LijstNamen.h"

#include <QFile>

#include <limits>

namespace {

// A month as one number, so that a span of months is two.
int MaandTal(int jaar, int maand)
{
    return jaar * 12 + maand - 1;
}

// Which entries to read.
struct Keuze {
    int van = std::numeric_limits<int>::min();
    int tot = std::numeric_limits<int>::max();
    QString behalve; // a list not to read at all

    bool Neemt(const IsoDatum &datum) const
    {
        const int maand = MaandTal(datum.jaar, datum.maand);
        return maand >= van && maand <= tot;
    }
};

// How a group taken is dated: its date, the month of its list (a fixed cost dated "-" in a list
// named after a month), or nothing that counts.
struct Datering {
    enum Soort { Gedateerd, ZonderMaand, Onleesbaar } soort = Onleesbaar;
    IsoDatum datum;
};

// A group of nothing but blanks: the empty lines an editor leaves, or an entry emptied by hand.
bool Leeg(const ItemRijen &rijen, int rij)
{
    for (int kolom = 0; kolom < ItemRijen::AantalCellen; ++kolom) {
        if (!rijen.Cel(rij, kolom).trimmed().isEmpty())
            return false;
    }
    return true;
}

Posten Lees(const Programma &programma, const Keuze &keuze)
{
    Posten posten;
    for (const QString &bestand : LijstBestanden(programma)) {
        // A file no list can have the name of is no list: the open dialog does not offer it.
        const QString naam = LijstVanBestand(bestand);
        if (naam.isEmpty() || naam == keuze.behalve)
            continue;
        const QDate maand = MaandVanLijst(naam);
        const std::optional<IsoDatum> vasteDatum = maand.isValid()
            ? std::optional(IsoDatum { maand.year(), maand.month(), 1 })
            : std::nullopt;
        QFile file(programma.DataMap() + bestand);
        // Only the entries that count are decoded; those of other months are passed over unread.
        // Those that do not count are read too, as a group of empty lines at the end is none.
        std::vector<Datering> dateringen;
        const auto neem = [&dateringen, &keuze, &vasteDatum](QByteArrayView datum) {
            Datering datering;
            if (datum == "-") {
                datering.soort = vasteDatum ? Datering::Gedateerd : Datering::ZonderMaand;
                datering.datum = vasteDatum.value_or(IsoDatum());
            } else if (const std::optional<IsoDatum> gelezen = LeesIsoDatum(datum)) {
                datering = { Datering::Gedateerd, *gelezen };
            }
            if (datering.soort == Datering::Gedateerd && !keuze.Neemt(datering.datum))
                return false;
            dateringen.push_back(datering);
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

        // A group cut off at the end of the file was taken but not read: its date has no row.
        const int lijst = static_cast<int>(posten.lijsten.size());
        int zonderMaand = 0;
        for (int rij = 0; rij < rijen.Aantal(); ++rij) {
            const Datering &datering = dateringen[rij];
            if (datering.soort == Datering::ZonderMaand)
                ++zonderMaand;
            else if (datering.soort == Datering::Onleesbaar)
                posten.zonderDatum += Leeg(rijen, rij) ? 0 : 1;
            else
                posten.posten.push_back({ datering.datum, lijst, rij,
                    BedragCenten(rijen.Cel(rij, ItemModel::Inkomsten)),
                    BedragCenten(rijen.Cel(rij, ItemModel::Uitgaven)) });
        }
        if (zonderMaand > 0) {
            posten.zonderMaand += zonderMaand;
            posten.lijstenZonderMaand.append(naam);
        }
        posten.lijsten.append(naam);
        posten.rijen.push_back(std::move(rijen));
    }
    return posten;
}

QString Namen(const QStringList &lijsten)
{
    QStringList namen;
    for (const QString &naam : lijsten)
        namen.append(u'"' + naam + u'"');
    return namen.join(QStringLiteral(", "));
}

QString AantalPosten(int aantal)
{
    return aantal == 1 ? QStringLiteral("1 post") : QStringLiteral("%1 posten").arg(aantal);
}

} // namespace

Posten LeesPosten(const Programma &programma, std::optional<int> jaar)
{
    Keuze keuze;
    if (jaar) {
        keuze.van = MaandTal(*jaar, 1);
        keuze.tot = MaandTal(*jaar, 12);
    }
    return Lees(programma, keuze);
}

Posten LeesPosten(const Programma &programma, QDate van, QDate tot, const QString &behalve)
{
    return Lees(programma,
        { MaandTal(van.year(), van.month()), MaandTal(tot.year(), tot.month()), behalve });
}

QStringList NietMeegeteld(const Posten &posten)
{
    QStringList zinnen;
    if (posten.zonderDatum > 0) {
        zinnen.append(AantalPosten(posten.zonderDatum)
            + QStringLiteral(" zonder leesbare datum niet meegeteld"));
    }
    if (posten.zonderMaand > 0) {
        zinnen.append(QStringLiteral("%1 met datum \"-\" niet meegeteld: %2 %3 geen maand")
                          .arg(AantalPosten(posten.zonderMaand), Namen(posten.lijstenZonderMaand),
                              posten.lijstenZonderMaand.size() == 1 ? QStringLiteral("noemt")
                                                                    : QStringLiteral("noemen")));
    }
    if (!posten.onleesbaar.isEmpty()) {
        zinnen.append(
            QStringLiteral("Niet te lezen en niet meegeteld: %1").arg(Namen(posten.onleesbaar)));
    }
    return zinnen;
}

QString GeenPosten(int jaar)
{
    return QStringLiteral("Geen posten in %1").arg(jaar);
}

QString PostenTekst(int aantal, qint64 inkomsten, qint64 uitgaven)
{
    return QStringLiteral("%1: inkomsten € %2, uitgaven € %3, saldo € %4")
        .arg(AantalPosten(aantal), CentenTekst(inkomsten), CentenTekst(uitgaven),
            CentenTekst(CentenVerschil(inkomsten, uitgaven)));
}
