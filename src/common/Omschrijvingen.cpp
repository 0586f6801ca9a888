#include "common/Omschrijvingen.h"

#include "common/Programma.h"
#include "platform/SortedList.h"
#include "platform/TextLines.h"

#include <QComboBox>
#include <QFile>

QStringList LeesOmschrijvingen(QIODevice &in)
{
    QStringList omschrijvingen;
    TextLines regels(in);
    while (!regels.atEnd())
        omschrijvingen.append(regels.readLine());
    return omschrijvingen;
}

QStringList LeesOmschrijvingBestand(const Programma &programma)
{
    QFile bestand(programma.DataMap() + QStringLiteral("Omschrijving.txt"));
    if (!bestand.open(QIODevice::ReadOnly))
        return {};
    return LeesOmschrijvingen(bestand);
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
