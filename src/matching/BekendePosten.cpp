#include "matching/BekendePosten.h"

#include "common/Bedrag.h"
#include "common/IsoDatum.h"
#include "matching/Geleerd.h"
#include "matching/InLijst.h"

#include <algorithm>
#include <tuple>

namespace {

QString Gevouwen(QStringView tekst)
{
    return tekst.trimmed().toString().toCaseFolded();
}

// A transaction as the learning knows it: its kind, its day and its amount.
struct Identiteit {
    int bron = 0;
    qint64 dag = 0;
    qint64 centen = 0;

    friend bool operator==(const Identiteit &, const Identiteit &) = default;
    friend size_t qHash(const Identiteit &identiteit, size_t seed = 0)
    {
        return qHashMulti(seed, identiteit.bron, identiteit.dag, identiteit.centen);
    }
};

} // namespace

BekendePosten::BekendePosten(const Geleerd &geleerd)
    : m_bronnen(geleerd.Bronnen())
{
    m_bronNummers.reserve(static_cast<qsizetype>(m_bronnen.size()));
    for (size_t bron = 0; bron < m_bronnen.size(); ++bron)
        m_bronNummers.insert(m_bronnen[bron], static_cast<int>(bron));
    QHash<QString, int> woordNummers;
    m_posten.reserve(geleerd.Voorbeelden().size());
    for (const Geleerd::Voorbeeld &voorbeeld : geleerd.Voorbeelden()) {
        int woord = -1;
        if (voorbeeld.spelling != Geleerd::GeenWoord) {
            QString gevouwen = Gevouwen(geleerd.Spelling(voorbeeld.spelling));
            woord = static_cast<int>(woordNummers.size());
            const auto plek = woordNummers.constFind(gevouwen);
            if (plek != woordNummers.cend()) {
                woord = *plek;
            } else {
                woordNummers.insert(gevouwen, woord);
                m_woorden.append(std::move(gevouwen));
            }
        }
        m_posten.push_back(
            { voorbeeld.centen, voorbeeld.datum.toJulianDay(), voorbeeld.bron, woord });
    }
    std::sort(m_posten.begin(), m_posten.end());
}

std::vector<qsizetype> BekendePosten::Eigenaars(
    const ItemRijen &lijst, std::span<const BankPost> posten) const
{
    std::vector<qsizetype> eigenaars(static_cast<size_t>(lijst.Aantal()), Vrij);
    if (m_posten.empty())
        return eigenaars;

    // Each entry with the learned transactions it can be the record of, the nearest first.
    struct Paar {
        qint64 afstand;
        int rij;
        size_t post;
        bool operator<(const Paar &ander) const
        {
            return std::tie(afstand, rij, post) < std::tie(ander.afstand, ander.rij, ander.post);
        }
    };
    std::vector<Paar> paren;
    for (int rij = 0; rij < lijst.Aantal(); ++rij) {
        const QDate datum = IsoDag(lijst.Cel(rij, ItemModel::Datum));
        if (!datum.isValid())
            continue;
        const Post van { CentenVerschil(
                             BedragCenten(lijst.Cel(rij, 2)), BedragCenten(lijst.Cel(rij, 3))),
            datum.toJulianDay() - DagenRondBoeking };
        const QString tekst = Gevouwen(lijst.Cel(rij, 1));
        for (auto post = std::lower_bound(m_posten.begin(), m_posten.end(), van);
             post != m_posten.end() && post->centen == van.centen
             && post->dag <= van.dag + 2 * DagenRondBoeking;
             ++post) {
            const bool zelfde = post->woord >= 0
                ? m_woorden[post->woord] == tekst
                : IsBankTekst(m_bronnen[static_cast<size_t>(post->bron)], tekst);
            if (zelfde) {
                paren.push_back({ std::abs(post->dag - datum.toJulianDay()), rij,
                    static_cast<size_t>(post - m_posten.begin()) });
            }
        }
    }
    if (paren.empty())
        return eigenaars;

    // The transactions asked about, by what the learning knows them by.
    QHash<Identiteit, qsizetype> gevraagd;
    for (size_t p = 0; p < posten.size(); ++p) {
        const auto bron = m_bronNummers.constFind(BronVan(posten[p]));
        if (bron != m_bronNummers.cend() && posten[p].datum.isValid())
            gevraagd.insert({ *bron, posten[p].datum.toJulianDay(), posten[p].centen },
                static_cast<qsizetype>(p));
    }
    std::sort(paren.begin(), paren.end());
    std::vector<bool> bezet(m_posten.size(), false);
    for (const Paar &paar : paren) {
        qsizetype &eigenaar = eigenaars[static_cast<size_t>(paar.rij)];
        if (eigenaar != Vrij || bezet[paar.post])
            continue;
        bezet[paar.post] = true;
        const Post &post = m_posten[paar.post];
        eigenaar = gevraagd.value({ post.bron, post.dag, post.centen }, Ander);
    }
    return eigenaars;
}
