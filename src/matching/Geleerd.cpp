#include "matching/Geleerd.h"

#include "common/Bedrag.h"
#include "common/IsoDatum.h"
#include "matching/Woorden.h"

#include <QCollator>
#include <QSet>

#include <algorithm>
#include <cstdlib>

namespace {

// AlsItem cuts a bank's text at 100 characters; a text about that long may be such a cut one.
constexpr qsizetype AfgekapteTekst = 95;

// Whether an entry's text is the bank's own text of a transaction of this kind: all of its words,
// or the start of them where the text was cut to fit a list; capitals and small letters alike.
bool IsBankTekst(const Bron &bron, QStringView tekst)
{
    const QString naam = WoordenTekst(bron.naam);
    const QString bank = naam.isEmpty() ? bron.omschrijving
        : bron.omschrijving.isEmpty()   ? naam
                                        : naam + u' ' + bron.omschrijving;
    const QString woorden = WoordenTekst(tekst);
    return woorden.compare(bank, Qt::CaseInsensitive) == 0
        || (tekst.size() >= AfgekapteTekst && bank.startsWith(woorden, Qt::CaseInsensitive));
}

} // namespace

int Geleerd::WoordVoor(const QString &omschrijving, const Bron &bron)
{
    const QString woord = omschrijving.trimmed();
    if (woord.isEmpty() || woord.size() > LangsteWoord
        || std::any_of(woord.begin(), woord.end(), IsStuurteken) || IsBankTekst(bron, woord))
        return GeenWoord;
    return WoordNummer(woord);
}

void Geleerd::Leer(const BankPost &post, const QString &omschrijving)
{
    // The file holds dates of four digits; a reader never gives another, but a caller might.
    if (!post.datum.isValid() || post.datum.year() < 1 || post.datum.year() > 9999)
        return;
    const Bron bron = BronVan(post);
    const int nummer = BronNummer(bron);
    const int woord = WoordVoor(omschrijving, bron);
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
    const Identiteit identiteit { nummer, post.datum.toJulianDay(), post.centen };
    if (const auto bekend = m_identiteiten.constFind(identiteit); bekend != m_identiteiten.cend()) {
        if (woord != GeenWoord)
            m_voorbeelden[static_cast<size_t>(*bekend)].woord = woord;
        return;
    }
    m_identiteiten.insert(identiteit, static_cast<int>(m_voorbeelden.size()));
    m_voorbeelden.push_back({ post.datum, post.centen, nummer, woord });
}

void Geleerd::Leer(
    std::span<const BankPost> posten, std::span<const std::optional<LijstTreffer>> treffers)
{
    for (size_t i = 0; i < posten.size() && i < treffers.size(); ++i) {
        if (treffers[i])
            Leer(posten[i], treffers[i]->omschrijving);
    }
}

bool Geleerd::LeerWijziging(const Item &oud, const Item &nieuw)
{
    const QString oudeTekst = oud.omschrijving.trimmed();
    if (oudeTekst == nieuw.omschrijving.trimmed())
        return false;
    const QDate datum = IsoDag(oud.datum);
    if (!datum.isValid())
        return false;
    const qint64 centen = CentenVerschil(BedragCenten(oud.inkomsten), BedragCenten(oud.uitgaven));
    Voorbeeld *gevonden = nullptr;
    qint64 kortste = DagenRondBoeking + 1;
    for (Voorbeeld &voorbeeld : m_voorbeelden) {
        if (voorbeeld.centen != centen)
            continue;
        const qint64 afstand = std::abs(voorbeeld.datum.daysTo(datum));
        if (afstand >= kortste)
            continue;
        const Bron &bron = m_bronnen[static_cast<size_t>(voorbeeld.bron)];
        const bool zelfde = voorbeeld.woord != GeenWoord
            ? m_woorden[voorbeeld.woord] == oudeTekst
            : (afstand == 0 && IsBankTekst(bron, oudeTekst));
        if (zelfde) {
            gevonden = &voorbeeld;
            kortste = afstand;
        }
    }
    if (!gevonden)
        return false;
    const int woord = WoordVoor(nieuw.omschrijving, m_bronnen[static_cast<size_t>(gevonden->bron)]);
    if (woord == gevonden->woord)
        return false;
    gevonden->woord = woord;
    return true;
}

QStringList Geleerd::EigenWoorden() const
{
    QSet<int> gebruikt;
    for (const Voorbeeld &voorbeeld : m_voorbeelden) {
        if (voorbeeld.woord != GeenWoord)
            gebruikt.insert(voorbeeld.woord);
    }
    QStringList woorden;
    woorden.reserve(gebruikt.size());
    for (const int nummer : gebruikt)
        woorden.append(m_woorden[nummer]);
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

int Geleerd::WoordNummer(const QString &woord)
{
    if (const auto bekend = m_woordNummers.constFind(woord); bekend != m_woordNummers.cend())
        return *bekend;
    const int nummer = static_cast<int>(m_woorden.size());
    m_woordNummers.insert(woord, nummer);
    m_woorden.append(woord);
    return nummer;
}

void Geleerd::Reserveer(qsizetype bronnen, qsizetype voorbeelden)
{
    m_bronnen.reserve(static_cast<size_t>(bronnen));
    m_bronNummers.reserve(bronnen);
    m_voorbeelden.reserve(static_cast<size_t>(voorbeelden));
}

void Geleerd::VoegToe(const Voorbeeld &voorbeeld)
{
    m_voorbeelden.push_back(voorbeeld);
    m_identiteitenKloppen = false;
}
