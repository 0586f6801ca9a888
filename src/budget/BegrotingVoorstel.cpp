#include "budget/BegrotingVoorstel.h"

#include "budget/Begrotingen.h"
#include "common/Bedrag.h"
#include "common/DatumTekst.h"
#include "common/MaandNamen.h"
#include "reports/JaarTabel.h"

#include <QHash>

#include <algorithm>

namespace {

// Positive cents divided by `deler`, rounded half up or, with `naarBoven`, up.
qint64 Gedeeld(qint64 centen, qint64 deler, bool naarBoven)
{
    const qint64 rest = centen % deler;
    return centen / deler + (naarBoven ? rest > 0 : rest * 2 >= deler);
}

QString MaandInTekst(QDate dag)
{
    return MaandNaam(dag.month()).toLower() + u' ' + QString::number(dag.year());
}

} // namespace

QString VoorstelMaanden(QDate dag)
{
    const QDate begin = QDate(dag.year(), dag.month(), 1).addMonths(-12);
    return QStringLiteral("%1 tot en met %2")
        .arg(MaandInTekst(begin), MaandInTekst(begin.addMonths(11)));
}

std::vector<BegrotingVoorstel> MaakVoorstellen(const Posten &posten, QDate dag)
{
    struct Netto {
        QString omschrijving;
        int posten = 0; // in the row its spelling came from
        qint64 centen = 0;
    };
    QHash<QString, Netto> perSleutel;
    const QDate begin = QDate(dag.year(), dag.month(), 1).addMonths(-12);
    // The twelve months lie in one year or two: the year's table of each, its months in the span.
    for (const int jaar : { begin.year(), begin.year() + 1 }) {
        const int eerste = jaar == begin.year() ? begin.month() : 1;
        const int laatste = jaar == begin.year() ? 12 : begin.month() - 1;
        if (laatste < eerste)
            continue;
        for (const JaarRij &rij : MaakJaarTabel(posten, jaar).rijen) {
            Telling telling;
            for (int maand = eerste; maand <= laatste; ++maand)
                telling += rij.maanden[maand - 1];
            if (telling.posten == 0)
                continue;
            Netto &netto = perSleutel[OmschrijvingSleutel(rij.omschrijving)];
            netto.centen = CentenSom(netto.centen, -telling.Saldo());
            if (telling.posten > netto.posten) {
                netto.omschrijving = rij.omschrijving;
                netto.posten = telling.posten;
            }
        }
    }

    std::vector<BegrotingVoorstel> voorstellen;
    for (const Netto &netto : std::as_const(perSleutel)) {
        if (netto.centen <= 0)
            continue;
        // A year's net sum over twelve months, in cents; up to whole euros, in euros.
        voorstellen.push_back({ netto.omschrijving, Gedeeld(netto.centen, 12, false),
            Gedeeld(netto.centen, 1200, true) * 100 });
    }
    std::sort(voorstellen.begin(), voorstellen.end(),
        [](const BegrotingVoorstel &a, const BegrotingVoorstel &b) {
            if (a.bedrag != b.bedrag)
                return a.bedrag > b.bedrag;
            return a.omschrijving.compare(b.omschrijving, Qt::CaseInsensitive) < 0;
        });
    return voorstellen;
}
