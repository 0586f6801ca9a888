#include "matching/Uitleg.h"

#include "common/Bedrag.h"
#include "common/IsoDatum.h"
#include "common/MaandNamen.h"

QString InLijstUitleg(const LijstTreffer &treffer)
{
    const QDate datum = IsoDag(treffer.datum);
    QString uitleg
        = QStringLiteral("Staat al in de lijst als \"%1\" (%2)")
              .arg(treffer.omschrijving, datum.isValid() ? DagTekst(datum, false) : treffer.datum);
    // Only a fixed cost's entry answers for another amount: the household should know. The
    // amounts without their signs, as the words say which way the money went.
    if (treffer.bankCenten != treffer.lijstCenten) {
        uitleg += QStringLiteral("; de bank schreef € %1 %2, de vaste last is € %3")
                      .arg(CentenTekst(treffer.bankCenten).remove(u'-'),
                          treffer.bankCenten < 0 ? QStringLiteral("af") : QStringLiteral("bij"),
                          CentenTekst(treffer.lijstCenten).remove(u'-'));
    }
    return uitleg;
}

QString VoorstelUitleg(const Voorstel &voorstel, QDate datum)
{
    const QString laatst
        = DagTekst(voorstel.laatst, datum.isValid() && voorstel.laatst.year() != datum.year());
    if (voorstel.geldopname) {
        // Cash is known by what it is, not by whom: `Geldautomaat: altijd "Pinnen" (…)`.
        QString hoe = QStringLiteral("altijd \"%1\"").arg(voorstel.woord);
        QString keer = QStringLiteral("%1 keer").arg(voorstel.aantal);
        if (voorstel.regel == Regel::Meestal) {
            hoe = QStringLiteral("meestal \"%1\"").arg(voorstel.woord);
            keer = QStringLiteral("%1 van %2 keer").arg(voorstel.aantal).arg(voorstel.van);
        } else if (voorstel.regel == Regel::Bedrag) {
            hoe = QStringLiteral("\"%1\" bij ongeveer dit bedrag").arg(voorstel.woord);
        } else if (!voorstel.met.isEmpty()) {
            hoe = QStringLiteral("\"%1\" bij \"%2\"").arg(voorstel.woord, voorstel.met);
        }
        return QStringLiteral("Geldautomaat: %1 (%2, laatst %3)").arg(hoe, keer, laatst);
    }
    const bool een = voorstel.aantal == 1 && voorstel.regel != Regel::Meestal;
    QString soort;
    if (voorstel.ontvangen)
        soort = een ? QStringLiteral("ontvangst") : QStringLiteral("ontvangsten");
    else
        soort = een ? QStringLiteral("betaling") : QStringLiteral("betalingen");
    QStringList waarvan;
    if (!voorstel.herkend.isEmpty())
        waarvan << (voorstel.ontvangen ? QStringLiteral("van ") : QStringLiteral("aan "))
                + voorstel.herkend;
    if (!voorstel.met.isEmpty())
        waarvan << QStringLiteral("met \"%1\"").arg(voorstel.met);
    if (voorstel.regel == Regel::Bedrag)
        waarvan << QStringLiteral("van ongeveer dit bedrag");
    if (voorstel.regel == Regel::Meestal) {
        return QStringLiteral("Meestal zo genoemd: %1 van %2 eerdere %3 %4 (laatst %5)")
            .arg(voorstel.aantal)
            .arg(voorstel.van)
            .arg(soort, waarvan.join(u' '), laatst);
    }
    return QStringLiteral("Zo genoemd bij %1 eerdere %2 %3 (laatst %4)")
        .arg(voorstel.aantal)
        .arg(soort, waarvan.join(u' '), laatst);
}
