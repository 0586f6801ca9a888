#include "matching/InLijst.h"

#include "bank/BankPosten.h"
#include "common/Bedrag.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace {

constexpr int LangsteAfstand = 3;

// What makes an entry the same as the one a transaction becomes; views of texts that outlive
// the search.
struct Sleutel {
    qint64 inkomsten = 0;
    qint64 uitgaven = 0;
    QStringView omschrijving;
    QStringView datum;

    friend bool operator==(const Sleutel &, const Sleutel &) = default;
};

size_t qHash(const Sleutel &sleutel, size_t seed = 0)
{
    return qHashMulti(
        seed, sleutel.datum, sleutel.omschrijving, sleutel.inkomsten, sleutel.uitgaven);
}

Sleutel SleutelVan(
    QStringView datum, QStringView omschrijving, QStringView inkomsten, QStringView uitgaven)
{
    return { BedragCenten(inkomsten), BedragCenten(uitgaven), omschrijving, datum.trimmed() };
}

// An entry's date "YYYY-MM-DD"; invalid for any other text, which then only matches as itself.
QDate LijstDatum(QStringView tekst)
{
    tekst = tekst.trimmed();
    if (tekst.size() != 10 || tekst[4] != u'-' || tekst[7] != u'-')
        return {};
    bool jaarGoed = false;
    bool maandGoed = false;
    bool dagGoed = false;
    const int jaar = tekst.sliced(0, 4).toInt(&jaarGoed);
    const int maand = tekst.sliced(5, 2).toInt(&maandGoed);
    const int dag = tekst.sliced(8, 2).toInt(&dagGoed);
    return jaarGoed && maandGoed && dagGoed ? QDate(jaar, maand, dag) : QDate();
}

int MaandVan(QDate datum)
{
    return datum.year() * 12 + datum.month();
}

// The amount of an entry with its direction, as a transaction has it: received positive.
qint64 Centen(const ItemRijen &rijen, int rij)
{
    return CentenVerschil(BedragCenten(rijen.Cel(rij, 2)), BedragCenten(rijen.Cel(rij, 3)));
}

class Zoeker {
public:
    Zoeker(std::span<const BankPost> posten, const ItemRijen &lijst)
        : m_posten(posten)
        , m_lijst(lijst)
        , m_bezet(static_cast<size_t>(lijst.Aantal()), false)
        , m_treffers(posten.size())
    {
    }

    void ZelfdeTekst();
    void BinnenDagen();
    void VasteLasten(const ItemRijen &vasteLasten);
    std::vector<std::optional<LijstTreffer>> Treffers() && { return std::move(m_treffers); }

private:
    void Treffer(size_t post, int rij)
    {
        m_bezet[static_cast<size_t>(rij)] = true;
        m_treffers[post] = LijstTreffer { rij, m_lijst.Cel(rij, 1).toString(),
            m_lijst.Cel(rij, 0).trimmed().toString() };
    }
    bool Vrij(int rij) const { return !m_bezet[static_cast<size_t>(rij)]; }

    std::span<const BankPost> m_posten;
    const ItemRijen &m_lijst;
    std::vector<bool> m_bezet;
    std::vector<std::optional<LijstTreffer>> m_treffers;
};

void Zoeker::ZelfdeTekst()
{
    // Per text the first free entry, and after each entry the next one of the same text.
    QHash<Sleutel, int> eerste;
    eerste.reserve(m_lijst.Aantal());
    std::vector<int> volgende(static_cast<size_t>(m_lijst.Aantal()), -1);
    for (int rij = m_lijst.Aantal() - 1; rij >= 0; --rij) {
        const Sleutel sleutel = SleutelVan(
            m_lijst.Cel(rij, 0), m_lijst.Cel(rij, 1), m_lijst.Cel(rij, 2), m_lijst.Cel(rij, 3));
        const auto kop = eerste.find(sleutel);
        if (kop == eerste.end()) {
            eerste.insert(sleutel, rij);
        } else {
            volgende[static_cast<size_t>(rij)] = kop.value();
            kop.value() = rij;
        }
    }
    for (size_t p = 0; p < m_posten.size(); ++p) {
        const Item item = AlsItem(m_posten[p]);
        const auto gevonden
            = eerste.find(SleutelVan(item.datum, item.omschrijving, item.inkomsten, item.uitgaven));
        if (gevonden == eerste.end() || gevonden.value() < 0)
            continue;
        const int rij = gevonden.value();
        gevonden.value() = volgende[static_cast<size_t>(rij)];
        Treffer(p, rij);
    }
}

