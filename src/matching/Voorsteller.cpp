#include "matching/Voorsteller.h"

#include "matching/Tegenpartij.h"
#include "matching/Woorden.h"

#include <algorithm>
#include <limits>

namespace {

// Mostly one word: at least four transactions in five, room for an entry of the same amount that
// a hand-kept month matched by mistake, or a present bought at the shop of the household's
// groceries.
constexpr int MeestalTeller = 4;
constexpr int MeestalNoemer = 5;
// Amounts that differ by less than this factor are look-alikes, and they can tell apart what one
// counterparty is paid for (a salary and a holiday allowance, a premium and a bill) when the
// amounts of a word recur within the second factor.
constexpr double Gelijkend = 1.05;
constexpr double Terugkerend = 1.1;
// A word of a text votes with how consistently it went with one word (half the time: not at
// all), and fully once it was seen this often.
constexpr int VolleSteun = 3;
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

// Words that say nothing of what was paid for, whoever it went to: the small words of the
// language, legal forms, the words every organisation or bank text has, the countries of card
// payments abroad.
bool ZegtNiets(const QString &woord)
{
    static constexpr std::array<const char16_t *, 49> leeg { u"aan", u"bel", u"betaling",
        u"betalingen", u"bestelling", u"bij", u"contract", u"de", u"den", u"der", u"deu", u"door",
        u"doorlopende", u"een", u"eenmalige", u"en", u"factuur", u"fra", u"gemeente", u"het", u"id",
        u"in", u"incasso", u"kenmerk", u"klantnummer", u"machtiging", u"met", u"naar", u"nederland",
        u"nl", u"nld", u"nota", u"of", u"om", u"op", u"order", u"overboeking", u"periodieke",
        u"referentie", u"stichting", u"te", u"ten", u"ter", u"termijn", u"uit", u"van",
        u"vereniging", u"voor", u"zonder" };
    return IsRechtsvorm(woord) || std::any_of(leeg.begin(), leeg.end(), [&](const char16_t *niets) {
        return woord == QStringView(niets);
    });
}

// The words of a text that can be keys, folded, each once.
QStringList Sleutelwoorden(QStringView tekst)
{
    QStringList woorden;
    for (const QString &woord : Woorden(tekst)) {
        QString gevouwen = woord.toCaseFolded();
        if (!ZegtNiets(gevouwen) && !woorden.contains(gevouwen))
            woorden.append(std::move(gevouwen));
    }
    return woorden;
}

// What a counterparty's name tells. Many kinds share a name, so it is worked out once per name.
struct NaamKenmerk {
    QString sleutel; // Tegenpartij, folded; empty for a payment service
    QString toonNaam; // as the tooltip names the counterparty
    QStringList tokens; // its words that can be keys; none for a payment service
    QStringList woorden; // all its words in order, folded, payment service or not
    bool dienst = false;
};

NaamKenmerk NaamKenmerkVan(const QString &naam, Regels regels)
{
    NaamKenmerk kenmerk;
    kenmerk.dienst = regels.testFlag(Regel::Betaaldienst) && IsBetaaldienst(naam);
    kenmerk.toonNaam = Tegenpartij(naam);
    for (const QString &woord : Woorden(naam))
        kenmerk.woorden.append(woord.toCaseFolded());
    if (!kenmerk.dienst) {
        kenmerk.sleutel = kenmerk.toonNaam.toCaseFolded();
        kenmerk.tokens = Sleutelwoorden(ZonderTerminal(naam));
    }
    if (kenmerk.toonNaam.isEmpty())
        kenmerk.toonNaam = naam;
    return kenmerk;
}

// The words of a description that can be keys, without the name where the description repeats
// it (ING's notes do, "Naam: Stichting Mollie Payments"), and without any word of a payment
// service's name ("Tikkie ID …"), which would make that name a key after all.
QStringList Tokens(const QString &omschrijving, const NaamKenmerk &naam)
{
    QStringList tokens;
    for (const QString &woord : omschrijving.split(u' ', Qt::SkipEmptyParts))
        tokens.append(woord.toCaseFolded());
    const qsizetype lengte = naam.woorden.size();
    for (qsizetype i = 0; lengte > 0 && i + lengte <= tokens.size();) {
        if (std::equal(naam.woorden.begin(), naam.woorden.end(), tokens.begin() + i))
            tokens.remove(i, lengte);
        else
            ++i;
    }
    if (naam.dienst)
        tokens.removeIf([&](const QString &token) { return naam.woorden.contains(token); });
    tokens.removeIf(ZegtNiets);
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

const QString GeldopnameSleutel = QStringLiteral("S");

// A word's amounts recur, as a salary's or a premium's do; a shop's merely lie near each other,
// and one amount seen once is no pattern.
template<typename Telling> bool Vast(const Telling &telling)
{
    return telling.aantal >= 2 && telling.grootste <= telling.kleinste * Terugkerend;
}

template<typename Telling> bool Gelijk(qint64 bedrag, const Telling &telling)
{
    return bedrag * Gelijkend >= telling.kleinste && bedrag <= telling.grootste * Gelijkend;
}

// The votes of the words of a text, each for the household's word it went with most, as
// consistently as it did; `telt` says whether a word's telling may vote at all. The word most
// voted for, with the word of the text that voted for it most, when the votes are enough and
// nearly all agree.
template<typename Telling, typename Tellingen, typename Telt>
std::optional<std::pair<const Telling *, int>> Stemming(
    const std::vector<int> &tokens, Tellingen tellingenVan, Telt telt)
{
    QHash<int, double> stemmen;
    QHash<int, std::pair<double, std::pair<const Telling *, int>>> sterkste;
    double alle = 0;
    for (const int token : tokens) {
        const auto [aantal, woorden] = tellingenVan(token);
        if (!woorden || woorden->empty() || aantal < 2)
            continue;
        const Telling &meeste = *std::max_element(woorden->begin(), woorden->end(),
            [](const Telling &a, const Telling &b) { return a.aantal < b.aantal; });
        if (!telt(meeste))
            continue;
        const double eens = static_cast<double>(meeste.aantal) / aantal;
        const double gewicht
            = std::max(0.0, 2 * eens - 1) * std::min(aantal, VolleSteun) / VolleSteun;
        if (gewicht <= 0)
            continue;
        stemmen[meeste.woord] += gewicht;
        alle += gewicht;
        if (gewicht > sterkste.value(meeste.woord).first)
            sterkste.insert(meeste.woord, { gewicht, { &meeste, token } });
    }
    const auto beste = std::max_element(stemmen.cbegin(), stemmen.cend());
    if (beste == stemmen.cend() || *beste < GenoegStemmen || *beste < EensDeel * alle)
        return std::nullopt;
    return sterkste.value(beste.key()).second;
}

} // namespace

// What the rules look at of one transaction, and what the rules before learned of it.
struct Voorsteller::Vraag {
    Bron bron;
    NaamKenmerk naam;
    int richting = 0;
    qint64 bedrag = 0;
    std::vector<int> tokens; // of the description, known ones only
    std::vector<int> naamTokens;
    bool omschrijving = false; // whether the description has words that can be keys at all
    // The counterparty, or the kind of transaction, whose words are several, or whose one word
    // is in doubt: later rules choose among its words.
    const Kant *kant = nullptr;
    const Groep *groep = nullptr;
    bool twijfel = false; // its one word, for a transaction unlike its others
};

const std::array<Voorsteller::RegelStap, 7> Voorsteller::Tabel { {
    { Regel::Rekening, &Voorsteller::DoorRekening },
    { Regel::Soort, &Voorsteller::DoorSoort },
    { Regel::Naam, &Voorsteller::DoorNaam },
    { Regel::Bedrag, &Voorsteller::DoorBedrag },
    { Regel::Omschrijving, &Voorsteller::DoorOmschrijving },
    { Regel::Meestal, &Voorsteller::DoorMeestal },
    { Regel::Woorden, &Voorsteller::DoorWoorden },
} };

Voorsteller::Voorsteller(const Geleerd &geleerd, Regels regels)
    : m_regels(regels)
    , m_bekend(geleerd)
{
    // Per kind, once: its groups, its words' numbers, and its transactions counted per direction
    // and word. Many transactions share a kind.
    struct Soort {
        std::vector<int> groepen;
        std::vector<int> tokens; // of its description
        std::vector<int> naamTokens; // of its name; none for a payment service
        QString toonNaam;
        bool dienst = false;
        int bron = 0; // whom it went to, for how widely a word of it was seen
        std::array<std::vector<WoordTelling>, 2> tellingen;
    };
    const std::vector<Bron> &bronnen = geleerd.Bronnen();
    std::vector<std::optional<Soort>> soorten(bronnen.size());
    const auto groepNummer = [&](const QString &sleutel) {
        auto plek = m_sleutels.constFind(sleutel);
        if (plek == m_sleutels.cend()) {
            plek = m_sleutels.insert(sleutel, static_cast<int>(m_groepen.size()));
            m_groepen.emplace_back();
        }
        return *plek;
    };
    const auto tokenNummers = [&](const QStringList &tokens) {
        std::vector<int> nummers;
        for (const QString &token : tokens) {
            auto plek = m_tokens.constFind(token);
            if (plek == m_tokens.cend()) {
                plek = m_tokens.insert(token, static_cast<int>(m_tokenTeksten.size()));
                m_tokenTeksten.append(token);
                m_tokenTellingen.emplace_back();
            }
            nummers.push_back(*plek);
        }
        return nummers;
    };
    // What a name gives is worked out once per name: many kinds share one.
    QHash<QString, NaamKenmerk> namen;
    const auto maakSoort = [&](size_t nummer) {
        const Bron &bron = bronnen[nummer];
        auto naam = namen.find(bron.naam);
        if (naam == namen.end())
            naam = namen.insert(bron.naam, NaamKenmerkVan(bron.naam, regels));
        Soort soort;
        soort.dienst = naam->dienst;
        soort.toonNaam = naam->toonNaam.isEmpty() ? bron.rekening : naam->toonNaam;
        if (regels.testFlag(Regel::Rekening) && !naam->dienst && !bron.rekening.isEmpty())
            soort.groepen.push_back(groepNummer(RekeningSleutel(bron.rekening)));
        if (regels.testFlag(Regel::Soort) && bron.soort == PostSoort::Geldopname) {
            soort.groepen.push_back(groepNummer(GeldopnameSleutel));
            m_groepen[static_cast<size_t>(soort.groepen.back())].geldopname = true;
        }
        if (regels.testFlag(Regel::Naam) && !naam->sleutel.isEmpty())
            soort.groepen.push_back(groepNummer(NaamSleutel(naam->sleutel)));
        // A service's kinds went to as many others as it has; the others' to whom they name.
        soort.bron = soort.dienst || soort.groepen.empty() ? -2 - static_cast<int>(nummer)
                                                           : soort.groepen.front();
        if (regels.testFlag(Regel::Woorden) || regels.testFlag(Regel::Omschrijving)) {
            soort.tokens = tokenNummers(Tokens(bron.omschrijving, *naam));
            soort.naamTokens = tokenNummers(naam->tokens);
        }
        return soort;
    };
    const auto tel = [](std::vector<WoordTelling> &tellingen, const Geleerd::Voorbeeld &v) {
        const qint64 centen = Grootte(v.centen);
        auto telling = std::find_if(tellingen.begin(), tellingen.end(),
            [&](const WoordTelling &t) { return t.woord == v.woord; });
        if (telling == tellingen.end())
            telling = tellingen.insert(tellingen.end(), { v.woord, 0, v.datum, centen, centen });
        ++telling->aantal;
        telling->laatst = std::max(telling->laatst, v.datum);
        telling->kleinste = std::min(telling->kleinste, centen);
        telling->grootste = std::max(telling->grootste, centen);
    };

    // The household's own words only, in the order of their dates, so that each group ends with
    // its latest transaction.
    std::vector<const Geleerd::Voorbeeld *> voorbeelden;
    for (const Geleerd::Voorbeeld &voorbeeld : geleerd.Voorbeelden()) {
        if (voorbeeld.woord != Geleerd::GeenWoord && !voorbeeld.voorgesteld)
            voorbeelden.push_back(&voorbeeld);
    }
    std::stable_sort(voorbeelden.begin(), voorbeelden.end(),
        [](const auto *a, const auto *b) { return a->datum < b->datum; });
    for (const Geleerd::Voorbeeld *voorbeeld : voorbeelden) {
        const auto bron = static_cast<size_t>(voorbeeld->bron);
        if (!soorten[bron])
            soorten[bron] = maakSoort(bron);
        Soort &soort = *soorten[bron];
        const auto richting = static_cast<size_t>(Richting(voorbeeld->centen));
        while (m_woorden.size() <= voorbeeld->woord)
            m_woorden.append(geleerd.Woord(static_cast<int>(m_woorden.size())));
        for (const int nummer : soort.groepen) {
            Groep &groep = m_groepen[static_cast<size_t>(nummer)];
            // Named as its latest transaction names it.
            groep.naam = groep.geldopname ? QStringLiteral("Geldautomaat") : soort.toonNaam;
            Kant &kant = groep.kanten[richting];
            tel(kant.woorden, *voorbeeld);
            kant.bedragen.emplace_back(Grootte(voorbeeld->centen), voorbeeld->woord);
            ++kant.aantal;
            const bool zelfde = kant.nieuwste == voorbeeld->woord;
            kant.sinds = zelfde ? kant.sinds + 1 : 1;
            kant.verbeterd = (zelfde && kant.verbeterd) || voorbeeld->verbeterd;
            kant.nieuwste = voorbeeld->woord;
        }
        tel(soort.tellingen[richting], *voorbeeld);
    }
    for (Groep &groep : m_groepen) {
        for (Kant &kant : groep.kanten)
            std::sort(kant.bedragen.begin(), kant.bedragen.end());
    }

    // The words of a text count the transactions of each kind: added up per kind first, which
    // takes far fewer steps than per transaction. A counterparty's own words count within it;
    // over all counterparties the words of its name count too.
    for (size_t bron = 0; bron < soorten.size(); ++bron) {
        const std::optional<Soort> &soort = soorten[bron];
        if (!soort)
            continue;
        for (size_t richting = 0; richting < 2; ++richting) {
            for (const WoordTelling &telling : soort->tellingen[richting]) {
                for (const int groep : soort->groepen) {
                    Kant &kant = m_groepen[static_cast<size_t>(groep)].kanten[richting];
                    for (const int token : soort->tokens) {
                        std::vector<WoordTelling> &perWoord = kant.tokens[token];
                        const auto bekend = std::find_if(perWoord.begin(), perWoord.end(),
                            [&](const WoordTelling &w) { return w.woord == telling.woord; });
                        if (bekend == perWoord.end()) {
                            perWoord.push_back(telling);
                        } else {
                            bekend->aantal += telling.aantal;
                            bekend->laatst = std::max(bekend->laatst, telling.laatst);
                        }
                    }
                }
                if (!regels.testFlag(Regel::Woorden))
                    continue;
                // A payment service's word is not one counterparty's: seen more than once with
                // a word, it went with it at more than one.
                const bool dagen = soort->dienst && telling.aantal > 1;
                std::vector<int> alle = soort->tokens;
                alle.insert(alle.end(), soort->naamTokens.begin(), soort->naamTokens.end());
                for (const int token : alle) {
                    TokenTelling &tokenTelling
                        = m_tokenTellingen[static_cast<size_t>(token)][richting];
                    tokenTelling.aantal += telling.aantal;
                    auto bekend
                        = std::find_if(tokenTelling.woorden.begin(), tokenTelling.woorden.end(),
                            [&](const TokenWoord &w) { return w.woord == telling.woord; });
                    if (bekend == tokenTelling.woorden.end()) {
                        bekend = tokenTelling.woorden.insert(tokenTelling.woorden.end(),
                            { telling.woord, 0, telling.laatst, soort->bron, false });
                    }
                    bekend->aantal += telling.aantal;
                    bekend->laatst = std::max(bekend->laatst, telling.laatst);
                    bekend->meerBronnen
                        = bekend->meerBronnen || dagen || bekend->bron != soort->bron;
                }
            }
        }
    }
}

int Voorsteller::Richting(qint64 centen) const
{
    return m_regels.testFlag(Regel::Bedrag) && centen < 0 ? 1 : 0;
}

const Voorsteller::Kant *Voorsteller::KantVan(
    const QString &sleutel, int richting, const Groep **groep) const
{
    const auto plek = m_sleutels.constFind(sleutel);
    if (plek == m_sleutels.cend())
        return nullptr;
    *groep = &m_groepen[static_cast<size_t>(*plek)];
    const Kant &kant = (*groep)->kanten[static_cast<size_t>(richting)];
    return kant.aantal > 0 ? &kant : nullptr;
}

Voorstel Voorsteller::Maak(const WoordTelling &telling, Regel regel, const Vraag &vraag) const
{
    Voorstel voorstel;
    voorstel.woord = m_woorden[telling.woord];
    voorstel.regel = regel;
    voorstel.aantal = telling.aantal;
    voorstel.laatst = telling.laatst;
    if (vraag.groep) {
        voorstel.herkend = vraag.groep->naam;
        voorstel.geldopname = vraag.groep->geldopname;
    }
    return voorstel;
}

bool Voorsteller::IsIetsAnders(
    const Vraag &vraag, const Kant &kant, const WoordTelling &woord) const
{
    return m_regels.testFlag(Regel::Bedrag) && Vast(woord) && !Gelijk(vraag.bedrag, woord)
        && vraag.omschrijving
        && std::none_of(vraag.tokens.begin(), vraag.tokens.end(), [&](int token) {
               const auto plek = kant.tokens.constFind(token);
               return plek != kant.tokens.cend()
                   && std::any_of(plek->begin(), plek->end(),
                       [&](const WoordTelling &w) { return w.woord == woord.woord; });
           });
}

std::optional<Voorstel> Voorsteller::DoorGroep(
    Vraag &vraag, const QString &sleutel, Regel regel) const
{
    const Groep *groep = nullptr;
    const Kant *kant = KantVan(sleutel, vraag.richting, &groep);
    if (!kant)
        return std::nullopt;
    // Always one word, or the same since the household changed it.
    const auto van = [&](int woord) {
        return &*std::find_if(kant->woorden.begin(), kant->woorden.end(),
            [&](const WoordTelling &w) { return w.woord == woord; });
    };
    const WoordTelling *gekozen = nullptr;
    if (kant->woorden.size() == 1 && kant->aantal >= 2)
        gekozen = &kant->woorden.front();
    else if (kant->woorden.size() == 2 && kant->sinds >= 2
        && van(kant->nieuwste)->aantal == kant->sinds)
        gekozen = van(kant->nieuwste);
    // An account's word never given it before, that the household gave in place of another: a
    // wrong word corrected once stays corrected. A word it had before is no new name, and a shop
    // known by its name gets a present now and then; the rules below choose for those.
    else if (regel == Regel::Rekening && kant->verbeterd
        && van(kant->nieuwste)->aantal == kant->sinds)
        gekozen = van(kant->nieuwste);
    const bool twijfel = gekozen && IsIetsAnders(vraag, *kant, *gekozen);
    if (gekozen && !twijfel) {
        vraag.groep = groep;
        return Maak(*gekozen, regel, vraag);
    }
    if (!vraag.kant) {
        vraag.kant = kant;
        vraag.groep = groep;
        vraag.twijfel = twijfel;
    }
    return std::nullopt;
}

std::optional<Voorstel> Voorsteller::DoorRekening(Vraag &vraag) const
{
    if (vraag.naam.dienst || vraag.bron.rekening.isEmpty())
        return std::nullopt;
    return DoorGroep(vraag, RekeningSleutel(vraag.bron.rekening), Regel::Rekening);
}

std::optional<Voorstel> Voorsteller::DoorSoort(Vraag &vraag) const
{
    if (vraag.bron.soort != PostSoort::Geldopname)
        return std::nullopt;
    return DoorGroep(vraag, GeldopnameSleutel, Regel::Soort);
}

std::optional<Voorstel> Voorsteller::DoorNaam(Vraag &vraag) const
{
    if (vraag.naam.sleutel.isEmpty())
        return std::nullopt;
    return DoorGroep(vraag, NaamSleutel(vraag.naam.sleutel), Regel::Naam);
}

std::optional<Voorstel> Voorsteller::DoorBedrag(Vraag &vraag) const
{
    if (!vraag.kant || vraag.kant->woorden.size() < 2)
        return std::nullopt;
    // The transactions of about this amount all had one word, and that word's amounts recur.
    const auto &bedragen = vraag.kant->bedragen;
    const auto begin = std::lower_bound(bedragen.begin(), bedragen.end(),
        std::pair { static_cast<qint64>(vraag.bedrag / Gelijkend), Geleerd::GeenWoord });
    const auto einde = std::upper_bound(begin, bedragen.end(),
        std::pair {
            static_cast<qint64>(vraag.bedrag * Gelijkend), std::numeric_limits<int>::max() });
    if (einde - begin < 2
        || std::any_of(begin, einde, [&](const auto &b) { return b.second != begin->second; }))
        return std::nullopt;
    const WoordTelling &telling = *std::find_if(vraag.kant->woorden.begin(),
        vraag.kant->woorden.end(), [&](const WoordTelling &w) { return w.woord == begin->second; });
    if (!Vast(telling))
        return std::nullopt;
    return Maak(telling, Regel::Bedrag, vraag);
}

std::optional<Voorstel> Voorsteller::DoorOmschrijving(Vraag &vraag) const
{
    if (!vraag.kant || vraag.kant->woorden.size() < 2)
        return std::nullopt;
    const Kant &kant = *vraag.kant;
    const auto gekozen = Stemming<WoordTelling>(
        vraag.tokens,
        [&](int token) {
            const auto plek = kant.tokens.constFind(token);
            if (plek == kant.tokens.cend())
                return std::pair<int, const std::vector<WoordTelling> *> { 0, nullptr };
            int aantal = 0;
            for (const WoordTelling &w : *plek)
                aantal += w.aantal;
            return std::pair { aantal, &*plek };
        },
        [](const WoordTelling &) { return true; });
    if (!gekozen)
        return std::nullopt;
    Voorstel voorstel = Maak(*gekozen->first, Regel::Omschrijving, vraag);
    voorstel.met = m_tokenTeksten[gekozen->second];
    return voorstel;
}

std::optional<Voorstel> Voorsteller::DoorMeestal(Vraag &vraag) const
{
    if (!vraag.kant || vraag.twijfel || vraag.kant->woorden.size() < 2)
        return std::nullopt;
    const Kant &kant = *vraag.kant;
    const WoordTelling &meeste = *std::max_element(kant.woorden.begin(), kant.woorden.end(),
        [](const WoordTelling &a, const WoordTelling &b) { return a.aantal < b.aantal; });
    if (meeste.aantal * MeestalNoemer < MeestalTeller * kant.aantal
        || IsIetsAnders(vraag, kant, meeste))
        return std::nullopt;
    // Nothing may point to one of its other words: an amount that recurs with one and is unlike
    // all of this one's, a word of the description that went with one and never with this.
    for (const WoordTelling &ander : kant.woorden) {
        if (ander.woord != meeste.woord && Vast(ander) && Gelijk(vraag.bedrag, ander)
            && !Gelijk(vraag.bedrag, meeste))
            return std::nullopt;
    }
    for (const int token : vraag.tokens) {
        const auto plek = kant.tokens.constFind(token);
        if (plek != kant.tokens.cend()
            && std::none_of(plek->begin(), plek->end(),
                [&](const WoordTelling &w) { return w.woord == meeste.woord; }))
            return std::nullopt;
    }
    Voorstel voorstel = Maak(meeste, Regel::Meestal, vraag);
    voorstel.van = kant.aantal;
    return voorstel;
}

std::optional<Voorstel> Voorsteller::DoorWoorden(Vraag &vraag) const
{
    // The name of a counterparty known by several words cannot tell which; its description can.
    std::vector<int> tokens = vraag.tokens;
    if (!vraag.kant)
        tokens.insert(tokens.end(), vraag.naamTokens.begin(), vraag.naamTokens.end());
    const int richting = vraag.richting;
    const auto gekozen = Stemming<TokenWoord>(
        tokens,
        [&](int token) {
            const TokenTelling &telling
                = m_tokenTellingen[static_cast<size_t>(token)][static_cast<size_t>(richting)];
            return std::pair { telling.aantal, &telling.woorden };
        },
        [](const TokenWoord &w) { return w.meerBronnen; });
    if (!gekozen)
        return std::nullopt;
    if (vraag.kant
        && std::none_of(vraag.kant->woorden.begin(), vraag.kant->woorden.end(),
            [&](const WoordTelling &w) { return w.woord == gekozen->first->woord; }))
        return std::nullopt;
    Voorstel voorstel;
    voorstel.woord = m_woorden[gekozen->first->woord];
    voorstel.regel = Regel::Woorden;
    voorstel.aantal = gekozen->first->aantal;
    voorstel.met = m_tokenTeksten[gekozen->second];
    voorstel.laatst = gekozen->first->laatst;
    return voorstel;
}

std::optional<Voorstel> Voorsteller::StelVoor(const BankPost &post) const
{
    // Nothing learned yet, as on the first statement: no need to look at its texts.
    if (m_woorden.isEmpty())
        return std::nullopt;
    Vraag vraag;
    vraag.bron = BronVan(post);
    vraag.naam = NaamKenmerkVan(vraag.bron.naam, m_regels);
    vraag.richting = Richting(post.centen);
    vraag.bedrag = Grootte(post.centen);
    const auto bekend = [&](const QStringList &teksten) {
        std::vector<int> tokens;
        for (const QString &tekst : teksten) {
            if (const auto plek = m_tokens.constFind(tekst); plek != m_tokens.cend())
                tokens.push_back(*plek);
        }
        return tokens;
    };
    const QStringList tokens = Tokens(vraag.bron.omschrijving, vraag.naam);
    vraag.omschrijving = !tokens.isEmpty();
    vraag.tokens = bekend(tokens);
    vraag.naamTokens = bekend(vraag.naam.tokens);
    for (const RegelStap &stap : Tabel) {
        if (!m_regels.testFlag(stap.regel))
            continue;
        if (std::optional<Voorstel> voorstel = (this->*stap.stap)(vraag)) {
            voorstel->ontvangen = post.centen >= 0;
            return voorstel;
        }
    }
    return std::nullopt;
}

QStringList Voorsteller::WoordenVan(const BankPost &post) const
{
    if (m_woorden.isEmpty())
        return {};
    const Bron bron = BronVan(post);
    const NaamKenmerk naam = NaamKenmerkVan(bron.naam, m_regels);
    const Groep *groep = nullptr;
    const Kant *kant = nullptr;
    if (!naam.dienst && !bron.rekening.isEmpty())
        kant = KantVan(RekeningSleutel(bron.rekening), Richting(post.centen), &groep);
    // Cash is one kind wherever the machine stands, as StelVoor knows it.
    if (!kant && bron.soort == PostSoort::Geldopname)
        kant = KantVan(GeldopnameSleutel, Richting(post.centen), &groep);
    if (!kant && !naam.sleutel.isEmpty())
        kant = KantVan(NaamSleutel(naam.sleutel), Richting(post.centen), &groep);
    QStringList woorden;
    if (kant) {
        for (const WoordTelling &telling : kant->woorden)
            woorden.append(m_woorden[telling.woord]);
    }
    return woorden;
}
