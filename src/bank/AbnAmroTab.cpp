// ABN AMRO's .TAB file: no header, eight fields separated by TABs: account, currency, date,
// start balance, end balance, value date, signed amount, description.
#include "bank/Details.h"
#include "bank/Soorten.h"
#include "bank/Waarden.h"

namespace {

enum Kolom { Rekening, Munt, Datum, Beginsaldo, Eindsaldo, Rentedatum, Bedrag, Omschrijving };

// A cash withdrawal's description starts with "GEA", as a card payment's with "BEA".
void Verfijn(BankPost &post)
{
    if (post.omschrijving.startsWith(u"GEA ") || post.omschrijving.startsWith(u"GEA,"))
        post.soort = PostSoort::Geldopname;
    DetailsUitOmschrijving(post);
}

std::optional<CsvVorm> Vorm(const QStringList &eerste)
{
    Velden velden;
    if (!KopScheiding(eerste.value(0), Omschrijving + 1, velden, { u'\t' })
        || velden[Munt].trimmed().size() != 3 || !LeesDatum(velden[Datum], u"JJJJMMDD")
        || !LeesCenten(velden[Bedrag], u','))
        return std::nullopt;
    CsvVorm vorm;
    vorm.bank = QStringLiteral("ABN AMRO");
    vorm.soort = QStringLiteral("TAB");
    vorm.scheiding = u'\t';
    vorm.aanhaling = QChar(); // none: a quote is part of the text
    vorm.datumVorm = QStringLiteral("JJJJMMDD");
    vorm.decimaal = u',';
    vorm.rekening = Rekening;
    vorm.datum = Datum;
    vorm.bedrag = Bedrag;
    vorm.omschrijving = { Omschrijving };
    vorm.verfijn = Verfijn;
    return vorm;
}

} // namespace

Soort AbnAmroTab()
{
    return CsvSoort(QStringLiteral("ABN AMRO: TAB"), Vorm);
}
