// bunq's CSV, with a header of Dutch or English names (older files without the interest date);
// signed amounts. Some exports quote each whole line, which the fields' splitter undoes.
#include "bank/Soorten.h"

namespace {

std::optional<CsvVorm> Vorm(const QStringList &eerste)
{
    Velden kop;
    const std::optional<QChar> scheiding = KopScheiding(eerste.value(0), 6, kop, { u',', u';' });
    if (!scheiding)
        return std::nullopt;
    const bool nederlands = kop[0] == u"Datum" && (kop[1] == u"Rentedatum" || kop[1] == u"Bedrag");
    const bool engels = kop[0] == u"Date" && (kop[1] == u"Interest Date" || kop[1] == u"Amount");
    if (!nederlands && !engels)
        return std::nullopt;
    CsvVorm vorm;
    vorm.bank = QStringLiteral("bunq");
    vorm.soort = QStringLiteral("CSV");
    vorm.scheiding = *scheiding;
    vorm.kopregels = 1;
    vorm.datumVorm = nederlands ? QStringLiteral("JJJJ-MM-DD") : QStringLiteral("DD/MM/JJJJ");
    vorm.datum = 0;
    vorm.bedrag = kop.Kolom(nederlands ? u"Bedrag" : u"Amount");
    vorm.rekening = kop.Kolom(nederlands ? u"Rekening" : u"Account");
    vorm.tegenrekening = kop.Kolom(nederlands ? u"Tegenrekening" : u"Counterparty");
    vorm.naam = kop.Kolom(nederlands ? u"Naam" : u"Name");
    vorm.omschrijving = { kop.Kolom(nederlands ? u"Omschrijving" : u"Description") };
    if (vorm.bedrag < 0 || vorm.naam < 0 || vorm.omschrijving[0] < 0)
        return std::nullopt;
    return vorm;
}

} // namespace

Soort BunqCsv()
{
    return CsvSoort(QStringLiteral("bunq: CSV, Nederlands of Engels"), Vorm);
}
