#include "matching/VasteLasten.h"

#include "common/Programma.h"
#include "lists/LijstBestand.h"

#include <QFile>

ItemRijen VasteLastenVan(const Programma &programma)
{
    QFile bestand(programma.DataMap() + QStringLiteral("Vastelasten.vls"));
    if (!bestand.open(QIODevice::ReadOnly))
        return {};
    return LeesLijst(bestand, Groepen::VasteLasten);
}
