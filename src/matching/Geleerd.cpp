#include "matching/Geleerd.h"

#include "common/Bedrag.h"
#include "common/IsoDatum.h"

#include <QCollator>

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace {

// One word, whatever its capitals and the blanks around it, as the year overview groups them.
QString Gevouwen(QStringView tekst)
{
    return tekst.trimmed().toString().toCaseFolded();
}

} // namespace

int Geleerd::SpellingVoor(const QString &omschrijving, const Bron &bron)
{
    const QString woord = omschrijving.trimmed();
    if (woord.isEmpty() || woord.size() > LangsteWoord
        || std::any_of(woord.begin(), woord.end(), IsStuurteken) || IsBankTekst(bron, woord))
        return GeenWoord;
    return SpellingNummer(woord);
}

size_t Geleerd::Plek(int bron, QDate datum, qint64 centen, bool *nieuw)
{
    if (!m_identiteitenKloppen) {
        m_identiteiten.clear();
        m_identiteiten.reserve(static_cast<qsizetype>(m_voorbeelden.size()));
        for (size_t i = 0; i < m_voorbeelden.size(); ++i) {
            const Voorbeeld &voorbeeld = m_voorbeelden[i];
            m_identiteiten.insert(
                { voorbeeld.bron, voorbeeld.datum.toJulianDay(), voorbeeld.centen },
                static_cast<int>(i));
        }
        m_identiteitenKloppen = true;
    }
    const Identiteit identiteit { bron, datum.toJulianDay(), centen };
    if (const auto bekend = m_identiteiten.constFind(identiteit); bekend != m_identiteiten.cend()) {
        *nieuw = false;
        return static_cast<size_t>(*bekend);
    }
    *nieuw = true;
    m_identiteiten.insert(identiteit, static_cast<int>(m_voorbeelden.size()));
    m_voorbeelden.push_back({ datum, centen, bron });
    return m_voorbeelden.size() - 1;
}

void Geleerd::Geef(size_t nummer, int spelling, bool voorgesteld, bool nieuw, bool verbeterd)
{
    Voorbeeld &voorbeeld = m_voorbeelden[nummer];
    const bool eigen = voorbeeld.woord != GeenWoord && !voorbeeld.voorgesteld;
    bool veranderd = nieuw;
    if (spelling != GeenWoord && !(voorgesteld && eigen)) {
        const int woord = m_woordVan[static_cast<size_t>(spelling)];
        verbeterd
            = !voorgesteld && (verbeterd || (woord == voorbeeld.woord && voorbeeld.verbeterd));
        if (spelling != voorbeeld.spelling || voorgesteld != voorbeeld.voorgesteld
            || verbeterd != voorbeeld.verbeterd) {
            voorbeeld.spelling = spelling;
            voorbeeld.woord = woord;
            voorbeeld.voorgesteld = voorgesteld;
            voorbeeld.verbeterd = verbeterd;
            veranderd = true;
        }
    }
    if (veranderd) {
        m_veranderd.push_back(nummer);
        m_voorkeurKlopt = false;
    }
}

std::optional<Geleerd::Gevonden> Geleerd::Vind(const BankPost &post, const QString &omschrijving)
{
    // The file holds dates of four digits; a reader never gives another, but a caller might.
    if (!post.datum.isValid() || post.datum.year() < 1 || post.datum.year() > 9999)
        return std::nullopt;
    const Bron bron = BronVan(post);
    Gevonden gevonden;
    gevonden.spelling = SpellingVoor(omschrijving, bron);
    gevonden.voorbeeld = Plek(BronNummer(bron), post.datum, post.centen, &gevonden.nieuw);
    return gevonden;
}

void Geleerd::Leer(const BankPost &post, const QString &omschrijving, bool verbeterd)
{
    if (const std::optional<Gevonden> gevonden = Vind(post, omschrijving))
        Geef(gevonden->voorbeeld, gevonden->spelling, false, gevonden->nieuw, verbeterd);
}

