#include "recurring/ReeksGroep.h"

#include <algorithm>
#include <cstdlib>
#include <tuple>

const std::array<ReeksGroep::Ritme, 5> ReeksGroep::Ritmes { {
    { Elke::Maand, 30, 6, 2 },
    { Elke::VierWeken, 28, 4, 2 },
    { Elke::Kwartaal, 91, 12, 1 },
    { Elke::HalfJaar, 182, 20, 1 },
    { Elke::Jaar, 365, 25, 1 },
} };

namespace {

// Two amounts that can be one series: the larger at most `keer` times the smaller.
bool Nabij(qint64 a, qint64 b, qint64 keer)
{
    const qint64 x = std::llabs(a);
    const qint64 y = std::llabs(b);
    return std::max(x, y) <= keer * std::min(x, y);
}

// Where the amount of a series stays the same over two or more payments.
struct Reeks {
    size_t begin;
    size_t lengte;
};

std::vector<Reeks> GelijkeReeksen(std::span<const qint64> bedragen)
{
    std::vector<Reeks> reeksen;
    for (size_t i = 0; i < bedragen.size(); ++i) {
        if (i > 0 && bedragen[i] == bedragen[i - 1])
            ++reeksen.back().lengte;
        else
            reeksen.push_back({ i, 1 });
    }
    return reeksen;
}

// An amount is steady when most payments repeat the one before or after them; otherwise it
// varies.
bool Wisselend(const std::vector<Reeks> &reeksen, size_t aantal)
{
    size_t herhaald = 0;
    for (const Reeks &reeks : reeksen)
        herhaald += reeks.lengte >= 2 ? reeks.lengte : 0;
    return herhaald * 3 < aantal * 2;
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
int GewoneDag(const std::vector<int> &dagen)
{
    int beste = 0;
    int besteAfstand = 0;
    for (const int kandidaat : dagen) {
        int afstand = 0;
        for (const int dag : dagen) {
            const int verschil = std::abs(dag - kandidaat);
            afstand += std::min(verschil, 31 - verschil);
        }
        if (beste == 0 || afstand < besteAfstand) {
            beste = kandidaat;
            besteAfstand = afstand;
        }
    }
    return beste;
}

// The day `dag` of a month (or the month's last) nearest to `rond`.
Dag OpDag(const Dag &rond, int dag)
{
    Dag beste;
    for (const int maanden : { -1, 0, 1 }) {
        const Dag maand = MaandenNa({ 0, rond.jaar, rond.maand, 1 }, maanden);
        const Dag kandidaat = Dag::Van(
            maand.jaar, maand.maand, std::min(dag, DagenInMaand(maand.jaar, maand.maand)));
        if (maanden == -1
            || std::llabs(kandidaat.nummer - rond.nummer) < std::llabs(beste.nummer - rond.nummer))
            beste = kandidaat;
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

} // namespace

// More payments first, then fewer missed, then the shorter interval (four payments a month apart
// are likelier a series than four on one day of the year), then closer to the days.
bool ReeksGroep::Keten::BeterDan(const Keten &ander) const
{
    return std::tuple(Aantal(), -Gemist(), -ritme->dagen, -afwijking)
        > std::tuple(ander.Aantal(), -ander.Gemist(), -ander.ritme->dagen, -ander.afwijking);
}

// A series misses at most one expected payment in four: a month not typed in, a collection that
// failed.
bool ReeksGroep::Keten::Regelmatig(int minimum) const
{
    return Aantal() >= minimum && Gemist() * 3 <= Aantal();
}

ReeksGroep::ReeksGroep(std::span<const Betaling> betalingen)
    : m_betalingen(betalingen)
    , m_vrij(betalingen.size(), true)
{
    m_dagen.reserve(betalingen.size());
    m_nummers.reserve(betalingen.size());
    for (const Betaling &betaling : betalingen) {
        m_dagen.push_back(Dag::Van(betaling.datum));
        m_nummers.push_back(m_dagen.back().nummer);
    }
    // Most payments are the only one of their amount: a shop's.
    std::vector<std::pair<qint64, int>> bedragen;
    bedragen.reserve(betalingen.size());
    for (int lid = 0; lid < static_cast<int>(betalingen.size()); ++lid)
        bedragen.emplace_back(Centen(lid), lid);
    std::sort(bedragen.begin(), bedragen.end());
    for (size_t begin = 0; begin < bedragen.size();) {
        size_t einde = begin + 1;
        while (einde < bedragen.size() && bedragen[einde].first == bedragen[begin].first)
            ++einde;
        if (einde - begin > 1) {
            std::vector<int> &leden = m_perBedrag[bedragen[begin].first];
            for (size_t i = begin; i < einde; ++i)
                leden.push_back(bedragen[i].second);
        }
        begin = einde;
    }
}

qint64 ReeksGroep::Verwacht(const Keten &keten, int plek) const
{
    switch (keten.ritme->elke) {
    case Elke::Maand:
        return MaandenNa(keten.anker, plek).nummer;
    case Elke::VierWeken:
        return keten.anker.nummer + 28 * qint64(plek);
    case Elke::Kwartaal:
        return MaandenNa(keten.anker, 3 * plek).nummer;
    case Elke::HalfJaar:
        return MaandenNa(keten.anker, 6 * plek).nummer;
    case Elke::Jaar:
        return MaandenNa(keten.anker, 12 * plek).nummer;
    }
    return keten.anker.nummer;
}

// The free payment nearest to `bedrag` within the interval's leeway of the day `verwacht`, after
// the day `na`; -1 when there is none. Only a bounded number are looked at, however many fall on
// a day.
int ReeksGroep::Zoek(
    qint64 verwacht, const Ritme &ritme, qint64 na, qint64 bedrag, Maat maat, int *aantal) const
{
    constexpr int MeesteKandidaten = 64;
    const qint64 van = std::max(verwacht - ritme.speling, na + 1);
    const qint64 tot = verwacht + ritme.speling;
    int beste = -1;
    std::pair<qint64, qint64> besteAfstand;
    int kandidaten = 0;
    const auto overweeg = [&](int lid) {
        ++kandidaten;
        const std::pair afstand { std::llabs(Centen(lid) - bedrag),
            std::llabs(Nummer(lid) - verwacht) };
        if (beste < 0 || afstand < besteAfstand) {
            beste = lid;
            besteAfstand = afstand;
        }
    };
    if (maat == Maat::Gelijk) {
        const auto leden = m_perBedrag.constFind(bedrag);
        if (leden == m_perBedrag.constEnd())
            return -1;
        auto it = std::lower_bound(leden->begin(), leden->end(), van,
            [this](int lid, qint64 dag) { return Nummer(lid) < dag; });
        for (int gezien = 0; it != leden->end() && Nummer(*it) <= tot && gezien < MeesteKandidaten;
             ++it) {
            if (Vrij(*it)) {
                ++gezien;
                overweeg(*it);
            }
        }
        if (aantal)
            *aantal = kandidaten;
        return beste;
    }
    auto it = std::lower_bound(m_nummers.begin(), m_nummers.end(), van);
    for (int gezien = 0; it != m_nummers.end() && *it <= tot && gezien < MeesteKandidaten; ++it) {
        const int lid = static_cast<int>(it - m_nummers.begin());
        if (!Vrij(lid))
            continue;
        ++gezien;
        if (Nabij(Centen(lid), bedrag, maat == Maat::Nabij ? 2 : 4))
            overweeg(lid);
    }
    if (aantal)
        *aantal = kandidaten;
    return beste;
}

// The series from payment `begin` on at the rhythm, as long as it does not miss too many.
ReeksGroep::Keten ReeksGroep::Bouw(int begin, const Ritme &ritme, Maat maat) const
{
    Keten keten { &ritme, m_dagen[static_cast<size_t>(begin)], { begin }, { 0 }, 0,
        maat == Maat::Wisselend };
    const qint64 laatste = m_nummers.back();
    int gemistOpRij = 0;
    for (int plek = 1;; ++plek) {
        const qint64 verwacht = Verwacht(keten, plek);
        if (verwacht - ritme.speling > laatste)
            break;
        // A varying amount is compared with the middle one of the last three, so one odd
        // payment does not lead the series astray.
        qint64 bedrag = Centen(keten.leden.back());
        if (maat == Maat::Wisselend && keten.Aantal() >= 3) {
            std::array<qint64, 3> laatste3;
            for (size_t i = 0; i < 3; ++i)
                laatste3[i] = Centen(keten.leden[keten.leden.size() - 1 - i]);
            std::sort(laatste3.begin(), laatste3.end());
            bedrag = laatste3[1];
        }
        const int lid = Zoek(verwacht, ritme, Nummer(keten.leden.back()), bedrag, maat);
        if (lid < 0) {
            if (++gemistOpRij > ritme.gat)
                break;
            continue;
        }
        gemistOpRij = 0;
        keten.leden.push_back(lid);
        keten.plekken.push_back(plek);
        keten.afwijking += static_cast<int>(std::llabs(Nummer(lid) - verwacht));
        // Amounts that vary among many more payments are a shop's: no use going on, it will
        // not be taken (LaatLijkendeWeg).
        if (maat == Maat::Wisselend && lid - begin + 1 > 3 * keten.Aantal() + 4) {
            keten.opgegeven = true;
            break;
        }
    }
    return keten;
}

// Which expected payment of the series a payment on the day `dag` would be.
std::optional<int> ReeksGroep::Plek(const Keten &keten, qint64 dag) const
{
    const int schatting = static_cast<int>((dag - keten.anker.nummer) / keten.ritme->dagen);
    for (const int plek : { schatting, schatting + 1, schatting - 1 }) {
        if (std::llabs(Verwacht(keten, plek) - dag) <= keten.ritme->speling)
            return plek;
    }
    return std::nullopt;
}

void ReeksGroep::Neem(const Keten &keten)
{
    for (const int lid : keten.leden)
        m_vrij[static_cast<size_t>(lid)] = false;
}

void ReeksGroep::VoegToe(Keten &keten, int lid, int plek)
{
    const auto waar = std::lower_bound(keten.plekken.begin(), keten.plekken.end(), plek);
    keten.leden.insert(keten.leden.begin() + (waar - keten.plekken.begin()), lid);
    keten.plekken.insert(waar, plek);
    keten.afwijking += static_cast<int>(std::llabs(Nummer(lid) - Verwacht(keten, plek)));
    m_vrij[static_cast<size_t>(lid)] = false;
}

// The series of one amount each: the surest, and what tells a change from a varying amount. Two
// suffice here: a new amount that held twice is a change, once it continues a series.
void ReeksGroep::ZoekGelijke()
{
    for (const std::vector<int> &leden : std::as_const(m_perBedrag)) {
        for (size_t i = 0; i < leden.size(); ++i) {
            if (leden[i] < m_begin || !Vrij(leden[i]))
                continue;
            std::optional<Keten> beste;
            for (const Ritme &ritme : Ritmes) {
                // One of the same amount a few days later may be where the series begins, and
                // the first one a one-off.
                for (size_t ander = i; ander < leden.size()
                     && Nummer(leden[ander]) - Nummer(leden[i]) <= ritme.speling;
                     ++ander) {
                    if (!Vrij(leden[ander]))
                        continue;
                    // Most amounts come back too late for a series at this rhythm, if at all.
                    size_t volgende = ander + 1;
                    while (volgende < leden.size() && !Vrij(leden[volgende]))
                        ++volgende;
                    if (volgende == leden.size()
                        || Nummer(leden[volgende]) - Nummer(leden[ander])
                            > (ritme.gat + 1) * (ritme.dagen + 2) + ritme.speling)
                        continue;
                    Keten keten = Bouw(leden[ander], ritme, Maat::Gelijk);
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
}

// A series of one amount that goes on where another of the same rhythm ended is the same
// contract at a new price: the rent raised in July.
void ReeksGroep::VoegWijzigingenSamen()
{
    std::sort(m_ketens.begin(), m_ketens.end(),
        [this](const Keten &a, const Keten &b) { return a.leden.front() < b.leden.front(); });
    std::vector<Keten> samen;
    for (Keten &keten : m_ketens) {
        const qint64 begin = Nummer(keten.leden.front());
        Keten *voorganger = nullptr;
        int verschuiving = 0;
        for (Keten &eerder : samen) {
            const qint64 tussen = begin - Nummer(eerder.leden.back());
            if (eerder.ritme != keten.ritme || tussen <= 0
                || tussen > (keten.ritme->gat + 1) * (keten.ritme->dagen + 2) + keten.ritme->speling
                || !Nabij(Centen(eerder.leden.back()), Centen(keten.leden.front()), 2))
                continue;
            const std::optional<int> plek = Plek(eerder, begin);
            if (!plek || *plek - eerder.plekken.back() - 1 > eerder.ritme->gat)
                continue;
            const auto afstand = [&](const Keten &k) {
                return std::pair(begin - Nummer(k.leden.back()),
                    std::llabs(Centen(k.leden.back()) - Centen(keten.leden.front())));
            };
            if (!voorganger || afstand(eerder) < afstand(*voorganger)) {
                voorganger = &eerder;
                verschuiving = *plek - keten.plekken.front();
            }
        }
        // Every payment of it must fall on the days of the series it continues.
        const bool past = voorganger
            && std::all_of(keten.leden.begin(), keten.leden.end(),
                [&](int lid) { return Plek(*voorganger, Nummer(lid)).has_value(); });
        if (!past) {
            samen.push_back(std::move(keten));
            continue;
        }
        for (size_t i = 0; i < keten.leden.size(); ++i) {
            voorganger->leden.push_back(keten.leden[i]);
            voorganger->plekken.push_back(keten.plekken[i] + verschuiving);
        }
        voorganger->afwijking += keten.afwijking;
    }
    m_ketens = std::move(samen);
}

// The payments of another amount in the places the series missed, and after and before it as long
// as they keep coming, each the only one there: a month the energy company charged differently,
// a new price that did not hold yet. A shop visited every day has one at any place.
void ReeksGroep::VulAan(Keten &keten)
{
    const Ritme &ritme = *keten.ritme;
    for (int plek = keten.plekken.front() + 1; plek < keten.plekken.back(); ++plek) {
        const auto waar = std::lower_bound(keten.plekken.begin(), keten.plekken.end(), plek);
        if (*waar == plek)
            continue;
        const size_t volgende = static_cast<size_t>(waar - keten.plekken.begin());
        const int vorige = keten.leden[volgende - 1];
        const int lid
            = Zoek(Verwacht(keten, plek), ritme, Nummer(vorige), Centen(vorige), Maat::Nabij);
        if (lid >= 0 && Nummer(lid) < Nummer(keten.leden[volgende]))
            VoegToe(keten, lid, plek);
    }
    int aantal = 0;
    for (int plek = keten.plekken.back() + 1;; ++plek) {
        const int lid = Zoek(Verwacht(keten, plek), ritme, Nummer(keten.leden.back()),
            Centen(keten.leden.back()), Maat::Nabij, &aantal);
        if (lid < 0 || aantal > 1)
            break;
        VoegToe(keten, lid, plek);
    }
    for (int plek = keten.plekken.front() - 1;; --plek) {
        const qint64 verwacht = Verwacht(keten, plek);
        const int lid = Zoek(verwacht, ritme, verwacht - ritme.speling - 1,
            Centen(keten.leden.front()), Maat::Nabij, &aantal);
        if (lid < m_begin || aantal > 1 || Nummer(lid) >= Nummer(keten.leden.front()))
            break;
        VoegToe(keten, lid, plek);
    }
}

// Where a series that runs since before the years looked at began: back, place by place, a payment
// of the amount after it, or else the only one there near it, as long as too many places in a row
// are not left empty.
void ReeksGroep::ZoekBegin(Keten &keten)
{
    const Ritme &ritme = *keten.ritme;
    for (int plek = keten.plekken.front() - 1, gemist = 0; gemist <= ritme.gat; --plek) {
        const qint64 verwacht = Verwacht(keten, plek);
        const int eerste = keten.leden.front();
        int aantal = 0;
        int lid = Zoek(verwacht, ritme, verwacht - ritme.speling - 1, Centen(eerste), Maat::Gelijk);
        if (lid < 0) {
            lid = Zoek(verwacht, ritme, verwacht - ritme.speling - 1, Centen(eerste),
                keten.wisselend ? Maat::Wisselend : Maat::Nabij, &aantal);
        }
        if (lid < 0 || aantal > 1 || Nummer(lid) >= Nummer(eerste)) {
            ++gemist;
            continue;
        }
        gemist = 0;
        VoegToe(keten, lid, plek);
    }
}

// Series of amounts that differ each time: the phone bill, public transport. The rest of what
// is left.
void ReeksGroep::ZoekWisselende()
{
    // A payment that was in a series from an earlier one need not begin one at that rhythm: it
    // would only find the rest of the same series.
    std::array<std::vector<bool>, Ritmes.size()> gezien;
    for (auto &g : gezien)
        g.assign(m_betalingen.size(), false);
    for (int begin = m_begin; begin < static_cast<int>(m_betalingen.size()); ++begin) {
        if (!Vrij(begin))
            continue;
        int volgende = begin + 1;
        while (volgende < static_cast<int>(m_betalingen.size()) && !Vrij(volgende))
            ++volgende;
        if (volgende == static_cast<int>(m_betalingen.size()))
            break;
        std::optional<Keten> beste;
        for (size_t r = 0; r < Ritmes.size(); ++r) {
            // The next payment comes too late for a series at this rhythm.
            const Ritme &ritme = Ritmes[r];
            if (gezien[r][static_cast<size_t>(begin)]
                || Nummer(volgende) - Nummer(begin)
                    > (ritme.gat + 1) * (ritme.dagen + 2) + ritme.speling)
                continue;
            Keten keten = Bouw(begin, ritme, Maat::Wisselend);
            for (const int lid : keten.leden)
                gezien[r][static_cast<size_t>(lid)] = true;
            // Where one was given up among a shop's payments, so is any other at this rhythm.
            if (keten.opgegeven) {
                std::fill(
                    gezien[r].begin() + begin, gezien[r].begin() + keten.leden.back() + 1, true);
            }
            if (!keten.opgegeven && keten.Regelmatig(3) && (!beste || keten.BeterDan(*beste)))
                beste = std::move(keten);
        }
        if (beste) {
            Neem(*beste);
            m_ketens.push_back(std::move(*beste));
        }
    }
}

// What only looks like a series: a shop visited every week splits into four of them a week
// apart, and payments at no rhythm leave more between the members of one than a series would.
void ReeksGroep::LaatLijkendeWeg()
{
    std::sort(m_ketens.begin(), m_ketens.end(),
        [](const Keten &a, const Keten &b) { return a.leden.front() < b.leden.front(); });
    struct Kenmerk {
        qint64 kleinste = 0; // amount, without sign
        qint64 grootste = 0;
        bool wisselt = false;
    };
    std::vector<Kenmerk> kenmerken;
    for (const Keten &keten : m_ketens) {
        std::vector<qint64> bedragen;
        for (const int lid : keten.leden)
            bedragen.push_back(std::llabs(Centen(lid)));
        const auto [kleinste, grootste] = std::minmax_element(bedragen.begin(), bedragen.end());
        kenmerken.push_back(
            { *kleinste, *grootste, Wisselend(GelijkeReeksen(bedragen), bedragen.size()) });
    }

    std::vector<bool> weg(m_ketens.size(), false);
    const auto laatGaan = [&](size_t i) {
        weg[i] = true;
        for (const int lid : m_ketens[i].leden)
            m_vrij[static_cast<size_t>(lid)] = true;
    };
    // Two payments of one amount are a series only a year or half a year apart, and on the day,
    // weekends aside: twice the same amount to a cash machine half a year apart is chance. What
    // is no series lies loose between the others.
    for (size_t i = 0; i < m_ketens.size(); ++i) {
        const Keten &keten = m_ketens[i];
        const bool lang = keten.ritme->elke == Elke::Jaar || keten.ritme->elke == Elke::HalfJaar;
        const bool gelijk = kenmerken[i].kleinste == kenmerken[i].grootste;
        if (!keten.Regelmatig(lang && gelijk ? 2 : 3)
            || (keten.Aantal() == 2 && keten.afwijking > 7))
            laatGaan(i);
    }
    // What a series lets go lies loose between the others, so this goes on until none goes.
    std::vector<int> vrijVoor(m_betalingen.size() + 1);
    for (bool verder = true; verder;) {
        for (size_t lid = 0; lid < m_vrij.size(); ++lid)
            vrijVoor[lid + 1] = vrijVoor[lid] + (m_vrij[lid] ? 1 : 0);
        std::vector<bool> lijkend(m_ketens.size(), false);
        for (size_t i = 0; i < m_ketens.size(); ++i) {
            if (weg[i])
                continue;
            const Keten &a = m_ketens[i];
            const Kenmerk &ka = kenmerken[i];
            // By their first payment: those after this one's last do not overlap it.
            for (size_t j = i + 1;
                 j < m_ketens.size() && m_ketens[j].leden.front() <= a.leden.back(); ++j) {
                const Keten &b = m_ketens[j];
                const Kenmerk &kb = kenmerken[j];
                if (weg[j] || ka.grootste < kb.kleinste || kb.grootste < ka.kleinste)
                    continue;
                // Two series of like amounts on the same days are two contracts, one for each
                // child; a week apart, or at another rhythm between them, they are a shop
                // visited every week, a babysitter paid now and then.
                if (Plek(a, Nummer(b.leden.front())))
                    continue;
                if (a.wisselend == b.wisselend) {
                    lijkend[i] = lijkend[j] = true;
                } else {
                    lijkend[a.wisselend ? i : j] = true;
                }
            }
            // A series is most of what goes to its counterparty in its time, whatever the
            // amounts; a bill that varies is nearly all of it, and comes on its day. A shop's or
            // a babysitter's payments, like a cash machine's, are a few of many, on any day.
            const int anders = vrijVoor[static_cast<size_t>(a.leden.back()) + 1]
                - vrijVoor[static_cast<size_t>(a.leden.front())];
            if (anders > a.Aantal()
                || (ka.wisselt
                    && (anders * 2 > a.Aantal() || a.afwijking > 3 * (a.Aantal() - 1)))) {
                lijkend[i] = true;
                continue;
            }
            // Of those, the ones near its amounts.
            const qint64 van = ka.kleinste * 4 / 5;
            const qint64 tot = ka.grootste * 5 / 4;
            int los = 0;
            for (int lid = a.leden.front(); lid <= a.leden.back() && anders > 0; ++lid) {
                if (Vrij(lid)) {
                    const qint64 centen = std::llabs(Centen(lid));
                    los += centen >= van && centen <= tot ? 1 : 0;
                }
            }
            if (los * 3 >= a.Aantal())
                lijkend[i] = true;
        }
        verder = false;
        for (size_t i = 0; i < m_ketens.size(); ++i) {
            if (lijkend[i]) {
                laatGaan(i);
                verder = true;
            }
        }
    }
    std::vector<Keten> over;
    for (size_t i = 0; i < m_ketens.size(); ++i) {
        if (!weg[i])
            over.push_back(std::move(m_ketens[i]));
    }
    m_ketens = std::move(over);
}

std::optional<Contract> ReeksGroep::Maak(const Keten &keten, QDate op) const
{
    const Ritme &ritme = *keten.ritme;
    Contract contract;
    contract.elke = ritme.elke;
    contract.aantal = keten.Aantal();
    contract.sinds = m_betalingen[static_cast<size_t>(keten.leden.front())].datum;
    contract.laatst = m_betalingen[static_cast<size_t>(keten.leden.back())].datum;

    // The next payment: the months' usual day, or for four weeks the usual deviation.
    const qint64 volgendeRond = Verwacht(keten, keten.plekken.back() + 1);
    if (ritme.elke == Elke::VierWeken) {
        std::vector<qint64> afwijkingen;
        for (size_t i = 0; i < keten.leden.size(); ++i)
            afwijkingen.push_back(Nummer(keten.leden[i]) - Verwacht(keten, keten.plekken[i]));
        std::nth_element(
            afwijkingen.begin(), afwijkingen.begin() + afwijkingen.size() / 2, afwijkingen.end());
        contract.volgende
            = Dag::OpNummer(volgendeRond + afwijkingen[afwijkingen.size() / 2]).Datum();
    } else {
        std::vector<int> dagen;
        for (const int lid : keten.leden)
            dagen.push_back(m_dagen[static_cast<size_t>(lid)].dag);
        contract.dag = GewoneDag(dagen);
        contract.volgende = OpDag(Dag::OpNummer(volgendeRond), contract.dag).Datum();
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

    std::vector<qint64> bedragen;
    std::vector<QString> woorden;
    for (const int lid : keten.leden) {
        bedragen.push_back(Centen(lid));
        woorden.push_back(m_betalingen[static_cast<size_t>(lid)].woord);
    }

    // The usual amount is that of the last run of two or more, and a run of another amount
    // before it is a change.
    const std::vector<Reeks> reeksen = GelijkeReeksen(bedragen);
    if (!Wisselend(reeksen, bedragen.size())) {
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
            const auto datum
                = [&](size_t i) { return m_betalingen[static_cast<size_t>(keten.leden[i])].datum; };
            contract.wijziging = Wijziging { bedragen[eerder->begin], contract.bedrag, datum(sinds),
                datum(tweede) };
            break;
        }
    } else {
        // Amounts under a thousand billion: six of them add up without overflow.
        const size_t zes = std::min<size_t>(6, bedragen.size());
        contract.bedrag = Gemiddelde(std::span(bedragen).last(zes));
        contract.wisselend = true;
    }

    // Amounts that vary say less of a rhythm than one amount does: such a series needs four
    // payments, and six once it has ended (bills of an excess in autumn are no contract).
    if (contract.wisselend && contract.aantal < (contract.gestopt ? 6 : 4))
        return std::nullopt;

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

std::vector<Contract> ReeksGroep::Contracten(QDate op)
{
    // Series are looked for in the last years only: what ended before them is not shown, and one
    // that runs is followed back to its beginning afterwards. Decades of a household's payments
    // would cost far more than the few series they hold.
    constexpr qint64 Terugblik = 4 * 365 + 1;
    m_begin = static_cast<int>(
        std::lower_bound(m_nummers.begin(), m_nummers.end(), Dag::Van(op).nummer - Terugblik)
        - m_nummers.begin());
    ZoekGelijke();
    VoegWijzigingenSamen();
    // Two of one amount are a piece of a series yet, unless a year or half a year apart.
    for (Keten &keten : m_ketens) {
        const bool lang = keten.ritme->elke == Elke::Jaar || keten.ritme->elke == Elke::HalfJaar;
        if (keten.Aantal() >= (lang ? 2 : 3))
            VulAan(keten);
    }
    ZoekWisselende();
    LaatLijkendeWeg();
    for (Keten &keten : m_ketens)
        ZoekBegin(keten);

    std::vector<Contract> contracten;
    for (const Keten &keten : m_ketens) {
        if (std::optional<Contract> contract = Maak(keten, op))
            contracten.push_back(std::move(*contract));
    }
    return contracten;
}