void Zoeker::BinnenDagen()
{
    QHash<qint64, std::vector<std::pair<int, QDate>>> perBedrag;
    for (int rij = 0; rij < m_lijst.Aantal(); ++rij) {
        if (Vrij(rij)) {
            if (const QDate datum = LijstDatum(m_lijst.Cel(rij, 0)); datum.isValid())
                perBedrag[Centen(m_lijst, rij)].emplace_back(rij, datum);
        }
    }
    // Every pair of transaction and entry close enough, the nearest first; at an equal distance
    // an entry typed before the booking first, as that is how a household is ahead of its bank.
    std::vector<std::tuple<qint64, bool, size_t, int>> paren;
    for (size_t p = 0; p < m_posten.size(); ++p) {
        if (m_treffers[p])
            continue;
        const auto gevonden = perBedrag.constFind(m_posten[p].centen);
        if (gevonden == perBedrag.cend())
            continue;
        for (const auto &[rij, datum] : *gevonden) {
            const qint64 dagen = datum.daysTo(m_posten[p].datum);
            if (std::abs(dagen) <= LangsteAfstand)
                paren.emplace_back(std::abs(dagen), dagen < 0, p, rij);
        }
    }
    std::sort(paren.begin(), paren.end());
    for (const auto &[afstand, erna, p, rij] : paren) {
        if (!m_treffers[p] && Vrij(rij))
            Treffer(p, rij);
    }
}

void Zoeker::VasteLasten(const ItemRijen &vasteLasten)
{
    QHash<qint64, QSet<QStringView>> perBedrag;
    QSet<QStringView> omschrijvingen;
    for (int rij = 0; rij < vasteLasten.Aantal(); ++rij) {
        perBedrag[Centen(vasteLasten, rij)].insert(vasteLasten.Cel(rij, 1));
        omschrijvingen.insert(vasteLasten.Cel(rij, 1));
    }
    if (perBedrag.isEmpty())
        return;
    // The free entries of a fixed cost's description, per month.
    QHash<int, std::vector<std::pair<int, QDate>>> perMaand;
    for (int rij = 0; rij < m_lijst.Aantal(); ++rij) {
        if (!Vrij(rij) || !omschrijvingen.contains(m_lijst.Cel(rij, 1)))
            continue;
        if (const QDate datum = LijstDatum(m_lijst.Cel(rij, 0)); datum.isValid())
            perMaand[MaandVan(datum)].emplace_back(rij, datum);
    }
    for (size_t p = 0; p < m_posten.size(); ++p) {
        const BankPost &post = m_posten[p];
        const auto vast = perBedrag.constFind(post.centen);
        const auto maand = perMaand.constFind(MaandVan(post.datum));
        if (m_treffers[p] || vast == perBedrag.cend() || maand == perMaand.cend())
            continue;
        // An entry of the same amount first, then the nearest.
        std::optional<std::tuple<bool, qint64, int>> beste;
        for (const auto &[rij, datum] : *maand) {
            if (!Vrij(rij) || !vast->contains(m_lijst.Cel(rij, 1)))
                continue;
            const std::tuple kandidaat { Centen(m_lijst, rij) != post.centen,
                std::abs(datum.daysTo(post.datum)), rij };
            if (!beste || kandidaat < *beste)
                beste = kandidaat;
        }
        if (beste)
            Treffer(p, std::get<2>(*beste));
    }
}

} // namespace

std::vector<std::optional<LijstTreffer>> ZoekInLijst(
    std::span<const BankPost> posten, const ItemRijen &lijst, const ItemRijen &vasteLasten)
{
    Zoeker zoeker(posten, lijst);
    zoeker.ZelfdeTekst();
    zoeker.BinnenDagen();
    zoeker.VasteLasten(vasteLasten);
    return std::move(zoeker).Treffers();
}
