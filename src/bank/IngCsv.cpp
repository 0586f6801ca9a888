// ING's export of a current account: the Dutch site's `;`-separated file of eleven quoted
// columns, the English site's with English headers, and the older `,`-separated one of nine. The
// name is a column of its own; today's notes are labelled parts, of which the description is one.
#include "bank/Details.h"
#include "bank/Soorten.h"

namespace {

enum Kolom {
    Datum,
    Naam,
    Rekening,
    Tegenrekening,
    Code,
    AfBij,
    Bedrag,
    Mutatiesoort,
    Mededelingen
};

std::optional<CsvVorm> Vorm(const QStringList &eerste)
{
    Velden kop;
    const std::optional<QChar> scheiding = KopScheiding(eerste.value(0), Mededelingen + 1, kop);
    if (!scheiding)
        return std::nullopt;
    const bool nederlands = kop[Datum] == u"Datum" && kop[Naam] == u"Naam / Omschrijving";
    const bool engels = kop[Datum] == u"Date" && kop[Naam] == u"Name / Description";
    if (!nederlands && !engels)
        return std::nullopt;
    CsvVorm vorm;
    vorm.bank = QStringLiteral("ING");
    vorm.soort = QStringLiteral("CSV");
    vorm.scheiding = *scheiding;
    vorm.kopregels = 1;
    vorm.datumVorm = QStringLiteral("JJJJMMDD");
    vorm.datum = Datum;
    vorm.bedrag = Bedrag;
    vorm.richting = AfBij;
    vorm.naam = Naam;
    vorm.omschrijving = { Mededelingen };
    vorm.tegenrekening = Tegenrekening;
    vorm.rekening = Rekening;
    vorm.code = Code;
    vorm.geldopname = { QStringLiteral("GM") };
    vorm.verfijn = DetailsUitOmschrijving;
    return vorm;
}

} // namespace

Soort IngCsv()
{
    Soort soort
        = CsvSoort(QStringLiteral("ING, betaalrekening: CSV van de Nederlandse of Engelse site, "
                                  "ook de oudere vorm met komma's"),
            Vorm);
    // Its site exports the newest transaction first.
    soort.nieuwsteEerst = true;
    return soort;
}
