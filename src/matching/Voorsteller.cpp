#include "matching/Voorsteller.h"

#include "matching/Tegenpartij.h"
#include "matching/Woorden.h"

#include <algorithm>
#include <limits>

namespace {

// Nearly always one word: at least nine transactions in ten. The tenth is room for an entry of
// the same amount that a hand-kept month matched by mistake.
constexpr int ZekerTeller = 9;
constexpr int ZekerNoemer = 10;
// Amounts that differ by less than this factor are look-alikes, and they can tell apart what one
// counterparty is paid for (a salary and a holiday allowance, a premium and a bill) when the
// amounts of a word recur within the second factor.
constexpr double Gelijkend = 1.05;
constexpr double Terugkerend = 1.1;
// A word of a text votes with how consistently it went with one word (half the time: not at
// all), and fully once it was seen this often.
constexpr int VolleSteun = 4;
// What the votes must add up to: one word seen VolleSteun times always with the same word, or
// two that were seen twice; and how much of all votes must agree.
constexpr double GenoegStemmen = 1.0;
constexpr double EensDeel = 0.9;

// An amount without its direction; the most negative one, which has no positive, the largest.
qint64 Grootte(qint64 centen)
{
    if (centen >= 0)
        return centen;
    return centen == std::numeric_limits<qint64>::min() ? std::numeric_limits<qint64>::max()
                                                        : -centen;
}

QStringList Gevouwen(QStringList woorden)
{
    for (QString &woord : woorden)
        woord = woord.toCaseFolded();
    return woorden;
}

// What a counterparty's name tells. Many kinds share a name, so it is worked out once per name.
struct NaamKenmerk {
    QString sleutel; // Tegenpartij, folded; empty for a payment service
    QString toonNaam; // as the tooltip names the counterparty
    QStringList tokens; // its words, folded; none for a payment service
    QStringList woorden; // all its words in order, folded, payment service or not
    bool dienst = false;
};

NaamKenmerk NaamKenmerkVan(const QString &naam, Lagen lagen)
{
    NaamKenmerk kenmerk;
    kenmerk.dienst = lagen.testFlag(Laag::Betaaldienst) && IsBetaaldienst(naam);
    kenmerk.toonNaam = Tegenpartij(naam);
    kenmerk.woorden = Gevouwen(Woorden(naam));
    if (!kenmerk.dienst) {
        kenmerk.sleutel = kenmerk.toonNaam.toCaseFolded();
        kenmerk.tokens = Gevouwen(Woorden(ZonderTerminal(naam)));
    }
    if (kenmerk.toonNaam.isEmpty())
        kenmerk.toonNaam = naam;
    return kenmerk;
}

// The words a kind of transaction votes with: those of its name and of its description, but not
// the name where the description repeats it (ING's notes do, "Naam: Stichting Mollie Payments"),
// which would make a payment service's name a key after all.
QStringList Tokens(const QString &omschrijving, const NaamKenmerk &naam)
{
    QStringList tokens = Gevouwen(omschrijving.split(u' ', Qt::SkipEmptyParts));
    const qsizetype lengte = naam.woorden.size();
    for (qsizetype i = 0; lengte > 0 && i + lengte <= tokens.size();) {
        if (std::equal(naam.woorden.begin(), naam.woorden.end(), tokens.begin() + i))
            tokens.remove(i, lengte);
        else
            ++i;
    }
    tokens = naam.tokens + tokens;
    tokens.removeDuplicates();
    return tokens;
}

QString RekeningSleutel(const QString &rekening)
{
    return u'R' + rekening;
}

QString NaamSleutel(const QString &naam)
{
    return u'N' + naam;
}

} // namespace