void Geleerd::Leer(
    std::span<const BankPost> posten, std::span<const std::optional<LijstTreffer>> treffers)
{
    for (size_t i = 0; i < posten.size() && i < treffers.size(); ++i) {
        const std::optional<Gevonden> gevonden
            = treffers[i] ? Vind(posten[i], treffers[i]->omschrijving) : std::nullopt;
        if (!gevonden)
            continue;
        const Voorbeeld &voorbeeld = m_voorbeelden[gevonden->voorbeeld];
        // The list holds the word Geldlog proposed and no one looked at: nothing learned.
        if (voorbeeld.voorgesteld && gevonden->spelling != GeenWoord
            && m_woordVan[static_cast<size_t>(gevonden->spelling)] == voorbeeld.woord)
            continue;
        Geef(gevonden->voorbeeld, gevonden->spelling, false, gevonden->nieuw);
    }
}

void Geleerd::LeerVoorstel(const BankPost &post, const QString &woord)
{
    if (const std::optional<Gevonden> gevonden = Vind(post, woord))
        Geef(gevonden->voorbeeld, gevonden->spelling, true, gevonden->nieuw);
}

bool Geleerd::LeerWijziging(const Item &oud, const Item &nieuw)
{
    const QString oudeTekst = oud.omschrijving.trimmed();
    const QDate datum = IsoDag(oud.datum);
    if (!datum.isValid())
        return false;
    const qint64 centen = CentenVerschil(BedragCenten(oud.inkomsten), BedragCenten(oud.uitgaven));
    const int oudWoord = m_woordNummers.value(Gevouwen(oudeTekst), GeenWoord);
    size_t gevonden = m_voorbeelden.size();
    qint64 kortste = DagenRondBoeking + 1;
    for (size_t i = 0; i < m_voorbeelden.size(); ++i) {
        const Voorbeeld &voorbeeld = m_voorbeelden[i];
        if (voorbeeld.centen != centen)
            continue;
        const qint64 afstand = std::abs(voorbeeld.datum.daysTo(datum));
        if (afstand >= kortste)
            continue;
        const Bron &bron = m_bronnen[static_cast<size_t>(voorbeeld.bron)];
        const bool zelfde = voorbeeld.woord != GeenWoord
            ? voorbeeld.woord == oudWoord
            : (afstand == 0 && IsBankTekst(bron, oudeTekst));
        if (zelfde) {
            gevonden = i;
            kortste = afstand;
        }
    }
    if (gevonden == m_voorbeelden.size())
        return false;
    Voorbeeld &voorbeeld = m_voorbeelden[gevonden];
    const int spelling
        = SpellingVoor(nieuw.omschrijving, m_bronnen[static_cast<size_t>(voorbeeld.bron)]);
    if (spelling == voorbeeld.spelling && !voorbeeld.voorgesteld)
        return false;
    // Changed back to the bank's text, it is no longer called what it was; given another word,
    // it is corrected.
    const int woord = spelling == GeenWoord ? GeenWoord : m_woordVan[static_cast<size_t>(spelling)];
    voorbeeld.verbeterd = woord != GeenWoord
        && (woord == voorbeeld.woord ? voorbeeld.verbeterd : voorbeeld.woord != GeenWoord);
    voorbeeld.spelling = spelling;
    voorbeeld.woord = woord;
    voorbeeld.voorgesteld = false;
    m_veranderd.push_back(gevonden);
    m_voorkeurKlopt = false;
    return true;
}

void Geleerd::NeemOver(const Geleerd &ander)
{
    std::vector<size_t> veranderd = ander.m_veranderd;
    std::sort(veranderd.begin(), veranderd.end());
    veranderd.erase(std::unique(veranderd.begin(), veranderd.end()), veranderd.end());
    for (const size_t i : veranderd) {
        const Voorbeeld &voorbeeld = ander.m_voorbeelden[i];
        const int bron = BronNummer(ander.m_bronnen[static_cast<size_t>(voorbeeld.bron)]);
        const int spelling = voorbeeld.spelling == GeenWoord
            ? GeenWoord
            : SpellingNummer(ander.m_spellingen[voorbeeld.spelling]);
        bool nieuw = false;
        const size_t plek = Plek(bron, voorbeeld.datum, voorbeeld.centen, &nieuw);
        Geef(plek, spelling, voorbeeld.voorgesteld, nieuw, voorbeeld.verbeterd);
    }
}

