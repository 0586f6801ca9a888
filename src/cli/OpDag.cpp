#include "cli/OpDag.h"

#include "common/IsoDatum.h"

std::optional<QDate> LeesOpDag(const QString &tekst, QString *waarom)
{
    const std::optional<IsoDatum> gelezen = LeesIsoDatum(tekst);
    const QDate dag = gelezen ? gelezen->Dag() : QDate();
    if (dag.isValid() && IsoDatumTekst(dag) == tekst)
        return dag;
    if (waarom) {
        *waarom = QStringLiteral("De dag \"%1\" is niet van de vorm JJJJ-MM-DD, zoals 2026-03-12.")
                      .arg(tekst);
    }
    return std::nullopt;
}
