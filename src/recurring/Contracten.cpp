#include "recurring/Contracten.h"

#include "common/Bedrag.h"
#include "lists/Posten.h"
#include "matching/GeleerdBestand.h"
#include "matching/InLijst.h"
#include "matching/Tegenpartij.h"

#include <QHash>

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace {

// Who a learned kind of transaction went to or came from.
QString Sleutel(const Bron &bron)
{
    // A payment service's account and name say nothing of what was paid through it; its words do.
    if (IsBetaaldienst(bron.naam) || (bron.rekening.isEmpty() && bron.naam.isEmpty())) {
        return QStringLiteral("dienst\t") + ZonderTerminal(bron.naam).toString().toCaseFolded()
            + u'\t' + bron.omschrijving.toCaseFolded();
    }
    if (!bron.rekening.isEmpty())
        return QStringLiteral("rekening\t") + bron.rekening;
    const QString naam = Tegenpartij(bron.naam);
    return QStringLiteral("naam\t") + (naam.isEmpty() ? bron.naam : naam).toCaseFolded();
}

QString OmschrijvingSleutel(const QString &gevouwen)
{
    return QStringLiteral("omschrijving\t") + gevouwen;
}

QString Richting(qint64 centen)
{
    return centen > 0 ? QStringLiteral("+") : QStringLiteral("-");
}

// The learned transactions by amount and day, each answering for one entry of the lists: the
// entry typed for it, found in a statement, or exported from the fixed costs on another day.
class Geleerden {
public:
    Geleerden(const Geleerd &geleerd, QDate op)
    {
        int woorden = 0;
        for (const Geleerd::Voorbeeld &voorbeeld : geleerd.Voorbeelden()) {
            if (voorbeeld.datum > op)
                continue;
            m_rijen.push_back({ voorbeeld.centen, voorbeeld.datum.toJulianDay(), voorbeeld.woord });
            woorden = std::max(woorden, voorbeeld.woord + 1);
        }
        std::sort(m_rijen.begin(), m_rijen.end());
        for (int woord = 0; woord < woorden; ++woord)
            m_woorden.append(geleerd.Woord(woord).trimmed().toCaseFolded());
        m_vrij.resize(m_rijen.size() + 1);
        for (size_t i = 0; i < m_vrij.size(); ++i)
            m_vrij[i] = i;
    }

    // Whether the entry of that amount, day and description (folded) is a learned transaction:
    // one of the amount a few days away, or of the amount and word within a month; the nearest,
    // which then answers for no other entry.
    bool Neem(qint64 centen, qint64 dag, const QString &omschrijving)
    {
        return Neem(centen, dag, DagenRondBoeking, {}) || Neem(centen, dag, 31, omschrijving);
    }

private:
    struct Rij {
        qint64 centen;
        qint64 dag;
        int woord;
        friend auto operator<=>(const Rij &, const Rij &) = default;
    };

    // The first row from `i` on that answers for no entry yet.
    size_t Vrij(size_t i)
    {
        while (m_vrij[i] != i) {
            m_vrij[i] = m_vrij[m_vrij[i]];
            i = m_vrij[i];
        }
        return i;
    }

    bool Neem(qint64 centen, qint64 dag, qint64 dagen, const QString &woord)
    {
        // However many rows share an amount and a day, only a few are looked at.
        constexpr int MeesteKandidaten = 64;
        const auto begin = std::lower_bound(
            m_rijen.begin(), m_rijen.end(), Rij { centen, dag - dagen, Geleerd::GeenWoord });
        std::optional<size_t> beste;
        int gezien = 0;
        for (size_t i = Vrij(static_cast<size_t>(begin - m_rijen.begin()));
             i < m_rijen.size() && gezien < MeesteKandidaten; i = Vrij(i + 1), ++gezien) {
            const Rij &rij = m_rijen[i];
            if (rij.centen != centen || rij.dag > dag + dagen)
                break;
            if (!woord.isEmpty()
                && (rij.woord == Geleerd::GeenWoord || m_woorden[rij.woord] != woord))
                continue;
            if (!beste || std::llabs(rij.dag - dag) < std::llabs(m_rijen[*beste].dag - dag))
                beste = i;
        }
        if (beste)
            m_vrij[*beste] = *beste + 1;
        return beste.has_value();
    }

    std::vector<Rij> m_rijen;
    QStringList m_woorden; // folded, by number
    std::vector<size_t> m_vrij; // towards the next row that is still free
};

} // namespace