const QString &Geleerd::Woord(int nummer) const
{
    if (!m_voorkeurKlopt) {
        // Per spelling how often the household wrote it, and when last; proposals only count
        // for a word the household never wrote itself.
        struct Telling {
            int eigen = 0;
            int voorgesteld = 0;
            QDate laatst;
        };
        std::vector<Telling> tellingen(static_cast<size_t>(m_spellingen.size()));
        for (const Voorbeeld &voorbeeld : m_voorbeelden) {
            if (voorbeeld.spelling == GeenWoord)
                continue;
            Telling &telling = tellingen[static_cast<size_t>(voorbeeld.spelling)];
            ++(voorbeeld.voorgesteld ? telling.voorgesteld : telling.eigen);
            telling.laatst = std::max(telling.laatst, voorbeeld.datum);
        }
        m_voorkeur.assign(static_cast<size_t>(m_woordNummers.size()), GeenWoord);
        for (int spelling = 0; spelling < m_spellingen.size(); ++spelling) {
            int &voorkeur
                = m_voorkeur[static_cast<size_t>(m_woordVan[static_cast<size_t>(spelling)])];
            const auto sleutel = [&](int s) {
                const Telling &t = tellingen[static_cast<size_t>(s)];
                return std::tuple(t.eigen, t.voorgesteld, t.laatst);
            };
            if (voorkeur == GeenWoord || sleutel(voorkeur) <= sleutel(spelling))
                voorkeur = spelling;
        }
        m_voorkeurKlopt = true;
    }
    return m_spellingen[m_voorkeur[static_cast<size_t>(nummer)]];
}

QStringList Geleerd::EigenWoorden() const
{
    std::vector<bool> gebruikt(static_cast<size_t>(m_woordNummers.size()), false);
    for (const Voorbeeld &voorbeeld : m_voorbeelden) {
        if (voorbeeld.woord != GeenWoord && !voorbeeld.voorgesteld)
            gebruikt[static_cast<size_t>(voorbeeld.woord)] = true;
    }
    QStringList woorden;
    for (size_t woord = 0; woord < gebruikt.size(); ++woord) {
        if (gebruikt[woord])
            woorden.append(Woord(static_cast<int>(woord)));
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(woorden.begin(), woorden.end(), collator);
    return woorden;
}

int Geleerd::BronNummer(const Bron &bron)
{
    // One look-up for a kind known or new; the table holds numbers from 1, so a new kind finds 0.
    int &plek = m_bronNummers[bron];
    if (plek == 0) {
        m_bronnen.push_back(bron);
        plek = static_cast<int>(m_bronnen.size());
    }
    return plek - 1;
}

int Geleerd::SpellingNummer(const QString &spelling)
{
    if (const auto bekend = m_spellingNummers.constFind(spelling);
        bekend != m_spellingNummers.cend())
        return *bekend;
    const int nummer = static_cast<int>(m_spellingen.size());
    m_spellingNummers.insert(spelling, nummer);
    m_spellingen.append(spelling);
    const QString gevouwen = Gevouwen(spelling);
    auto woord = m_woordNummers.constFind(gevouwen);
    if (woord == m_woordNummers.cend())
        woord = m_woordNummers.insert(gevouwen, static_cast<int>(m_woordNummers.size()));
    m_woordVan.push_back(*woord);
    m_voorkeurKlopt = false;
    return nummer;
}

void Geleerd::Reserveer(qsizetype bronnen, qsizetype voorbeelden)
{
    m_bronnen.reserve(static_cast<size_t>(bronnen));
    m_bronNummers.reserve(bronnen);
    m_voorbeelden.reserve(static_cast<size_t>(voorbeelden));
}

void Geleerd::VoegToe(Voorbeeld voorbeeld)
{
    voorbeeld.woord = voorbeeld.spelling == GeenWoord
        ? GeenWoord
        : m_woordVan[static_cast<size_t>(voorbeeld.spelling)];
    m_voorbeelden.push_back(voorbeeld);
    m_identiteitenKloppen = false;
    m_voorkeurKlopt = false;
}
