// Triodos' CSV: no header, 8 or 9 quoted fields: date, own account, amount with a dot for the
// thousands, Debet or Credit, name, "BIC IBAN" of the other party, code, description.
#include "bank/Soorten.h"
#include "bank/Waarden.h"

namespace {

enum Kolom { Datum, Rekening, Bedrag, Richting, Naam, Tegenrekening, Code, Omschrijving };

std::optional<CsvVorm> Vorm(const QStringList &eerste)
{
    Velden velden;
    if (!KopScheiding(eerste.value(0), Omschrijving + 1, velden, { u',' })
        || velden.Aantal() > Omschrijving + 2 || !LeesDatum(velden[Datum], u"DD-MM-JJJJ")
        || (velden[Richting] != u"Debet" && velden[Richting] != u"Credit"))
        return std::nullopt;
    CsvVorm vorm;
    vorm.bank = QStringLiteral("Triodos");
    vorm.soort = QStringLiteral("CSV");
    vorm.scheiding = u',';
    vorm.datumVorm = QStringLiteral("DD-MM-JJJJ");
    vorm.decimaal = u',';
    vorm.rekening = Rekening;
    vorm.datum = Datum;
    vorm.bedrag = Bedrag;
    vorm.richting = Richting;
    vorm.naam = Naam;
    vorm.tegenrekening = Tegenrekening;
    vorm.omschrijving = { Omschrijving };
    return vorm;
}

} // namespace

Soort TriodosCsv()
{
    return CsvSoort(QStringLiteral("Triodos: CSV"), Vorm);
}
