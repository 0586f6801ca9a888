#include "recurring/Reeksen.h"

#include "recurring/ReeksGroep.h"

#include <QHash>

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace {

// An amount of a thousand billion euros or more is no amount (as an amount text reads it), and
// keeps every sum below the overflow.
constexpr qint64 GrootsteCenten = 100'000'000'000'000;

} // namespace

std::vector<Contract> VindReeksen(std::vector<Betaling> betalingen, QDate op)
{
    std::erase_if(betalingen, [op](const Betaling &b) {
        return !b.datum.isValid() || b.datum > op || b.centen == 0
            || std::llabs(b.centen) >= GrootsteCenten;
    });
    // Per counterparty and direction, by date; the counterparties by number, as comparing their
    // texts over and over would cost more than all the rest.
    struct Plaats {
        int groep;
        qint64 dag;
        qint64 centen;
        size_t betaling;
        auto operator<=>(const Plaats &ander) const
        {
            return std::tie(groep, dag, centen) <=> std::tie(ander.groep, ander.dag, ander.centen);
        }
    };
    QHash<QString, int> nummers;
    std::vector<Plaats> volgorde;
    volgorde.reserve(betalingen.size());
    for (size_t i = 0; i < betalingen.size(); ++i) {
        const Betaling &betaling = betalingen[i];
        auto nummer = nummers.constFind(betaling.sleutel);
        if (nummer == nummers.constEnd())
            nummer = nummers.insert(betaling.sleutel, int(nummers.size()));
        volgorde.push_back({ 2 * *nummer + (betaling.centen > 0 ? 1 : 0),
            betaling.datum.toJulianDay(), betaling.centen, i });
    }
    std::sort(volgorde.begin(), volgorde.end());
    std::vector<Betaling> gesorteerd;
    gesorteerd.reserve(betalingen.size());
    for (const Plaats &plaats : volgorde)
        gesorteerd.push_back(std::move(betalingen[plaats.betaling]));

    std::vector<Contract> contracten;
    for (size_t begin = 0; begin < volgorde.size();) {
        size_t einde = begin + 1;
        while (einde < volgorde.size() && volgorde[einde].groep == volgorde[begin].groep)
            ++einde;
        ReeksGroep groep(std::span<const Betaling>(gesorteerd).subspan(begin, einde - begin));
        for (Contract &contract : groep.Contracten(op))
            contracten.push_back(std::move(contract));
        begin = einde;
    }
    std::sort(contracten.begin(), contracten.end(), [](const Contract &a, const Contract &b) {
        const auto volgorde = [](const Contract &c) {
            return std::tuple(c.bedrag < 0, c.bedrag < 0 ? c.bedrag : -c.bedrag,
                c.omschrijving.toCaseFolded(), c.sinds);
        };
        return volgorde(a) < volgorde(b);
    });
    return contracten;
}