Voorsteller::Voorsteller(const Geleerd &geleerd, Lagen lagen)
    : m_lagen(lagen)
{
    // Per kind, once: its groups and its words' numbers. Many transactions share a kind.
    struct Soort {
        int rekening = -1;
        int naam = -1;
        std::vector<int> tokens;
        // Its transactions counted per direction and word.
        std::array<std::vector<WoordTelling>, 2> tellingen;
    };
    const std::vector<Bron> &bronnen = geleerd.Bronnen();
    std::vector<std::optional<Soort>> soorten(bronnen.size());
    m_namen.resize(bronnen.size());
    const auto groepNummer = [&](const QString &sleutel) {
        auto plek = m_sleutels.constFind(sleutel);
        if (plek == m_sleutels.cend()) {
            plek = m_sleutels.insert(sleutel, static_cast<int>(m_groepen.size()));
            m_groepen.emplace_back();
        }
        return *plek;
    };
    const auto tokenNummer = [&](const QString &token) {
        auto plek = m_tokens.constFind(token);
        if (plek == m_tokens.cend()) {
            plek = m_tokens.insert(token, static_cast<int>(m_tokenTeksten.size()));
            m_tokenTeksten.append(token);
            m_tokenTellingen.emplace_back();
        }
        return *plek;
    };
    // What a name gives is worked out once per name: many kinds share one.
    struct Naam {
        NaamKenmerk kenmerk;
        int groep = -1;
    };
    QHash<QString, Naam> namen;
    const auto tokenNummers = [&](const QStringList &tokens) {
        std::vector<int> nummers;
        for (const QString &token : tokens)
            nummers.push_back(tokenNummer(token));
        return nummers;
    };
    const auto maakSoort = [&](size_t bron) {
        const Bron &b = bronnen[bron];
        auto naam = namen.find(b.naam);
        if (naam == namen.end()) {
            Naam nieuw { NaamKenmerkVan(b.naam, lagen) };
            if (lagen.testFlag(Laag::Naam) && !nieuw.kenmerk.sleutel.isEmpty())
                nieuw.groep = groepNummer(NaamSleutel(nieuw.kenmerk.sleutel));
            naam = namen.insert(b.naam, std::move(nieuw));
        }
        m_namen[bron] = naam->kenmerk.toonNaam.isEmpty() ? b.rekening : naam->kenmerk.toonNaam;
        Soort soort;
        soort.naam = naam->groep;
        if (lagen.testFlag(Laag::Rekening) && !naam->kenmerk.dienst && !b.rekening.isEmpty())
            soort.rekening = groepNummer(RekeningSleutel(b.rekening));
        if (lagen.testFlag(Laag::Woorden))
            soort.tokens = tokenNummers(Tokens(b.omschrijving, naam->kenmerk));
        return soort;
    };

    m_voorbeelden.reserve(geleerd.Voorbeelden().size());
    for (const Geleerd::Voorbeeld &voorbeeld : geleerd.Voorbeelden()) {
        if (voorbeeld.woord == Geleerd::GeenWoord)
            continue;
        const auto bron = static_cast<size_t>(voorbeeld.bron);
        if (!soorten[bron])
            soorten[bron] = maakSoort(bron);
        Soort &soort = *soorten[bron];
        const auto richting = static_cast<size_t>(Richting(voorbeeld.centen));
        const int nummer = static_cast<int>(m_voorbeelden.size());
        m_voorbeelden.push_back(voorbeeld);
        while (m_woorden.size() <= voorbeeld.woord)
            m_woorden.append(geleerd.Woord(static_cast<int>(m_woorden.size())));
        for (const int groep : { soort.rekening, soort.naam }) {
            if (groep >= 0)
                m_groepen[static_cast<size_t>(groep)][richting].push_back(nummer);
        }
        std::vector<WoordTelling> &tellingen = soort.tellingen[richting];
        auto telling = std::find_if(tellingen.begin(), tellingen.end(),
            [&](const WoordTelling &t) { return t.woord == voorbeeld.woord; });
        if (telling == tellingen.end())
            telling = tellingen.insert(tellingen.end(), { voorbeeld.woord, 0, voorbeeld.datum });
        ++telling->aantal;
        telling->laatst = std::max(telling->laatst, voorbeeld.datum);
    }
    for (auto &richtingen : m_groepen) {
        for (Groep &groep : richtingen) {
            std::stable_sort(groep.begin(), groep.end(), [&](int a, int b) {
                return m_voorbeelden[static_cast<size_t>(a)].datum
                    < m_voorbeelden[static_cast<size_t>(b)].datum;
            });
        }
    }
    // The words of a text count the transactions of each kind: added up per kind first, which
    // takes far fewer steps than per transaction.
    for (const std::optional<Soort> &soort : soorten) {
        if (!soort)
            continue;
        for (size_t richting = 0; richting < 2; ++richting) {
            for (const WoordTelling &telling : soort->tellingen[richting]) {
                for (const int token : soort->tokens) {
                    TokenTelling &tokenTelling
                        = m_tokenTellingen[static_cast<size_t>(token)][richting];
                    tokenTelling.aantal += telling.aantal;
                    const auto bekend
                        = std::find_if(tokenTelling.woorden.begin(), tokenTelling.woorden.end(),
                            [&](const WoordTelling &w) { return w.woord == telling.woord; });
                    if (bekend == tokenTelling.woorden.end()) {
                        tokenTelling.woorden.push_back(telling);
                    } else {
                        bekend->aantal += telling.aantal;
                        bekend->laatst = std::max(bekend->laatst, telling.laatst);
                    }
                }
            }
        }
    }
}

