#include "common/Omschrijvingen.h"

#include "common/Programma.h"
#include "platform/SortedList.h"
#include "platform/TextLines.h"

#include <QComboBox>
#include <QFile>

QStringList LeesOmschrijvingBestand(const Programma &programma)
{
    QStringList omschrijvingen;
    QFile bestand(programma.DataMap() + QStringLiteral("Omschrijving.txt"));
    if (!bestand.open(QIODevice::ReadOnly))
        return omschrijvingen;
    TextLines regels(bestand);
    while (!regels.atEnd())
        omschrijvingen.append(regels.readLine());
    return omschrijvingen;
}

void LaadOmschrijvingen(QComboBox &combo, const Programma &programma)
{
    QStringList items = LeesOmschrijvingBestand(programma);
    items.prepend(QString());
    sortAlphabetically(items);
    combo.clear();
    combo.addItems(items);
    combo.setCurrentIndex(0);
}
