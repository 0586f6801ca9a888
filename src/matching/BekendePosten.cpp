#include "matching/BekendePosten.h"

#include "common/Bedrag.h"
#include "common/IsoDatum.h"
#include "matching/Geleerd.h"
#include "matching/InLijst.h"
#include "matching/Woorden.h"

#include <algorithm>
#include <array>
#include <limits>

namespace {

// The bank's words of a text, as far as an entry cut to fit a list always holds them: the start
// tells one bank text from another.
constexpr qsizetype BankBegin = 32;

QString WoordTekst(QStringView tekst)
{
    return tekst.trimmed().toString().toCaseFolded();
}

// Told apart from any word by a character no word holds.
QString BankTekst(QStringView woorden)
{
    return u'\x01' + woorden.left(BankBegin).toString().toCaseFolded();
}

// A transaction as the learning knows it: its kind, its day and its amount.
struct Identiteit {
    Bron bron;
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
    const std::vector<Bron> &bronnen = m_bronnen;
    const auto nummer = [this](const QString &tekst) {
        const auto plek = m_teksten.constFind(tekst);
        return plek != m_teksten.cend()
            ? *plek
            : *m_teksten.insert(tekst, static_cast<int>(m_teksten.size()));
    };
    // The bank's text of each kind, as IsBankTekst reads it, and each way of writing a word, once.
    std::vector<int> bankTekst(bronnen.size(), -1);
    std::vector<int> woordTekst;
    m_posten.reserve(geleerd.Voorbeelden().size());
    m_sleutels.reserve(geleerd.Voorbeelden().size());
    for (const Geleerd::Voorbeeld &voorbeeld : geleerd.Voorbeelden()) {
        int *tekst = nullptr;
        if (voorbeeld.spelling == Geleerd::GeenWoord) {
            tekst = &bankTekst[static_cast<size_t>(voorbeeld.bron)];
            if (*tekst < 0) {
                const Bron &bron = bronnen[static_cast<size_t>(voorbeeld.bron)];
                const QString naam = WoordenTekst(bron.naam);
                *tekst = nummer(BankTekst(naam.isEmpty() ? bron.omschrijving
                        : bron.omschrijving.isEmpty()    ? naam
                                                         : naam + u' ' + bron.omschrijving));
            }
        } else {
            const auto spelling = static_cast<size_t>(voorbeeld.spelling);
            if (spelling >= woordTekst.size())
                woordTekst.resize(spelling + 1, -1);
            tekst = &woordTekst[spelling];
            if (*tekst < 0)
                *tekst = nummer(WoordTekst(geleerd.Spelling(voorbeeld.spelling)));
        }
        m_sleutels.push_back({ { voorbeeld.centen, voorbeeld.datum.toJulianDay(), *tekst },
            static_cast<int>(m_posten.size()) });
        m_posten.push_back({ voorbeeld.bron, voorbeeld.datum.toJulianDay(), voorbeeld.centen });
    }
    std::sort(m_sleutels.begin(), m_sleutels.end());
}

int BekendePosten::WoordNummer(QStringView tekst) const
{
    return m_teksten.value(WoordTekst(tekst), -1);
}

int BekendePosten::BankNummer(QStringView tekst) const
{
    return m_teksten.value(BankTekst(WoordenTekst(tekst)), -1);
}

std::vector<qsizetype> BekendePosten::Eigenaars(
    const ItemRijen &lijst, std::span<const BankPost> posten) const
{
    std::vector<qsizetype> eigenaars(static_cast<size_t>(lijst.Aantal()), Vrij);
    if (m_posten.empty())
        return eigenaars;

    // Per entry what may make it a learned transaction's: its day, amount and texts.
    struct Rij {
        bool bekend = false; // whether its date and a text can be a learned transaction's
        qint64 dag = 0;
        qint64 centen = 0;
        std::array<int, 2> teksten { -1, -1 };
    };
    std::vector<Rij> rijen;
    rijen.reserve(static_cast<size_t>(lijst.Aantal()));
    for (int rij = 0; rij < lijst.Aantal(); ++rij) {
        Rij &r = rijen.emplace_back();
        const QDate datum = IsoDag(lijst.Cel(rij, ItemModel::Datum));
        r.teksten = { WoordNummer(lijst.Cel(rij, 1)), BankNummer(lijst.Cel(rij, 1)) };
        if (!datum.isValid() || (r.teksten[0] < 0 && r.teksten[1] < 0))
            continue;
        r.bekend = true;
        r.dag = datum.toJulianDay();
        r.centen = CentenVerschil(BedragCenten(lijst.Cel(rij, 2)), BedragCenten(lijst.Cel(rij, 3)));
    }

    // The learned transactions asked about.
    QHash<Identiteit, qsizetype> gevraagd;
    for (size_t p = 0; p < posten.size(); ++p) {
        if (posten[p].datum.isValid())
            gevraagd.insert({ BronVan(posten[p]), posten[p].datum.toJulianDay(), posten[p].centen },
                static_cast<qsizetype>(p));
    }

    // The nearest day first over all entries, a transaction booked after the entry before one
    // booked before it, as a household types ahead of its bank; per key the transactions in turn,
    // each taken once: how many are taken is kept at the key's first place.
    std::vector<int> genomen(m_sleutels.size(), 0);
    for (const qint64 verschuiving : { 0, 1, -1, 2, -2, 3, -3 }) {
        for (size_t rij = 0; rij < rijen.size(); ++rij) {
            const Rij &r = rijen[rij];
            for (size_t t = 0; r.bekend && eigenaars[rij] == Vrij && t < r.teksten.size(); ++t) {
                const Sleutel sleutel { r.centen, r.dag + verschuiving, r.teksten[t] };
                if (sleutel.tekst < 0)
                    continue;
                const auto begin = std::lower_bound(
                    m_sleutels.begin(), m_sleutels.end(), std::pair { sleutel, -1 });
                const auto eind = std::upper_bound(begin, m_sleutels.end(),
                    std::pair { sleutel, std::numeric_limits<int>::max() });
                if (begin == eind)
                    continue;
                int &aantal = genomen[static_cast<size_t>(begin - m_sleutels.begin())];
                if (aantal == eind - begin)
                    continue;
                const Post &post = m_posten[static_cast<size_t>((begin + aantal++)->second)];
                eigenaars[rij] = gevraagd.value(
                    { m_bronnen[static_cast<size_t>(post.bron)], post.dag, post.centen }, Ander);
            }
        }
    }
    return eigenaars;
}
