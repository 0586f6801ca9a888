#include "matching/Uitleg.h"

#include "common/IsoDatum.h"
#include "common/MaandNamen.h"

QString InLijstUitleg(const LijstTreffer &treffer)
{
    const QDate datum = IsoDag(treffer.datum);
    return QStringLiteral("Staat al in de lijst als \"%1\" (%2)")
        .arg(treffer.omschrijving, datum.isValid() ? DagTekst(datum, false) : treffer.datum);
}

QString VoorstelUitleg(const Voorstel &voorstel, QDate datum)
{
    const bool een = voorstel.aantal == 1;
    QString soort;
    if (voorstel.ontvangen)
        soort = een ? QStringLiteral("ontvangst") : QStringLiteral("ontvangsten");
    else
        soort = een ? QStringLiteral("betaling") : QStringLiteral("betalingen");
    QString waarvan;
    if (voorstel.laag == Laag::Woorden)
        waarvan = QStringLiteral("met \"%1\"").arg(voorstel.herkend);
    else
        waarvan = (voorstel.ontvangen ? QStringLiteral("van ") : QStringLiteral("aan "))
            + voorstel.herkend;
    if (voorstel.laag == Laag::Bedrag)
        waarvan += QStringLiteral(" van ongeveer dit bedrag");
    return QStringLiteral("Zo genoemd bij %1 eerdere %2 %3 (laatst %4)")
        .arg(voorstel.aantal)
        .arg(soort, waarvan,
            DagTekst(voorstel.laatst, datum.isValid() && voorstel.laatst.year() != datum.year()));
}
