#include "fixedcosts/VasteLastenBestand.h"

#include "common/ItemModel.h"
#include "common/Programma.h"
#include "lists/LijstBestand.h"
#include "platform/SafeWrite.h"

#include <QFile>

QString VasteLastenPad(const Programma &programma)
{
    return programma.DataMap() + QStringLiteral("Vastelasten.vls");
}

void LaadVasteLasten(const Programma &programma, ItemModel &vasteLasten)
{
    vasteLasten.MaakLeeg();
    QFile bestand(VasteLastenPad(programma));
    if (bestand.open(QIODevice::ReadOnly))
        vasteLasten.VoegToe(LeesLijst(bestand, Groepen::VasteLasten));
}

bool SaveVasteLasten(const Programma &programma, const ItemModel &vasteLasten, QString *fout)
{
    return writeFileSafely(
        VasteLastenPad(programma),
        [&vasteLasten](QIODevice &uit, QString *reden) {
            return SchrijfLijst(uit, vasteLasten.Rijen(), reden);
        },
        fout);
}
