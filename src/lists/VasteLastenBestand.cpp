#include "lists/VasteLastenBestand.h"

#include "common/ItemModel.h"
#include "common/Programma.h"
#include "lists/LijstBestand.h"
#include "platform/SafeWrite.h"

#include <QFile>

QString VasteLastenPad(const Programma &programma)
{
    return programma.DataMap() + QStringLiteral("Vastelasten.vls");
}

ItemRijen LeesVasteLasten(const Programma &programma)
{
    QFile bestand(VasteLastenPad(programma));
    if (!bestand.open(QIODevice::ReadOnly))
        return {};
    return LeesLijst(bestand, Groepen::VasteLasten);
}

void LaadVasteLasten(const Programma &programma, ItemModel &vasteLasten)
{
    vasteLasten.MaakLeeg();
    vasteLasten.VoegToe(LeesVasteLasten(programma));
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
