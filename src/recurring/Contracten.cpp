#include "recurring/Contracten.h"

#include "common/Bedrag.h"
#include "lists/Posten.h"
#include "matching/GeleerdBestand.h"
#include "matching/InLijst.h"
#include "matching/Tegenpartij.h"

#include <QHash>

#include <algorithm>
#include <climits>
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

// The learned transactions, each answering for one entry of the lists: the entry typed for it, or
// found for it when its statement was read, or exported from the fixed costs on another day, at
// the amount the fixed costs hold.
class Geleerden {
public:
    // `gevouwen`: the words, folded, by number.
    Geleerden(const Geleerd &geleerd, const QStringList &gevouwen, QDate op)
    {
        for (const Geleerd::Voorbeeld &voorbeeld : geleerd.Voorbeelden()) {
            if (voorbeeld.datum <= op)
                m_rijen.push_back(
                    { voorbeeld.centen, voorbeeld.datum.toJulianDay(), voorbeeld.woord });
        }
        std::sort(m_rijen.begin(), m_rijen.end());
        for (const Rij &rij : m_rijen)
            m_dagen.push_back(rij.dag);
        std::sort(m_dagen.begin(), m_dagen.end());
        m_vrij.resize(m_rijen.size() + 1);
        for (size_t i = 0; i < m_vrij.size(); ++i)
            m_vrij[i] = i;
        for (size_t i = 0; i < m_rijen.size(); ++i) {
            if (m_rijen[i].woord != Geleerd::GeenWoord)
                m_perWoord[Richting(m_rijen[i].centen) + gevouwen[m_rijen[i].woord]].push_back(i);
        }
        for (std::vector<size_t> &rijen : m_perWoord) {
            std::sort(rijen.begin(), rijen.end(),
                [this](size_t a, size_t b) { return m_rijen[a].dag < m_rijen[b].dag; });
        }
    }

    // Whether an entry is the learned transaction of its amount a few days away, the nearest.
    bool NeemBedrag(qint64 centen, qint64 dag)
    {
        const auto begin = std::lower_bound(
            m_rijen.begin(), m_rijen.end(), Rij { centen, dag - DagenRondBoeking, INT_MIN });
        std::optional<size_t> beste;
        for (size_t i = Vrij(static_cast<size_t>(begin - m_rijen.begin())); i < m_rijen.size();
             i = Vrij(i + 1)) {
            const Rij &rij = m_rijen[i];
            if (rij.centen != centen || rij.dag > dag + DagenRondBoeking)
                break;
            if (!beste || std::llabs(rij.dag - dag) < std::llabs(m_rijen[*beste].dag - dag))
                beste = i;
        }
        if (beste)
            Neem(*beste);
        return beste.has_value();
    }

    // Whether an entry is a learned transaction of its word and direction within a month, of any
    // amount: a fixed cost exported at last year's amount. Its amount first, then the nearest.
    bool NeemWoord(qint64 centen, qint64 dag, const QString &woord)
    {
        constexpr qint64 Maand = 31;
        // However many share a word and a day, only a few are looked at.
        constexpr int MeesteKandidaten = 64;
        const auto rijen = m_perWoord.constFind(Richting(centen) + woord);
        if (rijen == m_perWoord.constEnd())
            return false;
        auto it = std::lower_bound(rijen->begin(), rijen->end(), dag - Maand,
            [this](size_t rij, qint64 van) { return m_rijen[rij].dag < van; });
        std::optional<size_t> beste;
        const auto afstand = [&](size_t rij) {
            return std::pair(m_rijen[rij].centen != centen, std::llabs(m_rijen[rij].dag - dag));
        };
        for (int gezien = 0;
             it != rijen->end() && m_rijen[*it].dag <= dag + Maand && gezien < MeesteKandidaten;
             ++it, ++gezien) {
            if (m_vrij[*it] == *it && (!beste || afstand(*it) < afstand(*beste)))
                beste = *it;
        }
        if (beste)
            Neem(*beste);
        return beste.has_value();
    }

    // Whether the bank's statements of the days around `dag` were read: a transaction was learned
    // in the ten days before and in the ten after. An entry then that is no transaction of them is
    // one the household typed twice (a fixed cost exported at an old amount beside the bank's).
    bool Gedekt(qint64 dag) const
    {
        constexpr qint64 Dagen = 10;
        const auto na = std::lower_bound(m_dagen.begin(), m_dagen.end(), dag);
        return na != m_dagen.end() && *na <= dag + Dagen
            && (*na == dag || (na != m_dagen.begin() && *(na - 1) >= dag - Dagen));
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

    void Neem(size_t rij) { m_vrij[rij] = rij + 1; }

    std::vector<Rij> m_rijen; // by amount and day
    std::vector<qint64> m_dagen; // their days, in order
    std::vector<size_t> m_vrij; // towards the next row that is still free; itself when free
    QHash<QString, std::vector<size_t>> m_perWoord; // per direction and folded word, by day
};

} // namespace

