#include "bank/Bankafschrift.h"

#include "bank/Regels.h"
#include "bank/Soorten.h"

#include <algorithm>
#include <vector>

namespace {

// Enough lines to get past the three header lines of an MT940 file and a blank line or two.
constexpr int HerkenRegels = 8;

// Banks write their transactions newest first or oldest first, and a file holding several
// accounts may run through each in turn: the way the dates mostly run tells which, and within
// a day the file then gives the order of booking. Here, where the file is read, so that the
// window and the command line put them into a list alike.
void OpDatum(std::vector<BankPost> &posten, bool nieuwsteEerst)
{
    qsizetype omlaag = 0;
    qsizetype omhoog = 0;
    for (size_t i = 1; i < posten.size(); ++i) {
        omlaag += posten[i].datum < posten[i - 1].datum;
        omhoog += posten[i - 1].datum < posten[i].datum;
    }
    if (omlaag > omhoog || (omlaag == omhoog && nieuwsteEerst))
        std::reverse(posten.begin(), posten.end());
    // Mostly in order by now; a file of several accounts, one after the other, is not.
    const auto eerder = [](const BankPost &a, const BankPost &b) { return a.datum < b.datum; };
    if (!std::is_sorted(posten.begin(), posten.end(), eerder))
        std::stable_sort(posten.begin(), posten.end(), eerder);
}

} // namespace

QString OnleesbareRegel::Melding() const
{
    return QStringLiteral("Regel %1: %2").arg(regel).arg(reden);
}

QString Bankafschrift::Naam() const
{
    return QStringLiteral("%1 (%2)").arg(bank, soort);
}

Soort CsvSoort(QString beschrijving, CsvHerkenning vorm)
{
    return { std::move(beschrijving),
        [vorm](const QStringList &eerste) { return vorm(eerste).has_value(); },
        [vorm](QByteArrayView bytes, const QStringList &eerste) -> std::optional<Bankafschrift> {
            const std::optional<CsvVorm> gevonden = vorm(eerste);
            if (!gevonden)
                return std::nullopt;
            return LeesCsv(bytes, *gevonden);
        } };
}

std::span<const Soort> AlleSoorten()
{
    static const std::vector<Soort> soorten { IngCsv(), IngSpaarCsv(), RabobankCsv(), BunqCsv(),
        KnabCsv(), SnsCsv(), TriodosCsv(), AbnAmroTab(), Camt053(), Mt940() };
    return soorten;
}

std::optional<Bankafschrift> LeesBankafschrift(QByteArrayView bytes)
{
    const QStringList eerste = Regels::Eerste(bytes, HerkenRegels);
    for (const Soort &soort : AlleSoorten()) {
        if (!soort.herkent(eerste))
            continue;
        std::optional<Bankafschrift> afschrift = soort.lees(bytes, eerste);
        if (afschrift)
            OpDatum(afschrift->posten, soort.nieuwsteEerst);
        return afschrift;
    }
    return std::nullopt;
}

QStringList BekendeSoorten()
{
    QStringList regels;
    for (const Soort &soort : AlleSoorten())
        regels.append(soort.beschrijving);
    return regels;
}

QString OnbekendAfschrift()
{
    return QStringLiteral("Dit bestand is geen bankafschrift dat Geldlog kent.");
}
