#include "matching/InLijst.h"

#include "bank/BankPosten.h"
#include "common/Bedrag.h"
#include "common/IsoDatum.h"
#include "matching/Voorsteller.h"

#include <QHash>
#include <QSet>

#include <set>

namespace {

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

// The entries of an amount on a day under one word, capitals and the blanks around it aside.
struct WoordSleutel {
    qint64 centen = 0;
    qint64 dag = 0;
    QString woord;

    friend bool operator==(const WoordSleutel &, const WoordSleutel &) = default;
};

size_t qHash(const WoordSleutel &sleutel, size_t seed = 0)
{
    return qHashMulti(seed, sleutel.centen, sleutel.dag, sleutel.woord);
}

// The entries of a fixed cost's description in a month, of one amount or of one direction
// (-1, 1) whatever the amount.
struct MaandSleutel {
    QString omschrijving;
    int maand = 0;
    qint64 centen = 0;

    friend bool operator==(const MaandSleutel &, const MaandSleutel &) = default;
};

size_t qHash(const MaandSleutel &sleutel, size_t seed = 0)
{
    return qHashMulti(seed, sleutel.omschrijving, sleutel.maand, sleutel.centen);
}

QString Gevouwen(QStringView omschrijving)
{
    return omschrijving.trimmed().toString().toCaseFolded();
}

qint64 Richting(qint64 centen)
{
    return centen < 0 ? -1 : 1;
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

// Per key, the entries of the list that have it in the order of the list: the first one no rule
// has taken yet. A taken entry is passed over once, so every question costs a look-up, however
// many entries share a key.
template<typename S> class VrijeRijen {
public:
    explicit VrijeRijen(const std::vector<bool> &bezet)
        : m_bezet(bezet)
        , m_volgende(bezet.size(), -1)
    {
    }

    // Entries are added in the order of the list.
    void Voeg(const S &sleutel, int rij)
    {
        Keten &keten = m_ketens[sleutel];
        (keten.eerste < 0 ? keten.eerste : m_volgende[static_cast<size_t>(keten.laatste)]) = rij;
        keten.laatste = rij;
    }

    // The first free entry of `sleutel`; -1 when there is none.
    int Eerste(const S &sleutel)
    {
        const auto keten = m_ketens.find(sleutel);
        if (keten == m_ketens.end())
            return -1;
        int &rij = keten->eerste;
        while (rij >= 0 && m_bezet[static_cast<size_t>(rij)])
            rij = m_volgende[static_cast<size_t>(rij)];
        return rij;
    }

private:
    struct Keten {
        int eerste = -1;
        int laatste = -1;
    };
    const std::vector<bool> &m_bezet;
    std::vector<int> m_volgende; // per entry the next one of its key
    QHash<S, Keten> m_ketens;
};

// Entries by day, for the one nearest to a day: on the nearest day the first in the list. An
// entry a rule took is dropped where it is met, so every question costs a logarithm.
class NaarDag {
public:
    void Voeg(qint64 dag, int rij) { m_rijen.emplace(dag, rij); }

    // The free entry nearest to `dag`: how far it lies, and its row.
    std::optional<std::pair<qint64, int>> Dichtste(qint64 dag, const std::vector<bool> &bezet)
    {
        std::optional<std::pair<qint64, int>> beste;
        const auto na = EersteVrije(m_rijen.lower_bound({ dag, -1 }), bezet);
        if (na != m_rijen.end())
            beste = std::pair { na->first - dag, na->second };
        // Before the day: the last day with a free entry, and on it the first.
        for (auto voor = na; voor != m_rijen.begin();) {
            --voor;
            if (bezet[static_cast<size_t>(voor->second)]) {
                voor = m_rijen.erase(voor);
                continue;
            }
            const auto eerste = EersteVrije(m_rijen.lower_bound({ voor->first, -1 }), bezet);
            const std::pair kandidaat { dag - eerste->first, eerste->second };
            if (!beste || kandidaat < *beste)
                beste = kandidaat;
            break;
        }
        return beste;
    }

private:
    using Rijen = std::set<std::pair<qint64, int>>; // day and row

    Rijen::iterator EersteVrije(Rijen::iterator plek, const std::vector<bool> &bezet)
    {
        while (plek != m_rijen.end() && bezet[static_cast<size_t>(plek->second)])
            plek = m_rijen.erase(plek);
        return plek;
    }

    Rijen m_rijen;
};

class Zoeker {
public:
    Zoeker(std::span<const BankPost> posten, const ItemRijen &lijst, const Voorsteller *geleerd)
        : m_posten(posten)
        , m_lijst(lijst)
        , m_geleerd(geleerd)
        , m_bezet(static_cast<size_t>(lijst.Aantal()), false)
        , m_vanAnder(static_cast<size_t>(lijst.Aantal()), false)
        , m_treffers(posten.size())
        , m_woorden(posten.size())
    {
    }

    void Bekend();
    void ZelfdeTekst();
    void BinnenDagen();
    void VasteLasten(const ItemRijen &vasteLasten, QDate lijstMaand);
    std::vector<std::optional<LijstTreffer>> Treffers() && { return std::move(m_treffers); }

private:
    void Treffer(size_t post, int rij)
    {
        m_bezet[static_cast<size_t>(rij)] = true;
        m_treffers[post] = LijstTreffer { rij, m_lijst.Cel(rij, 1).toString(),
            m_lijst.Cel(rij, 0).trimmed().toString(), m_posten[post].centen, Centen(m_lijst, rij) };
    }
    bool Vrij(int rij) const { return !m_bezet[static_cast<size_t>(rij)]; }
    // The words the transaction's counterparty is known by, folded; asked once, when needed.
    const QStringList &WoordenVan(size_t post)
    {
        std::optional<QStringList> &woorden = m_woorden[post];
        if (!woorden) {
            woorden.emplace();
            for (const QString &woord : m_geleerd->WoordenVan(m_posten[post]))
                woorden->append(Gevouwen(woord));
        }
        return *woorden;
    }

    std::span<const BankPost> m_posten;
    const ItemRijen &m_lijst;
    const Voorsteller *m_geleerd;
    std::vector<bool> m_bezet;
    // Entries known as the record of a transaction not asked about: no day or amount makes them
    // another's.
    std::vector<bool> m_vanAnder;
    std::vector<std::optional<LijstTreffer>> m_treffers;
    std::vector<std::optional<QStringList>> m_woorden;
};

void Zoeker::Bekend()
{
    if (!m_geleerd)
        return;
    const std::vector<qsizetype> eigenaars = m_geleerd->Bekend().Eigenaars(m_lijst, m_posten);
    for (int rij = 0; rij < m_lijst.Aantal(); ++rij) {
        const qsizetype eigenaar = eigenaars[static_cast<size_t>(rij)];
        if (eigenaar >= 0 && !m_treffers[static_cast<size_t>(eigenaar)])
            Treffer(static_cast<size_t>(eigenaar), rij);
        m_vanAnder[static_cast<size_t>(rij)] = eigenaar == BekendePosten::Ander;
    }
}

void Zoeker::ZelfdeTekst()
{
    VrijeRijen<Sleutel> rijen(m_bezet);
    for (int rij = 0; rij < m_lijst.Aantal(); ++rij) {
        rijen.Voeg(SleutelVan(m_lijst.Cel(rij, 0), m_lijst.Cel(rij, 1), m_lijst.Cel(rij, 2),
                       m_lijst.Cel(rij, 3)),
            rij);
    }
    for (size_t p = 0; p < m_posten.size(); ++p) {
        const Item item = AlsItem(m_posten[p]);
        const int rij = rijen.Eerste(
            SleutelVan(item.datum, item.omschrijving, item.inkomsten, item.uitgaven));
        if (rij >= 0)
            Treffer(p, rij);
    }
}

void Zoeker::BinnenDagen()
{
    VrijeRijen<std::pair<qint64, qint64>> perDag(m_bezet); // by amount and day
    // By amount, day and word too, where the counterparties' words are known.
    VrijeRijen<WoordSleutel> perWoord(m_bezet);
    for (int rij = 0; rij < m_lijst.Aantal(); ++rij) {
        const QDate datum = IsoDag(m_lijst.Cel(rij, 0));
        if (!Vrij(rij) || m_vanAnder[static_cast<size_t>(rij)] || !datum.isValid())
            continue;
        perDag.Voeg({ Centen(m_lijst, rij), datum.toJulianDay() }, rij);
        if (m_geleerd)
            perWoord.Voeg(
                { Centen(m_lijst, rij), datum.toJulianDay(), Gevouwen(m_lijst.Cel(rij, 1)) }, rij);
    }
    // The entry's day against the booking's, the nearest first over all transactions: 0, -1, 1,
    // -2, 2, … At an equal distance an entry typed before the booking goes first, as that is how
    // a household is ahead of its bank; then the transactions and the entries in their order.
    std::vector<qint64> verschuivingen { 0 };
    for (qint64 afstand = 1; afstand <= DagenRondBoeking; ++afstand)
        verschuivingen.insert(verschuivingen.end(), { -afstand, afstand });
    // First under a word the counterparty is known by: the household's pocket money and its cash
    // of the same amount on the same day are each their own.
    for (const qint64 verschuiving : m_geleerd ? verschuivingen : std::vector<qint64>()) {
        for (size_t p = 0; p < m_posten.size(); ++p) {
            const BankPost &post = m_posten[p];
            if (m_treffers[p] || !post.datum.isValid())
                continue;
            for (const QString &woord : WoordenVan(p)) {
                const int rij = perWoord.Eerste(
                    { post.centen, post.datum.toJulianDay() + verschuiving, woord });
                if (rij >= 0) {
                    Treffer(p, rij);
                    break;
                }
            }
        }
    }
    for (const qint64 verschuiving : verschuivingen) {
        for (size_t p = 0; p < m_posten.size(); ++p) {
            const BankPost &post = m_posten[p];
            if (m_treffers[p] || !post.datum.isValid())
                continue;
            const int rij = perDag.Eerste({ post.centen, post.datum.toJulianDay() + verschuiving });
            if (rij >= 0)
                Treffer(p, rij);
        }
    }
}

void Zoeker::VasteLasten(const ItemRijen &vasteLasten, QDate lijstMaand)
{
    // Per fixed cost's description its directions, and per amount the descriptions of it.
    QHash<QString, QSet<qint64>> richtingen;
    QHash<qint64, QSet<QString>> perBedrag;
    for (int rij = 0; rij < vasteLasten.Aantal(); ++rij) {
        const QString omschrijving = Gevouwen(vasteLasten.Cel(rij, 1));
        perBedrag[Centen(vasteLasten, rij)].insert(omschrijving);
        richtingen[omschrijving].insert(Richting(Centen(vasteLasten, rij)));
    }
    if (perBedrag.isEmpty())
        return;
    // The free entries of a fixed cost's description per month, of its direction: of each
    // amount, as one of the transaction's own amount goes first, and of any.
    QHash<MaandSleutel, NaarDag> metBedrag;
    QHash<MaandSleutel, NaarDag> metRichting;
    // A fixed cost the list holds undated, as the fixed costs' file has it, stands on the first
    // of the list's month.
    const QDate eersteVanMaand
        = lijstMaand.isValid() ? QDate(lijstMaand.year(), lijstMaand.month(), 1) : QDate();
    for (int rij = 0; rij < m_lijst.Aantal(); ++rij) {
        QDate datum = IsoDag(m_lijst.Cel(rij, 0));
        if (!datum.isValid() && m_lijst.Cel(rij, 0).trimmed() == u"-")
            datum = eersteVanMaand;
        if (!Vrij(rij) || !datum.isValid())
            continue;
        QString omschrijving = Gevouwen(m_lijst.Cel(rij, 1));
        const qint64 centen = Centen(m_lijst, rij);
        if (!richtingen.value(omschrijving).contains(Richting(centen)))
            continue;
        const int maand = MaandVan(datum);
        metBedrag[{ omschrijving, maand, centen }].Voeg(datum.toJulianDay(), rij);
        metRichting[{ std::move(omschrijving), maand, Richting(centen) }].Voeg(
            datum.toJulianDay(), rij);
    }
    // The fixed costs each transaction's counterparty is known by; where it is known by other
    // words only, none; where nothing is known of it, those of its amount and direction.
    std::vector<QSet<QString>> vast(m_posten.size());
    for (size_t p = 0; p < m_posten.size(); ++p) {
        const BankPost &post = m_posten[p];
        if (m_treffers[p] || !post.datum.isValid())
            continue;
        const QStringList &woorden = m_geleerd ? WoordenVan(p) : QStringList();
        for (const QString &woord : woorden) {
            if (richtingen.value(woord).contains(Richting(post.centen)))
                vast[p].insert(woord);
        }
        if (woorden.isEmpty())
            vast[p] = perBedrag.value(post.centen);
    }
    // Every transaction of an entry's own amount first, over the whole month: an excess billed
    // before the premium takes the premium's entry only when no transaction of its amount came.
    for (auto [perMaand, opBedrag] : { std::pair { &metBedrag, true }, { &metRichting, false } }) {
        for (size_t p = 0; p < m_posten.size(); ++p) {
            const BankPost &post = m_posten[p];
            if (m_treffers[p] || vast[p].isEmpty())
                continue;
            const qint64 centen = opBedrag ? post.centen : Richting(post.centen);
            // The nearest day first, and on it the first entry of the list.
            std::optional<std::pair<qint64, int>> beste;
            for (const QString &omschrijving : std::as_const(vast[p])) {
                const auto rijen = perMaand->find({ omschrijving, MaandVan(post.datum), centen });
                if (rijen == perMaand->end())
                    continue;
                const auto dichtste = rijen->Dichtste(post.datum.toJulianDay(), m_bezet);
                if (dichtste && (!beste || *dichtste < *beste))
                    beste = dichtste;
            }
            if (beste)
                Treffer(p, beste->second);
        }
    }
}

} // namespace

std::vector<std::optional<LijstTreffer>> ZoekInLijst(std::span<const BankPost> posten,
    const ItemRijen &lijst, const ItemRijen &vasteLasten, const Voorsteller *geleerd,
    QDate lijstMaand)
{
    Zoeker zoeker(posten, lijst, geleerd);
    zoeker.Bekend();
    zoeker.ZelfdeTekst();
    zoeker.BinnenDagen();
    zoeker.VasteLasten(vasteLasten, lijstMaand);
    return std::move(zoeker).Treffers();
}