int Voorsteller::Richting(qint64 centen) const
{
    return m_lagen.testFlag(Laag::Bedrag) && centen < 0 ? 1 : 0;
}

const Voorsteller::Groep *Voorsteller::GroepVan(const QString &sleutel, int richting) const
{
    const auto plek = m_sleutels.constFind(sleutel);
    if (plek == m_sleutels.cend())
        return nullptr;
    const Groep &groep = m_groepen[static_cast<size_t>(*plek)][static_cast<size_t>(richting)];
    return groep.empty() ? nullptr : &groep;
}

Voorstel Voorsteller::Maak(
    int woord, Laag laag, int aantal, const Geleerd::Voorbeeld &laatste) const
{
    Voorstel voorstel;
    voorstel.woord = m_woorden[woord];
    voorstel.laag = laag;
    voorstel.aantal = aantal;
    voorstel.herkend = m_namen[static_cast<size_t>(laatste.bron)];
    voorstel.laatst = laatste.datum;
    return voorstel;
}

std::optional<Voorstel> Voorsteller::Beoordeel(
    const Groep &groep, qint64 bedrag, Laag laag, std::vector<int> &woorden) const
{
    const auto voorbeeld = [&](int i) -> const Geleerd::Voorbeeld & {
        return m_voorbeelden[static_cast<size_t>(i)];
    };
    // Per word: how often, its last transaction, and its smallest and largest amount.
    struct Woord {
        int woord = 0;
        int aantal = 0;
        int laatste = 0;
        qint64 kleinste = 0;
        qint64 grootste = 0;
    };
    std::vector<Woord> perWoord;
    for (const int i : groep) {
        const Geleerd::Voorbeeld &v = voorbeeld(i);
        const qint64 centen = Grootte(v.centen);
        auto plek = std::find_if(
            perWoord.begin(), perWoord.end(), [&](const Woord &w) { return w.woord == v.woord; });
        if (plek == perWoord.end())
            plek = perWoord.insert(perWoord.end(), { v.woord, 0, i, centen, centen });
        ++plek->aantal;
        plek->laatste = i;
        plek->kleinste = std::min(plek->kleinste, centen);
        plek->grootste = std::max(plek->grootste, centen);
    }
    const auto van = [&](int woord) {
        return *std::find_if(
            perWoord.begin(), perWoord.end(), [&](const Woord &w) { return w.woord == woord; });
    };

    // Look-alikes: the transactions of about this amount all had one word, and that word's
    // amounts recur, as a salary's or a premium's do; a shop's amounts that merely happened to
    // lie near each other tell nothing.
    std::optional<int> inBand;
    bool bandEens = true;
    int bandAantal = 0;
    if (m_lagen.testFlag(Laag::Bedrag)) {
        for (const int i : groep) {
            const Geleerd::Voorbeeld &v = voorbeeld(i);
            if (Grootte(v.centen) * Gelijkend < bedrag || Grootte(v.centen) > bedrag * Gelijkend)
                continue;
            bandEens = bandEens && (!inBand || *inBand == v.woord);
            inBand = v.woord;
            ++bandAantal;
        }
        if (inBand && bandEens && bandAantal >= 2 && perWoord.size() > 1) {
            const Woord &w = van(*inBand);
            if (w.grootste <= w.kleinste * Terugkerend)
                return Maak(w.woord, Laag::Bedrag, w.aantal, voorbeeld(w.laatste));
        }
    }
    // The counterparty's word: always the same, or the same since the household changed it, or
    // nearly always the same.
    std::optional<std::pair<int, int>> gekozen; // the word and how often
    const int nieuwste = voorbeeld(groep.back()).woord;
    const int sinds = static_cast<int>(
        std::distance(groep.rbegin(), std::find_if(groep.rbegin(), groep.rend(), [&](int i) {
            return voorbeeld(i).woord != nieuwste;
        })));
    const Woord &meeste = *std::max_element(perWoord.begin(), perWoord.end(),
        [](const Woord &a, const Woord &b) { return a.aantal < b.aantal; });
    if (sinds >= 2 && perWoord.size() <= 2 && sinds == van(nieuwste).aantal)
        gekozen = std::pair { nieuwste, sinds };
    else if (meeste.aantal >= 2
        && meeste.aantal * ZekerNoemer >= ZekerTeller * static_cast<int>(groep.size()))
        gekozen = std::pair { meeste.woord, meeste.aantal };
    // It does not hold for an amount unlike its own when its amounts recur (a bonus from the
    // employer of the salaries), or when another word had about this amount.
    bool ongewoon = false;
    if (gekozen && m_lagen.testFlag(Laag::Bedrag)) {
        const Woord &w = van(gekozen->first);
        ongewoon = (bedrag * Gelijkend < w.kleinste || bedrag > w.grootste * Gelijkend)
            && (w.grootste <= w.kleinste * Terugkerend || inBand);
    }
    if (gekozen && !ongewoon)
        return Maak(gekozen->first, laag, gekozen->second, voorbeeld(van(gekozen->first).laatste));
    if (perWoord.size() > 1 || ongewoon) {
        for (const Woord &w : perWoord)
            woorden.push_back(w.woord);
    }
    return std::nullopt;
}

