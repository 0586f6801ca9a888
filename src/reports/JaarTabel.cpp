#include "reports/JaarTabel.h"

#include "common/Bedrag.h"
#include "lists/Posten.h"

#include <QHash>

#include <algorithm>
#include <set>

qint64 Telling::Saldo() const
{
    return CentenVerschil(inkomsten, uitgaven);
}

void Telling::Tel(qint64 bij, qint64 af)
{
    inkomsten = CentenSom(inkomsten, bij);
    uitgaven = CentenSom(uitgaven, af);
    ++posten;
}

Telling &Telling::operator+=(const Telling &ander)
{
    inkomsten = CentenSom(inkomsten, ander.inkomsten);
    uitgaven = CentenSom(uitgaven, ander.uitgaven);
    posten += ander.posten;
    return *this;
}

QString CelTekst(const Telling &telling)
{
    return telling.posten > 0 ? CentenTekst(telling.Saldo()) : QString();
}

namespace {

// A row while it is gathered: every way its description is written, with how often.
struct Groep {
    JaarRij rij;
    std::vector<std::pair<QString, int>> vormen;

    // The way written most often; of ways written equally often, the one met first.
    QString MeesteVorm() const
    {
        return std::max_element(vormen.begin(), vormen.end(), [](const auto &a, const auto &b) {
            return a.second < b.second;
        })->first;
    }
};

// Where a way of writing is counted: its row, and its place among the row's ways.
struct Vorm {
    int groep = 0;
    int index = 0;
};

} // namespace

JaarTabel MaakJaarTabel(const Posten &posten, int jaar, std::optional<IsoDatum> totEnMet)
{
    std::vector<Groep> groepen;
    // Most entries write their description as others did before: the case is folded only for a
    // way of writing not met yet.
    QHash<QString, Vorm> vormen;
    QHash<QString, int> groepVan;
    for (const Post &post : posten.posten) {
        if (post.datum.jaar != jaar || (totEnMet && post.datum > *totEnMet))
            continue;
        // Looked up without a copy: the text stays where the list holds it.
        const QStringView omschrijving = posten.Tekst(post, ItemModel::Omschrijving).trimmed();
        auto vorm = vormen.find(QString::fromRawData(omschrijving.data(), omschrijving.size()));
        if (vorm == vormen.end()) {
            QString tekst = omschrijving.toString();
            const QString gevouwen = tekst.toCaseFolded();
            auto plek = groepVan.find(gevouwen);
            if (plek == groepVan.end()) {
                plek = groepVan.insert(gevouwen, static_cast<int>(groepen.size()));
                groepen.emplace_back();
            }
            Groep &groep = groepen[*plek];
            vorm = vormen.insert(tekst, { *plek, static_cast<int>(groep.vormen.size()) });
            groep.vormen.emplace_back(std::move(tekst), 0);
        }
        Groep &groep = groepen[vorm->groep];
        ++groep.vormen[vorm->index].second;
        groep.rij.maanden[post.datum.maand - 1].Tel(post.inkomsten, post.uitgaven);
        groep.rij.jaar.Tel(post.inkomsten, post.uitgaven);
    }

    JaarTabel tabel { jaar, {} };
    tabel.rijen.reserve(groepen.size());
    for (Groep &groep : groepen) {
        groep.rij.omschrijving = groep.MeesteVorm();
        tabel.rijen.push_back(std::move(groep.rij));
    }
    // Where the money goes first; rows that spent the same keep the order they were met in.
    std::stable_sort(tabel.rijen.begin(), tabel.rijen.end(),
        [](const JaarRij &a, const JaarRij &b) { return a.jaar.uitgaven > b.jaar.uitgaven; });
    return tabel;
}

std::vector<int> GevondenRijen(const JaarTabel &tabel, QStringView zoektekst)
{
    std::vector<int> rijen;
    rijen.reserve(tabel.rijen.size());
    for (int rij = 0; rij < static_cast<int>(tabel.rijen.size()); ++rij) {
        if (tabel.rijen[rij].omschrijving.contains(zoektekst, Qt::CaseInsensitive))
            rijen.push_back(rij);
    }
    return rijen;
}

JaarRij Totaal(const JaarTabel &tabel, const std::vector<int> &rijen)
{
    JaarRij totaal { QStringLiteral("Totaal"), {}, {} };
    for (const int rij : rijen) {
        const JaarRij &r = tabel.rijen[rij];
        for (int maand = 0; maand < 12; ++maand)
            totaal.maanden[maand] += r.maanden[maand];
        totaal.jaar += r.jaar;
    }
    return totaal;
}

QList<int> Jaren(const Posten &posten, int huidig)
{
    std::set<int, std::greater<>> jaren;
    for (const Post &post : posten.posten)
        jaren.insert(post.datum.jaar);
    QList<int> lijst;
    if (jaren.empty() || jaren.erase(huidig) > 0)
        lijst.append(huidig);
    lijst.append(QList<int>(jaren.begin(), jaren.end()));
    return lijst;
}

const QStringList &MaandKoppen()
{
    static const QStringList koppen { QStringLiteral("jan"), QStringLiteral("feb"),
        QStringLiteral("mrt"), QStringLiteral("apr"), QStringLiteral("mei"), QStringLiteral("jun"),
        QStringLiteral("jul"), QStringLiteral("aug"), QStringLiteral("sep"), QStringLiteral("okt"),
        QStringLiteral("nov"), QStringLiteral("dec") };
    return koppen;
}

const QStringList &Koppen()
{
    static const QStringList koppen = QStringList { QStringLiteral("Omschrijving") } + MaandKoppen()
        + QStringList { QStringLiteral("Totaal") };
    return koppen;
}

QStringList Cellen(const QString &omschrijving, const JaarRij &rij)
{
    QStringList cellen { omschrijving };
    cellen.reserve(14);
    for (const Telling &maand : rij.maanden)
        cellen.append(CelTekst(maand));
    cellen.append(CelTekst(rij.jaar));
    return cellen;
}
