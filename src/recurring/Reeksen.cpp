#include "recurring/Reeksen.h"

#include <QHash>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <span>
#include <tuple>

namespace {

// An amount of a thousand billion euros or more is no amount (as an amount text reads it), and
// keeps every sum below the overflow.
constexpr qint64 GrootsteCenten = 100'000'000'000'000;

// How an interval is met in practice.
struct Ritme {
    Elke elke;
    int dagen; // its length in days, near enough
    int speling; // how many days a payment may lie from its day: weekends, bank holidays
    int gat; // how many expected payments in a row a series may miss and go on
};

constexpr std::array<Ritme, 5> Ritmes { {
    { Elke::Maand, 30, 6, 2 },
    { Elke::VierWeken, 28, 4, 2 },
    { Elke::Kwartaal, 91, 12, 1 },
    { Elke::HalfJaar, 182, 20, 1 },
    { Elke::Jaar, 365, 25, 1 },
} };

// Two amounts that can be one series: the larger at most twice the smaller.
bool Nabij(qint64 a, qint64 b)
{
    const qint64 x = std::llabs(a);
    const qint64 y = std::llabs(b);
    return std::max(x, y) <= 2 * std::min(x, y);
}

// A candidate series within one counterparty and direction: per member its payment (an index
// into the group) and which expected payment it is, counted from the anchor.
struct Keten {
    const Ritme *ritme = nullptr;
    QDate anker;
    std::vector<int> leden;
    std::vector<int> plekken;
    int afwijking = 0; // days from the expected days, over all members

    int Aantal() const { return static_cast<int>(leden.size()); }
    int Gemist() const { return plekken.back() - plekken.front() + 1 - Aantal(); }
    // More payments first, then fewer missed, then closer to the days.
    bool BeterDan(const Keten &ander) const
    {
        return std::tuple(Aantal(), -Gemist(), -afwijking)
            > std::tuple(ander.Aantal(), -ander.Gemist(), -ander.afwijking);
    }
    // A series misses at most one expected payment in three.
    bool Regelmatig(int minimum) const
    {
        return Aantal() >= minimum && Gemist() * 3 <= Aantal() - 1;
    }
};

enum class Maat {
    Gelijk, // every member the same amount
    Nabij, // near the amounts before it
};

// The payments of one counterparty in one direction, by date, and which of them are free.
class Groep {
public:
    explicit Groep(std::span<const Betaling> betalingen)
        : m_betalingen(betalingen)
        , m_vrij(betalingen.size(), true)
    {
    }

    std::vector<Contract> Reeksen(QDate op);

private:
    int Zoek(QDate verwacht, const Ritme &ritme, QDate na, qint64 bedrag, Maat maat) const;
    Keten Bouw(int begin, const Ritme &ritme, Maat maat) const;
    std::optional<int> Plek(const Keten &keten, QDate datum) const;
    void Neem(const Keten &keten);
    void VoegToe(Keten &keten, int lid, int plek);
    void ZoekGelijke();
    void VoegWijzigingenSamen();
    void VulAan(Keten &keten);
    void ZoekWisselende();
    void LaatLijkendeWeg();
    std::optional<Contract> Maak(const Keten &keten, QDate op) const;

    qint64 Centen(int lid) const { return m_betalingen[static_cast<size_t>(lid)].centen; }
    QDate Datum(int lid) const { return m_betalingen[static_cast<size_t>(lid)].datum; }
    std::pair<qint64, qint64> Band(const Keten &keten) const;

