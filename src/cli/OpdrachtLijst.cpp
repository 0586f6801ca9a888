#include "cli/OpdrachtLijst.h"

#include "lists/LijstBestand.h"
#include "lists/LijstNamen.h"

#include <QFile>
#include <QFileInfo>

std::optional<OpdrachtLijst> LeesOpdrachtLijst(
    const Programma &programma, const QString &naam, const QString &gevolg, QString *fout)
{
    std::optional<QString> gekozen = GetypteLijstNaam(naam, fout);
    if (!gekozen)
        return std::nullopt;
    // "juli 2026" is the saved "Juli 2026": one list, one file.
    if (std::optional<QString> bestaand = BestaandeLijst(programma, *gekozen))
        gekozen = std::move(bestaand);
    const QString pad = LijstPad(programma, *gekozen);
    if (!QFileInfo(pad).exists())
        return OpdrachtLijst { std::move(*gekozen), {}, false };
    QFile bestand(pad);
    std::optional<ItemRijen> rijen;
    if (bestand.open(QIODevice::ReadOnly))
        rijen = LeesVolledigeLijst(bestand);
    if (!rijen) {
        *fout = QStringLiteral("De lijst \"%1\" is niet volledig te lezen; %2.")
                    .arg(*gekozen, gevolg);
        return std::nullopt;
    }
    return OpdrachtLijst { std::move(*gekozen), std::move(*rijen), true };
}