std::vector<Betaling> Betalingen(const Geleerd &geleerd, const Posten &posten, QDate op)
{
    std::vector<Betaling> betalingen;
    std::vector<QString> sleutels;
    for (const Bron &bron : geleerd.Bronnen())
        sleutels.push_back(Sleutel(bron));

    // Per word and direction, how often each counterparty had it.
    QHash<QString, QHash<QString, int>> woordSleutels;
    for (const Geleerd::Voorbeeld &voorbeeld : geleerd.Voorbeelden()) {
        if (voorbeeld.datum > op)
            continue;
        const auto bron = static_cast<size_t>(voorbeeld.bron);
        const QString woord
            = voorbeeld.woord == Geleerd::GeenWoord ? QString() : geleerd.Woord(voorbeeld.woord);
        betalingen.push_back({ sleutels[bron], geleerd.Bronnen()[bron].naam, voorbeeld.datum,
            voorbeeld.centen, woord });
        if (!woord.isEmpty())
            ++woordSleutels[Richting(voorbeeld.centen) + woord.trimmed().toCaseFolded()]
                           [sleutels[bron]];
    }
    // The counterparty that had the word at least four times in five.
    QHash<QString, QString> woordSleutel;
    for (auto woord = woordSleutels.cbegin(); woord != woordSleutels.cend(); ++woord) {
        int totaal = 0;
        for (const int aantal : woord.value())
            totaal += aantal;
        for (auto sleutel = woord.value().cbegin(); sleutel != woord.value().cend(); ++sleutel) {
            if (sleutel.value() * 5 >= totaal * 4)
                woordSleutel.insert(woord.key(), sleutel.key());
        }
    }

    std::vector<const Post *> lijstPosten;
    for (const Post &post : posten.posten) {
        if (post.datum.Dag().isValid() && post.datum.Dag() <= op)
            lijstPosten.push_back(&post);
    }
    std::stable_sort(lijstPosten.begin(), lijstPosten.end(),
        [](const Post *a, const Post *b) { return a->datum < b->datum; });
    Geleerden geleerden(geleerd, op);
    for (const Post *post : lijstPosten) {
        const qint64 centen = CentenVerschil(post->inkomsten, post->uitgaven);
        const QString omschrijving
            = posten.Tekst(*post, ItemModel::Omschrijving).trimmed().toString();
        const QString gevouwen = omschrijving.toCaseFolded();
        if (centen == 0 || omschrijving.isEmpty()
            || geleerden.Neem(centen, post->datum.Dag().toJulianDay(), gevouwen))
            continue;
        const QString sleutel = woordSleutel.value(Richting(centen) + gevouwen);
        betalingen.push_back({ sleutel.isEmpty() ? OmschrijvingSleutel(gevouwen) : sleutel, {},
            post->datum.Dag(), centen, omschrijving });
    }
    return betalingen;
}

std::vector<Contract> VindContracten(const Geleerd &geleerd, const Posten &posten, QDate op)
{
    return VindReeksen(Betalingen(geleerd, posten, op), op);
}

std::vector<Contract> VindContracten(const Programma &programma, QDate op, QStringList *meldingen)
{
    const GeleerdBestand geleerd(programma, GeleerdBestand::Gebruik::AlleenLezen);
    const Posten posten = LeesPosten(programma);
    if (meldingen) {
        if (!geleerd.Melding().isEmpty())
            meldingen->append(geleerd.Melding());
        meldingen->append(NietMeegeteld(posten));
    }
    return VindContracten(geleerd.Inhoud(), posten, op);
}