    std::span<const Betaling> m_betalingen;
    std::vector<bool> m_vrij;
    std::vector<Keten> m_ketens;
    std::vector<bool> m_wisselend; // per keten: built on amounts that differ
};

// The free payment nearest to `bedrag` within the interval's leeway of `verwacht`, after `na`;
// -1 when there is none. Only a bounded number are looked at, however many fall on a day.
int Groep::Zoek(QDate verwacht, const Ritme &ritme, QDate na, qint64 bedrag, Maat maat) const
{
    constexpr int MeesteKandidaten = 64;
    const QDate van = std::max(verwacht.addDays(-ritme.speling), na.addDays(1));
    auto it = std::lower_bound(m_betalingen.begin(), m_betalingen.end(), van,
        [](const Betaling &b, QDate datum) { return b.datum < datum; });
    int beste = -1;
    std::pair<qint64, qint64> besteAfstand;
    for (int gezien = 0; it != m_betalingen.end() && gezien < MeesteKandidaten; ++it) {
        const qint64 dagen = std::llabs(it->datum.daysTo(verwacht));
        if (it->datum > verwacht && dagen > ritme.speling)
            break;
        const int lid = static_cast<int>(it - m_betalingen.begin());
        if (!m_vrij[static_cast<size_t>(lid)])
            continue;
        ++gezien;
        if (maat == Maat::Gelijk ? it->centen != bedrag : !Nabij(it->centen, bedrag))
            continue;
        const std::pair afstand { std::llabs(it->centen - bedrag), dagen };
        if (beste < 0 || afstand < besteAfstand) {
            beste = lid;
            besteAfstand = afstand;
        }
    }
    return beste;
}

// The series from payment `begin` on at the rhythm, as long as it does not miss too many.
Keten Groep::Bouw(int begin, const Ritme &ritme, Maat maat) const
{
    Keten keten { &ritme, Datum(begin), { begin }, { 0 }, 0 };
    const QDate laatste = m_betalingen.back().datum;
    int gemistOpRij = 0;
    for (int plek = 1;; ++plek) {
        const QDate verwacht = DatumNa(ritme.elke, keten.anker, plek);
        if (verwacht.addDays(-ritme.speling) > laatste)
            break;
        // A varying amount is compared with the middle one of the last three, so one odd
        // payment does not lead the series astray.
        qint64 bedrag = Centen(keten.leden.back());
        if (maat == Maat::Nabij && keten.Aantal() >= 3) {
            std::array<qint64, 3> laatste3;
            for (size_t i = 0; i < 3; ++i)
                laatste3[i] = Centen(keten.leden[keten.leden.size() - 1 - i]);
            std::sort(laatste3.begin(), laatste3.end());
            bedrag = laatste3[1];
        }
        const int lid = Zoek(verwacht, ritme, Datum(keten.leden.back()), bedrag, maat);
        if (lid < 0) {
            if (++gemistOpRij > ritme.gat)
                break;
            continue;
        }
        gemistOpRij = 0;
        keten.leden.push_back(lid);
        keten.plekken.push_back(plek);
        keten.afwijking += static_cast<int>(std::llabs(Datum(lid).daysTo(verwacht)));
    }
    return keten;
}

// Which expected payment of the series a payment on `datum` would be.
std::optional<int> Groep::Plek(const Keten &keten, QDate datum) const
{
    const Ritme &ritme = *keten.ritme;
    const int schatting = static_cast<int>(keten.anker.daysTo(datum) / ritme.dagen);
    for (const int plek : { schatting, schatting + 1, schatting - 1 }) {
        if (std::llabs(DatumNa(ritme.elke, keten.anker, plek).daysTo(datum)) <= ritme.speling)
            return plek;
    }
    return std::nullopt;
}

void Groep::Neem(const Keten &keten)
{
    for (const int lid : keten.leden)
        m_vrij[static_cast<size_t>(lid)] = false;
}

void Groep::VoegToe(Keten &keten, int lid, int plek)
{
    const auto waar = std::lower_bound(keten.plekken.begin(), keten.plekken.end(), plek);
    keten.leden.insert(keten.leden.begin() + (waar - keten.plekken.begin()), lid);
    keten.plekken.insert(waar, plek);
    keten.afwijking += static_cast<int>(
        std::llabs(Datum(lid).daysTo(DatumNa(keten.ritme->elke, keten.anker, plek))));
    m_vrij[static_cast<size_t>(lid)] = false;
}

// The series of one amount each: the surest, and what tells a change from a varying amount. Two
// suffice here: a new amount that held twice is a change, once it continues a series.
void Groep::ZoekGelijke()
{
    // Most payments are the only one of their amount: a shop's.
    QHash<qint64, int> aantallen;
    for (const Betaling &betaling : m_betalingen)
        ++aantallen[betaling.centen];
    for (int begin = 0; begin < static_cast<int>(m_betalingen.size()); ++begin) {
        if (!m_vrij[static_cast<size_t>(begin)] || aantallen.value(Centen(begin)) < 2)
            continue;
        std::optional<Keten> beste;
        for (const Ritme &ritme : Ritmes) {
            // A payment of the same amount a few days later may be where the series begins, and
            // the first one a one-off.
            for (int ander = begin; ander < static_cast<int>(m_betalingen.size())
                 && Datum(begin).daysTo(Datum(ander)) <= ritme.speling;
                 ++ander) {
                if (!m_vrij[static_cast<size_t>(ander)] || Centen(ander) != Centen(begin))
                    continue;
                Keten keten = Bouw(ander, ritme, Maat::Gelijk);
                if (keten.Regelmatig(2) && (!beste || keten.BeterDan(*beste)))
                    beste = std::move(keten);
            }
        }
        if (beste) {
            Neem(*beste);
            m_ketens.push_back(std::move(*beste));
        }
    }
}

// A series of one amount that goes on where another of the same rhythm ended is the same
// contract at a new price: the rent raised in July.
void Groep::VoegWijzigingenSamen()
{
    std::sort(m_ketens.begin(), m_ketens.end(), [this](const Keten &a, const Keten &b) {
        return Datum(a.leden.front()) < Datum(b.leden.front());
    });
    std::vector<Keten> samen;
    for (Keten &keten : m_ketens) {
        Keten *voorganger = nullptr;
        int voorgangerPlek = 0;
        for (Keten &eerder : samen) {
            if (eerder.ritme != keten.ritme
                || Datum(eerder.leden.back()) >= Datum(keten.leden.front())
                || !Nabij(Centen(eerder.leden.back()), Centen(keten.leden.front())))
                continue;
            const std::optional<int> plek = Plek(eerder, Datum(keten.leden.front()));
            if (!plek || *plek - eerder.plekken.back() - 1 > eerder.ritme->gat)
                continue;
            const auto afstand = [&](const Keten &k) {
                return std::pair(Datum(k.leden.back()).daysTo(Datum(keten.leden.front())),
                    std::llabs(Centen(k.leden.back()) - Centen(keten.leden.front())));
            };
            if (!voorganger || afstand(eerder) < afstand(*voorganger)) {
                voorganger = &eerder;
                voorgangerPlek = *plek - keten.plekken.front();
            }
        }
        // Every payment of it must fall on the days of the series it continues.
        const bool past = voorganger
            && std::all_of(keten.leden.begin(), keten.leden.end(),
                [&](int lid) { return Plek(*voorganger, Datum(lid)).has_value(); });
        if (!past) {
            samen.push_back(std::move(keten));
            continue;
        }
        for (size_t i = 0; i < keten.leden.size(); ++i) {
            voorganger->leden.push_back(keten.leden[i]);
            voorganger->plekken.push_back(keten.plekken[i] + voorgangerPlek);
        }
        voorganger->afwijking += keten.afwijking;
    }
    m_ketens = std::move(samen);
}

// The payments of another amount in the places the series missed, and after and before it as long
// as they keep coming: a month the energy company charged differently, a first price that did
// not hold yet.
void Groep::VulAan(Keten &keten)
{
    const Ritme &ritme = *keten.ritme;
    for (int plek = keten.plekken.front() + 1; plek < keten.plekken.back(); ++plek) {
        const auto waar = std::lower_bound(keten.plekken.begin(), keten.plekken.end(), plek);
        if (*waar == plek)
            continue;
        const size_t volgende = static_cast<size_t>(waar - keten.plekken.begin());
        const int vorige = keten.leden[volgende - 1];
        const int lid = Zoek(DatumNa(ritme.elke, keten.anker, plek), ritme, Datum(vorige),
            Centen(vorige), Maat::Nabij);
        if (lid >= 0 && Datum(lid) < Datum(keten.leden[volgende]))
            VoegToe(keten, lid, plek);
    }
    for (int plek = keten.plekken.back() + 1;; ++plek) {
        const int lid = Zoek(DatumNa(ritme.elke, keten.anker, plek), ritme,
            Datum(keten.leden.back()), Centen(keten.leden.back()), Maat::Nabij);
        if (lid < 0)
            break;
        VoegToe(keten, lid, plek);
    }
    for (int plek = keten.plekken.front() - 1;; --plek) {
        const QDate verwacht = DatumNa(ritme.elke, keten.anker, plek);
        const int lid = Zoek(verwacht, ritme, verwacht.addDays(-ritme.speling - 1),
            Centen(keten.leden.front()), Maat::Nabij);
        if (lid < 0 || Datum(lid) >= Datum(keten.leden.front()))
            break;
        VoegToe(keten, lid, plek);
    }
}

// Series of amounts that differ each time: the phone bill, public transport. The rest of what
// is left.
void Groep::ZoekWisselende()
{
    // A payment that was in a series from an earlier one need not begin one at that rhythm: it
    // would only find the rest of the same series.
    std::array<std::vector<bool>, Ritmes.size()> gezien;
    for (auto &g : gezien)
        g.assign(m_betalingen.size(), false);
    for (int begin = 0; begin < static_cast<int>(m_betalingen.size()); ++begin) {
        if (!m_vrij[static_cast<size_t>(begin)])
            continue;
        std::optional<Keten> beste;
        for (size_t r = 0; r < Ritmes.size(); ++r) {
            if (gezien[r][static_cast<size_t>(begin)])
                continue;
            Keten keten = Bouw(begin, Ritmes[r], Maat::Nabij);
            for (const int lid : keten.leden)
                gezien[r][static_cast<size_t>(lid)] = true;
            if (keten.Regelmatig(3) && (!beste || keten.BeterDan(*beste)))
                beste = std::move(keten);
        }
        if (beste) {
            Neem(*beste);
            m_ketens.push_back(std::move(*beste));
            m_wisselend.resize(m_ketens.size() - 1, false);
            m_wisselend.push_back(true);
        }
    }
    m_wisselend.resize(m_ketens.size(), false);
}

// The smallest and the largest amount of a series, without sign.
std::pair<qint64, qint64> Groep::Band(const Keten &keten) const
{
    qint64 kleinste = std::llabs(Centen(keten.leden.front()));
    qint64 grootste = kleinste;
    for (const int lid : keten.leden) {
        kleinste = std::min(kleinste, std::llabs(Centen(lid)));
        grootste = std::max(grootste, std::llabs(Centen(lid)));
    }
    return { kleinste, grootste };
}

// What only looks like a series: a shop visited every week splits into four of them a week
// apart, and payments at no rhythm leave more of the like between the members of one than a
// series would.
void Groep::LaatLijkendeWeg()
{
    // Two payments of one amount are a series only a year apart; those that are not lie loose
    // between the others.
    std::vector<bool> kort(m_ketens.size(), false);
    for (size_t i = 0; i < m_ketens.size(); ++i) {
        const Keten &keten = m_ketens[i];
        const bool gelijk = std::all_of(keten.leden.begin(), keten.leden.end(),
            [&](int lid) { return Centen(lid) == Centen(keten.leden.front()); });
        kort[i] = !keten.Regelmatig(keten.ritme->elke == Elke::Jaar && gelijk ? 2 : 3);
        if (kort[i]) {
            for (const int lid : keten.leden)
                m_vrij[static_cast<size_t>(lid)] = true;
        }
    }
    std::vector<bool> weg = kort;
    for (size_t i = 0; i < m_ketens.size(); ++i) {
        if (kort[i])
            continue;
        const Keten &a = m_ketens[i];
        const auto [aVan, aTot] = Band(a);
        for (size_t j = i + 1; j < m_ketens.size(); ++j) {
            const Keten &b = m_ketens[j];
            const auto [bVan, bTot] = Band(b);
            if (kort[j] || a.ritme != b.ritme || aTot < bVan || bTot < aVan
                || Datum(a.leden.back()) < Datum(b.leden.front())
                || Datum(b.leden.back()) < Datum(a.leden.front()))
                continue;
            // Two series on the same days are two contracts, one for each child.
            if (Plek(a, Datum(b.leden.front())))
                continue;
            if (m_wisselend[i] == m_wisselend[j]) {
                weg[i] = weg[j] = true;
            } else {
                weg[m_wisselend[i] ? i : j] = true;
            }
        }
        // The payments near its amounts within its span that no series took.
        const qint64 van = aVan * 4 / 5;
        const qint64 tot = aTot * 5 / 4;
        int los = 0;
        for (int lid = a.leden.front(); lid <= a.leden.back(); ++lid) {
            const qint64 centen = std::llabs(Centen(lid));
            if (m_vrij[static_cast<size_t>(lid)] && centen >= van && centen <= tot)
                ++los;
        }
        if (los * 3 > a.Aantal())
            weg[i] = true;
    }
    std::vector<Keten> over;
    for (size_t i = 0; i < m_ketens.size(); ++i) {
        if (!weg[i])
            over.push_back(std::move(m_ketens[i]));
    }
    m_ketens = std::move(over);
}

// The most used of `teksten`, case and surrounding blanks aside, as written most; the latest on a
// tie. Empty when none has text.
QString Meest(const std::vector<QString> &teksten)
{
    QHash<QString, std::pair<int, qsizetype>> tellingen; // per folded text: count, last place
    QHash<QString, QHash<QString, std::pair<int, qsizetype>>> schrijfwijzen;
    for (qsizetype i = 0; i < qsizetype(teksten.size()); ++i) {
        const QString tekst = teksten[static_cast<size_t>(i)].trimmed();
        if (tekst.isEmpty())
            continue;
        const QString gevouwen = tekst.toCaseFolded();
        auto &telling = tellingen[gevouwen];
        telling = { telling.first + 1, i };
        auto &schrijfwijze = schrijfwijzen[gevouwen][tekst];
        schrijfwijze = { schrijfwijze.first + 1, i };
    }
    const auto grootste = [](const auto &hash) {
        auto beste = hash.constBegin();
        for (auto it = hash.constBegin(); it != hash.constEnd(); ++it) {
            if (it.value() > beste.value())
                beste = it;
        }
        return beste.key();
    };
    if (tellingen.isEmpty())
        return {};
    return grootste(schrijfwijzen.value(grootste(tellingen)));
}

// The day of the month that the members' days lie nearest to, a month's turn counting as near:
// the 1st for payments on the 30th, the 1st and the 3rd.
int GewoneDag(const std::vector<QDate> &datums)
{
    int beste = 0;
    int besteAfstand = 0;
    for (const QDate &kandidaat : datums) {
        int afstand = 0;
        for (const QDate &datum : datums) {
            const int verschil = std::abs(datum.day() - kandidaat.day());
            afstand += std::min(verschil, 31 - verschil);
        }
        if (beste == 0 || afstand < besteAfstand) {
            beste = kandidaat.day();
            besteAfstand = afstand;
        }
    }
    return beste;
}

// The date with day `dag` (or the month's last) nearest to `rond`.
QDate OpDag(QDate rond, int dag)
{
    QDate beste;
    for (const int maanden : { -1, 0, 1 }) {
        const QDate maand = QDate(rond.year(), rond.month(), 1).addMonths(maanden);
        const QDate datum(maand.year(), maand.month(), std::min(dag, maand.daysInMonth()));
        if (!beste.isValid() || std::llabs(datum.daysTo(rond)) < std::llabs(beste.daysTo(rond)))
            beste = datum;
    }
    return beste;
}

// The average of amounts, rounded half away from zero to whole cents.
qint64 Gemiddelde(std::span<const qint64> bedragen)
{
    qint64 som = 0;
    for (const qint64 bedrag : bedragen)
        som += bedrag;
    const qint64 n = static_cast<qint64>(bedragen.size());
    return (2 * som + (som < 0 ? -n : n)) / (2 * n);
}

std::optional<Contract> Groep::Maak(const Keten &keten, QDate op) const
{
    const Ritme &ritme = *keten.ritme;
    Contract contract;
    contract.elke = ritme.elke;
    contract.aantal = keten.Aantal();
    contract.sinds = Datum(keten.leden.front());
    contract.laatst = Datum(keten.leden.back());

    std::vector<qint64> bedragen;
    std::vector<QDate> datums;
    std::vector<QString> woorden;
    for (const int lid : keten.leden) {
        bedragen.push_back(Centen(lid));
        datums.push_back(Datum(lid));
        woorden.push_back(m_betalingen[static_cast<size_t>(lid)].woord);
    }

    // The amount: steady when most payments repeat the one before or after them; then the usual
    // amount is that of the last run of two or more, and a run of another amount before it is a
    // change. Otherwise it varies.
    struct Reeks {
        size_t begin;
        size_t lengte;
    };
    std::vector<Reeks> reeksen;
    for (size_t i = 0; i < bedragen.size(); ++i) {
        if (i > 0 && bedragen[i] == bedragen[i - 1])
            ++reeksen.back().lengte;
        else
            reeksen.push_back({ i, 1 });
    }
    size_t herhaald = 0;
    for (const Reeks &reeks : reeksen)
        herhaald += reeks.lengte >= 2 ? reeks.lengte : 0;
    if (herhaald * 3 >= bedragen.size() * 2) {
        auto laatste = std::find_if(
            reeksen.rbegin(), reeksen.rend(), [](const Reeks &r) { return r.lengte >= 2; });
        contract.bedrag = bedragen[laatste->begin];
        size_t sinds = laatste->begin;
        for (auto eerder = laatste + 1; eerder != reeksen.rend(); ++eerder) {
            if (eerder->lengte < 2)
                continue;
            if (bedragen[eerder->begin] == contract.bedrag) {
                sinds = eerder->begin;
                continue;
            }
            size_t tweede = sinds + 1;
            while (bedragen[tweede] != contract.bedrag)
                ++tweede;
            contract.wijziging = Wijziging { bedragen[eerder->begin], contract.bedrag,
                datums[sinds], datums[tweede] };
            break;
        }
    } else {
        // Amounts under a thousand billion: six of them add up without overflow.
        const size_t zes = std::min<size_t>(6, bedragen.size());
        contract.bedrag = Gemiddelde(std::span(bedragen).last(zes));
        contract.wisselend = true;
    }

    // The next payment: the months' usual day, or for four weeks the usual deviation.
    const int volgendePlek = keten.plekken.back() + 1;
    const QDate volgendeRond = DatumNa(ritme.elke, keten.anker, volgendePlek);
    if (ritme.elke == Elke::VierWeken) {
        std::vector<qint64> afwijkingen;
        for (size_t i = 0; i < keten.leden.size(); ++i) {
            afwijkingen.push_back(
                DatumNa(ritme.elke, keten.anker, keten.plekken[i]).daysTo(datums[i]));
        }
        std::nth_element(
            afwijkingen.begin(), afwijkingen.begin() + afwijkingen.size() / 2, afwijkingen.end());
        contract.volgende = volgendeRond.addDays(afwijkingen[afwijkingen.size() / 2]);
    } else {
        contract.dag = GewoneDag(datums);
        contract.volgende = OpDag(volgendeRond, contract.dag);
    }
    // Stopped when an expected payment is more than half an interval late; left out once that is
    // more than a year ago.
    const QDate gemist = contract.volgende.addDays(ritme.dagen / 2);
    if (op > gemist) {
        if (gemist.daysTo(op) > 365)
            return std::nullopt;
        contract.gestopt = true;
        contract.volgende = QDate();
    }

    contract.omschrijving = Meest(woorden);
    for (auto lid = keten.leden.rbegin(); lid != keten.leden.rend(); ++lid) {
        const QString &naam = m_betalingen[static_cast<size_t>(*lid)].naam;
        if (!naam.isEmpty()) {
            contract.tegenpartij = naam;
            break;
        }
    }
    if (contract.omschrijving.isEmpty())
        contract.omschrijving = contract.tegenpartij;
    return contract;
}

std::vector<Contract> Groep::Reeksen(QDate op)
{
    ZoekGelijke();
    VoegWijzigingenSamen();
    for (Keten &keten : m_ketens)
        VulAan(keten);
    ZoekWisselende();
    LaatLijkendeWeg();

    std::vector<Contract> contracten;
    for (const Keten &keten : m_ketens) {
        if (std::optional<Contract> contract = Maak(keten, op))
            contracten.push_back(std::move(*contract));
    }
    return contracten;
}

} // namespace

