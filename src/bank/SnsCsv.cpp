// The CSV of SNS, ASN and RegioBank: no header, 19 fields separated by commas, amounts signed
// with a decimal point. Some exports quote a few texts in single quotes, others none, so the kind
// is known by its shape alone; the own account tells which of the three.
#include "bank/BankCodes.h"
#include "bank/Soorten.h"
#include "bank/Waarden.h"

namespace {

enum Kolom { Datum, Rekening, Tegenrekening, Naam, Bedrag = 10, Omschrijving = 17 };

std::optional<CsvVorm> Vorm(const QStringList &eerste)
{
    Velden velden;
    velden.Splits(eerste.value(0), u',', u'\'');
    if (velden.Aantal() <= Omschrijving || !LeesDatum(velden[Datum], u"DD-MM-JJJJ")
        || !IsIban(velden[Rekening]) || !LeesCenten(velden[Bedrag], u'.'))
        return std::nullopt;
    CsvVorm vorm;
    const QString bank = BankVanIban(velden[Rekening]);
    vorm.bank = (bank == u"SNS" || bank == u"ASN" || bank == u"RegioBank")
        ? bank
        : QStringLiteral("SNS/ASN/RegioBank");
    vorm.soort = QStringLiteral("CSV");
    vorm.scheiding = u',';
    vorm.aanhaling = u'\'';
    vorm.datumVorm = QStringLiteral("DD-MM-JJJJ");
    vorm.decimaal = u'.';
    vorm.rekening = Rekening;
    vorm.datum = Datum;
    vorm.tegenrekening = Tegenrekening;
    vorm.naam = Naam;
    vorm.bedrag = Bedrag;
    vorm.omschrijving = { Omschrijving };
    return vorm;
}

} // namespace

Soort SnsCsv()
{
    return CsvSoort(QStringLiteral("SNS, ASN Bank en RegioBank: CSV"), Vorm);
}