std::optional<Voorstel> Voorsteller::DoorWoorden(
    const QStringList &tokens, int richting, const std::vector<int> &toegestaan) const
{
    struct Stem {
        double gewicht = 0;
        int token = 0;
        const WoordTelling *telling = nullptr;
    };
    QHash<int, double> stemmen;
    QHash<int, Stem> sterkste;
    double alle = 0;
    for (const QString &tekst : tokens) {
        const auto plek = m_tokens.constFind(tekst);
        if (plek == m_tokens.cend())
            continue;
        const TokenTelling &telling
            = m_tokenTellingen[static_cast<size_t>(*plek)][static_cast<size_t>(richting)];
        if (telling.aantal < 2)
            continue;
        const WoordTelling &meeste
            = *std::max_element(telling.woorden.begin(), telling.woorden.end(),
                [](const WoordTelling &a, const WoordTelling &b) { return a.aantal < b.aantal; });
        const double eens = static_cast<double>(meeste.aantal) / telling.aantal;
        const double gewicht
            = std::max(0.0, 2 * eens - 1) * std::min(telling.aantal, VolleSteun) / VolleSteun;
        if (gewicht <= 0)
            continue;
        stemmen[meeste.woord] += gewicht;
        alle += gewicht;
        if (gewicht > sterkste.value(meeste.woord).gewicht)
            sterkste.insert(meeste.woord, { gewicht, *plek, &meeste });
    }
    const auto beste = std::max_element(stemmen.cbegin(), stemmen.cend());
    if (beste == stemmen.cend() || *beste < GenoegStemmen || *beste < EensDeel * alle)
        return std::nullopt;
    if (!toegestaan.empty()
        && std::find(toegestaan.begin(), toegestaan.end(), beste.key()) == toegestaan.end())
        return std::nullopt;
    const Stem &stem = sterkste[beste.key()];
    Voorstel voorstel;
    voorstel.woord = m_woorden[beste.key()];
    voorstel.laag = Laag::Woorden;
    voorstel.aantal = stem.telling->aantal;
    voorstel.herkend = m_tokenTeksten[stem.token];
    voorstel.laatst = stem.telling->laatst;
    return voorstel;
}

std::optional<Voorstel> Voorsteller::StelVoor(const BankPost &post) const
{
    // Nothing learned yet, as on the first statement: no need to look at its texts.
    if (m_voorbeelden.empty())
        return std::nullopt;
    const Bron bron = BronVan(post);
    const NaamKenmerk naam = NaamKenmerkVan(bron.naam, m_lagen);
    const int richting = Richting(post.centen);
    const qint64 bedrag = Grootte(post.centen);
    // A counterparty known by several words leaves the choice among those.
    std::vector<int> toegestaan;
    std::optional<Voorstel> voorstel;
    const std::array sleutels {
        std::pair { Laag::Rekening,
            naam.dienst || bron.rekening.isEmpty() ? QString() : RekeningSleutel(bron.rekening) },
        std::pair { Laag::Naam, naam.sleutel.isEmpty() ? QString() : NaamSleutel(naam.sleutel) },
    };
    for (const auto &[laag, sleutel] : sleutels) {
        if (voorstel || sleutel.isEmpty() || !m_lagen.testFlag(laag))
            continue;
        if (const Groep *groep = GroepVan(sleutel, richting)) {
            std::vector<int> woorden;
            voorstel = Beoordeel(*groep, bedrag, laag, woorden);
            if (toegestaan.empty())
                toegestaan = std::move(woorden);
        }
    }
    // The name of a counterparty known by several words cannot tell which; its description can.
    if (!voorstel && m_lagen.testFlag(Laag::Woorden)) {
        QStringList tokens = Tokens(bron.omschrijving, naam);
        if (!toegestaan.empty())
            tokens.removeIf([&](const QString &token) { return naam.tokens.contains(token); });
        voorstel = DoorWoorden(tokens, richting, toegestaan);
    }
    if (voorstel)
        voorstel->ontvangen = post.centen >= 0;
    return voorstel;
}
