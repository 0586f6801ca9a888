#include "cli/OpdrachtLijst.h"

#include "lists/LijstBestand.h"

#include <QFile>
#include <QFileInfo>

std::optional<OpdrachtLijst> LeesOpdrachtLijst(
    const Programma &programma, const QString &naam, const QString &gevolg, QString *fout)
{
    if (QString reden = LijstNaamFout(naam); !reden.isEmpty()) {
        *fout = std::move(reden);
        return std::nullopt;
    }
    const QString pad = LijstPad(programma, naam);
    if (!QFileInfo(pad).exists())
        return OpdrachtLijst {};
    QFile bestand(pad);
    std::optional<ItemRijen> rijen;
    if (bestand.open(QIODevice::ReadOnly))
        rijen = LeesVolledigeLijst(bestand);
    if (!rijen) {
        *fout = QStringLiteral("De lijst \"%1\" is niet volledig te lezen; %2.").arg(naam, gevolg);
        return std::nullopt;
    }
    return OpdrachtLijst { std::move(*rijen), true };
}
