#include "bank/Bankafschrift.h"

#include "bank/Regels.h"
#include "bank/Soorten.h"

#include <vector>

namespace {

// Enough lines to get past the three header lines of an MT940 file and a blank line or two.
constexpr int HerkenRegels = 8;

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
        if (soort.herkent(eerste))
            return soort.lees(bytes, eerste);
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
