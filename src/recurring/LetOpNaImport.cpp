#include "recurring/LetOpNaImport.h"

#include "common/Programma.h"
#include "lists/Posten.h"
#include "matching/Geleerd.h"
#include "platform/Clock.h"
#include "recurring/ContractTekst.h"
#include "recurring/Contracten.h"

#include <algorithm>

QDate LaatstGeleerd(const Geleerd &geleerd)
{
    QDate laatst;
    for (const Geleerd::Voorbeeld &voorbeeld : geleerd.Voorbeelden())
        laatst = std::max(laatst, voorbeeld.datum);
    return laatst;
}

QStringList LetOpNaImport(const Programma &programma, const Geleerd &geleerd, QDate van)
{
    const QDate tot = std::min(LaatstGeleerd(geleerd), programma.Klok().now().date());
    QStringList regels;
    if (!tot.isValid() || (van.isValid() && tot <= van))
        return regels;
    const auto nieuw
        = [&](QDate dag) { return dag.isValid() && dag <= tot && (!van.isValid() || dag > van); };
    for (const Contract &contract : VindContracten(geleerd, LeesPosten(programma), tot)) {
        if ((contract.gestopt && nieuw(contract.gestoptOp))
            || (!contract.gestopt && contract.wijziging && nieuw(contract.wijziging->bekend)))
            regels.append(LetOp(contract, tot));
    }
    return regels;
}
