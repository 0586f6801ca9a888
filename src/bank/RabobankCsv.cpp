// Rabobank's CSV: 26 quoted columns separated by commas, in Windows-1252, with a header whose
// names give the columns; amounts signed ("+1000,00"), the description in three columns.
#include "bank/Soorten.h"

namespace {

std::optional<CsvVorm> Vorm(const QStringList &eerste)
{
    Velden kop;
    if (!KopScheiding(eerste.value(0), 20, kop, { u',' }) || kop[0] != u"IBAN/BBAN"
        || kop[1] != u"Munt")
        return std::nullopt;
    CsvVorm vorm;
    vorm.bank = QStringLiteral("Rabobank");
    vorm.soort = QStringLiteral("CSV");
    vorm.scheiding = u',';
    vorm.kopregels = 1;
    vorm.datumVorm = QStringLiteral("JJJJ-MM-DD");
    vorm.decimaal = u',';
    vorm.rekening = 0;
    vorm.datum = kop.Kolom(u"Datum");
    vorm.bedrag = kop.Kolom(u"Bedrag");
    vorm.tegenrekening = kop.Kolom(u"Tegenrekening IBAN/BBAN");
    vorm.naam = kop.Kolom(u"Naam tegenpartij");
    vorm.omschrijving = { kop.Kolom(u"Omschrijving-1"), kop.Kolom(u"Omschrijving-2"),
        kop.Kolom(u"Omschrijving-3") };
    // "ga" and "gb": a cash machine in euros or in another currency.
    vorm.code = kop.Kolom(u"Code");
    vorm.geldopname = { QStringLiteral("ga"), QStringLiteral("gb") };
    if (vorm.datum < 0 || vorm.bedrag < 0 || vorm.naam < 0 || vorm.omschrijving[0] < 0)
        return std::nullopt;
    return vorm;
}

} // namespace

Soort RabobankCsv()
{
    return CsvSoort(QStringLiteral("Rabobank: CSV"), Vorm);
}