std::vector<Betaling> Betalingen(const Geleerd &geleerd, const Posten &posten, QDate op)
{
    const std::vector<Geleerd::Voorbeeld> &voorbeelden = geleerd.Voorbeelden();
    int woorden = 0;
    for (const Geleerd::Voorbeeld &voorbeeld : voorbeelden)
        woorden = std::max(woorden, voorbeeld.woord + 1);
    QStringList gevouwen;
    for (int woord = 0; woord < woorden; ++woord)
        gevouwen.append(geleerd.Woord(woord).trimmed().toCaseFolded());
    // The counterparties, by number: kinds of one account share one.
    QStringList sleutels;
    std::vector<int> bronSleutels;
    {
        QHash<QString, int> nummers;
        for (const Bron &bron : geleerd.Bronnen()) {
            const QString sleutel = Sleutel(bron);
            auto nummer = nummers.constFind(sleutel);
            if (nummer == nummers.constEnd()) {
                nummer = nummers.insert(sleutel, int(sleutels.size()));
                sleutels.append(sleutel);
            }
            bronSleutels.push_back(*nummer);
        }
    }

    std::vector<Betaling> betalingen;
    betalingen.reserve(voorbeelden.size());
    // Per word and direction (2 × word + received), how often each counterparty had it.
    std::vector<int> woordTotalen(2 * static_cast<size_t>(woorden), 0);
    QHash<qint64, int> woordSleutelAantallen; // by word and direction, then counterparty
    for (const Geleerd::Voorbeeld &voorbeeld : voorbeelden) {
        if (voorbeeld.datum > op)
            continue;
        const auto bron = static_cast<size_t>(voorbeeld.bron);
        const bool woord = voorbeeld.woord != Geleerd::GeenWoord;
        betalingen.push_back(
            { sleutels[bronSleutels[bron]], geleerd.Bronnen()[bron].naam, voorbeeld.datum,
                voorbeeld.centen, woord ? geleerd.Woord(voorbeeld.woord) : QString() });
        if (woord) {
            const int woordRichting = 2 * voorbeeld.woord + (voorbeeld.centen > 0 ? 1 : 0);
            ++woordTotalen[static_cast<size_t>(woordRichting)];
            ++woordSleutelAantallen[(qint64(woordRichting) << 32) | bronSleutels[bron]];
        }
    }
    // The counterparty that had the word at least four times in five, by direction and word.
    QHash<QString, QString> woordSleutel;
    for (auto it = woordSleutelAantallen.cbegin(); it != woordSleutelAantallen.cend(); ++it) {
        const auto woordRichting = static_cast<int>(it.key() >> 32);
        const auto sleutel = static_cast<int>(it.key() & 0xffffffff);
        if (it.value() * 5 >= woordTotalen[static_cast<size_t>(woordRichting)] * 4) {
            woordSleutel.insert(Richting(woordRichting % 2 ? 1 : -1) + gevouwen[woordRichting / 2],
                sleutels[sleutel]);
        }
    }

    std::vector<const Post *> lijstPosten;
    for (const Post &post : posten.posten) {
        if (post.datum.Dag().isValid() && post.datum.Dag() <= op)
            lijstPosten.push_back(&post);
    }
    std::stable_sort(lijstPosten.begin(), lijstPosten.end(),
        [](const Post *a, const Post *b) { return a->datum < b->datum; });
    // First every entry that is a transaction of its amount, then those of its word.
    Geleerden geleerden(geleerd, gevouwen, op);
    std::vector<bool> geleerdeRij(lijstPosten.size(), false);
    for (const bool opWoord : { false, true }) {
        for (size_t i = 0; i < lijstPosten.size(); ++i) {
            const Post &post = *lijstPosten[i];
            const qint64 centen = CentenVerschil(post.inkomsten, post.uitgaven);
            if (geleerdeRij[i] || centen == 0)
                continue;
            const qint64 dag = post.datum.Dag().toJulianDay();
            geleerdeRij[i] = opWoord
                ? geleerden.NeemWoord(centen, dag,
                    posten.Tekst(post, ItemModel::Omschrijving).trimmed().toString().toCaseFolded())
                : geleerden.NeemBedrag(centen, dag);
        }
    }
    for (size_t i = 0; i < lijstPosten.size(); ++i) {
        const Post &post = *lijstPosten[i];
        const qint64 centen = CentenVerschil(post.inkomsten, post.uitgaven);
        const QString omschrijving
            = posten.Tekst(post, ItemModel::Omschrijving).trimmed().toString();
        if (geleerdeRij[i] || centen == 0 || omschrijving.isEmpty()
            || geleerden.Gedekt(post.datum.Dag().toJulianDay()))
            continue;
        const QString gevouwen = omschrijving.toCaseFolded();
        const QString sleutel = woordSleutel.value(Richting(centen) + gevouwen);
        betalingen.push_back({ sleutel.isEmpty() ? OmschrijvingSleutel(gevouwen) : sleutel, {},
            post.datum.Dag(), centen, omschrijving });
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
