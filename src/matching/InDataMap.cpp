#include "matching/InDataMap.h"

#include "common/IsoDatum.h"
#include "common/MaandNamen.h"
#include "lists/Posten.h"

#include <algorithm>

namespace {

qint64 Dag(const BankPost &post)
{
    return post.datum.toJulianDay();
}

// The days a list holds entries on, in order.
std::vector<qint64> DagenVan(const ItemRijen &rijen)
{
    std::vector<qint64> dagen;
    dagen.reserve(static_cast<size_t>(rijen.Aantal()));
    for (int rij = 0; rij < rijen.Aantal(); ++rij) {
        if (const QDate datum = IsoDag(rijen.Cel(rij, ItemModel::Datum)); datum.isValid())
            dagen.push_back(datum.toJulianDay());
    }
    std::sort(dagen.begin(), dagen.end());
    return dagen;
}

bool Nabij(const std::vector<qint64> &dagen, qint64 dag)
{
    const auto na = std::lower_bound(dagen.begin(), dagen.end(), dag - DagenRondBoeking);
    return na != dagen.end() && *na <= dag + DagenRondBoeking;
}

} // namespace

DataMapTreffers ZoekInDataMap(const Programma &programma, std::span<const BankPost> posten,
    const ItemRijen &lijst, const QString &eigenLijst, const ItemRijen &vasteLasten)
{
    DataMapTreffers gevonden { ZoekInLijst(posten, lijst, vasteLasten),
        std::vector<QString>(posten.size()) };

    // The transactions still new, by date, and the months around them.
    std::vector<size_t> nieuw;
    for (size_t p = 0; p < posten.size(); ++p) {
        if (!gevonden.treffers[p] && posten[p].datum.isValid())
            nieuw.push_back(p);
    }
    if (nieuw.empty())
        return gevonden;
    std::stable_sort(nieuw.begin(), nieuw.end(),
        [&posten](size_t a, size_t b) { return Dag(posten[a]) < Dag(posten[b]); });
    const Posten opgeslagen
        = LeesPosten(programma, posten[nieuw.front()].datum.addDays(-DagenRondBoeking),
            posten[nieuw.back()].datum.addDays(DagenRondBoeking), eigenLijst);

    for (size_t l = 0; l < opgeslagen.rijen.size(); ++l) {
        const ItemRijen &rijen = opgeslagen.rijen[l];
        const std::vector<qint64> dagen = DagenVan(rijen);
        if (dagen.empty())
            continue;
        // Only the transactions of the days the list spans are looked at, so a folder of a
        // thousand months costs each transaction a few lists.
        const auto van
            = std::lower_bound(nieuw.begin(), nieuw.end(), dagen.front() - DagenRondBoeking,
                [&posten](size_t p, qint64 dag) { return Dag(posten[p]) < dag; });
        std::vector<size_t> hier;
        std::vector<BankPost> deel;
        for (auto p = van; p != nieuw.end() && Dag(posten[*p]) <= dagen.back() + DagenRondBoeking;
             ++p) {
            if (!gevonden.treffers[*p] && Nabij(dagen, Dag(posten[*p]))) {
                hier.push_back(*p);
                deel.push_back(posten[*p]);
            }
        }
        if (deel.empty())
            continue;
        std::vector<std::optional<LijstTreffer>> treffers = ZoekInLijst(deel, rijen, vasteLasten);
        for (size_t d = 0; d < deel.size(); ++d) {
            if (!treffers[d])
                continue;
            gevonden.treffers[hier[d]] = std::move(treffers[d]);
            gevonden.andereLijsten[hier[d]] = opgeslagen.lijsten[static_cast<qsizetype>(l)];
        }
    }
    return gevonden;
}

QString InAndereLijstUitleg(const LijstTreffer &treffer, const QString &lijst)
{
    const QDate datum = IsoDag(treffer.datum);
    return QStringLiteral("Staat al in de lijst \"%1\" als \"%2\" (%3)")
        .arg(lijst, treffer.omschrijving, datum.isValid() ? DagTekst(datum, false) : treffer.datum);
}
