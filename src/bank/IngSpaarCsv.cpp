// ING's export of a savings account: Datum, Omschrijving, Rekening, Rekening type,
// Tegenrekening, Af Bij, Bedrag, Valuta, Mutatiesoort, Mededelingen, Saldo na mutatie.
#include "bank/Soorten.h"

namespace {

enum Kolom {
    Datum,
    Omschrijving,
    Rekening,
    RekeningType,
    Tegenrekening,
    AfBij,
    Bedrag,
    Valuta,
    Mutatiesoort,
    Mededelingen
};

std::optional<CsvVorm> Vorm(const QStringList &eerste)
{
    Velden kop;
    const std::optional<QChar> scheiding
        = KopScheiding(eerste.value(0), Mededelingen + 1, kop, { u',', u';' });
    if (!scheiding || kop[Datum] != u"Datum" || kop[Omschrijving] != u"Omschrijving"
        || kop[RekeningType] != u"Rekening type")
        return std::nullopt;
    CsvVorm vorm;
    vorm.bank = QStringLiteral("ING");
    vorm.soort = QStringLiteral("CSV, spaarrekening");
    vorm.scheiding = *scheiding;
    vorm.kopregels = 1;
    vorm.datumVorm = QStringLiteral("JJJJ-MM-DD");
    vorm.datum = Datum;
    vorm.bedrag = Bedrag;
    vorm.richting = AfBij;
    vorm.naam = Omschrijving;
    vorm.omschrijving = { Mededelingen };
    vorm.tegenrekening = Tegenrekening;
    vorm.rekening = Rekening;
    return vorm;
}

} // namespace

Soort IngSpaarCsv()
{
    Soort soort = CsvSoort(QStringLiteral("ING, spaarrekening: CSV"), Vorm);
    // Its site exports the newest transaction first.
    soort.nieuwsteEerst = true;
    return soort;
}
