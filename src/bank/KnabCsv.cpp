// Knab's CSV: a first line "KNAB EXPORT;;;…", then a header of names separated by ";", every
// line ending in ";"; unsigned amounts with "D" or "C".
#include "bank/Soorten.h"

namespace {

std::optional<CsvVorm> Vorm(const QStringList &eerste)
{
    Velden kop;
    if (!eerste.value(0).startsWith(u"KNAB EXPORT")
        || !KopScheiding(eerste.value(1), 10, kop, { u';' }))
        return std::nullopt;
    CsvVorm vorm;
    vorm.bank = QStringLiteral("Knab");
    vorm.soort = QStringLiteral("CSV");
    vorm.scheiding = u';';
    vorm.kopregels = 2;
    vorm.datumVorm = QStringLiteral("DD-MM-JJJJ");
    vorm.decimaal = u',';
    vorm.rekening = kop.Kolom(u"Rekeningnummer");
    vorm.datum = kop.Kolom(u"Transactiedatum");
    vorm.richting = kop.Kolom(u"CreditDebet");
    vorm.bedrag = kop.Kolom(u"Bedrag");
    vorm.tegenrekening = kop.Kolom(u"Tegenrekeningnummer");
    vorm.naam = kop.Kolom(u"Tegenrekeninghouder");
    vorm.omschrijving = { kop.Kolom(u"Omschrijving") };
    if (vorm.datum < 0 || vorm.richting < 0 || vorm.bedrag < 0 || vorm.naam < 0
        || vorm.omschrijving[0] < 0)
        return std::nullopt;
    return vorm;
}

} // namespace

Soort KnabCsv()
{
    return CsvSoort(QStringLiteral("Knab: CSV"), Vorm);
}