std::vector<Contract> VindReeksen(std::vector<Betaling> betalingen, QDate op)
{
    std::erase_if(betalingen, [op](const Betaling &b) {
        return !b.datum.isValid() || b.datum > op || b.centen == 0
            || std::llabs(b.centen) >= GrootsteCenten;
    });
    // Per counterparty and direction, by date; the counterparties by number, as comparing their
    // texts over and over would cost more than all the rest.
    QHash<QString, int> nummers;
    std::vector<std::pair<int, size_t>> volgorde;
    volgorde.reserve(betalingen.size());
    for (size_t i = 0; i < betalingen.size(); ++i) {
        auto nummer = nummers.constFind(betalingen[i].sleutel);
        if (nummer == nummers.constEnd())
            nummer = nummers.insert(betalingen[i].sleutel, int(nummers.size()));
        volgorde.emplace_back(2 * *nummer + (betalingen[i].centen > 0 ? 1 : 0), i);
    }
    std::sort(volgorde.begin(), volgorde.end(), [&](const auto &a, const auto &b) {
        const Betaling &x = betalingen[a.second];
        const Betaling &y = betalingen[b.second];
        return std::tie(a.first, x.datum, x.centen) < std::tie(b.first, y.datum, y.centen);
    });
    std::vector<Betaling> gesorteerd;
    gesorteerd.reserve(betalingen.size());
    for (const auto &[groep, i] : volgorde)
        gesorteerd.push_back(std::move(betalingen[i]));
    betalingen = std::move(gesorteerd);

    std::vector<Contract> contracten;
    for (auto begin = betalingen.begin(); begin != betalingen.end();) {
        const auto einde = std::find_if(begin, betalingen.end(), [&](const Betaling &b) {
            return (b.centen > 0) != (begin->centen > 0) || b.sleutel != begin->sleutel;
        });
        Groep groep(std::span<const Betaling>(&*begin, static_cast<size_t>(einde - begin)));
        for (Contract &contract : groep.Reeksen(op))
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
