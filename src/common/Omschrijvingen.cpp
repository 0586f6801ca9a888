#include "common/Omschrijvingen.h"

#include "common/Programma.h"
#include "platform/TextLines.h"

#include <QCollator>
#include <QComboBox>
#include <QFile>

#include <algorithm>

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

void SorteerAlfabetisch(QStringList &teksten)
{
    QCollator collator(QLocale(QLocale::Dutch, QLocale::Netherlands));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(teksten.begin(), teksten.end(), [&collator](const QString &a, const QString &b) {
        return collator.compare(a, b) < 0;
    });
}

void LaadOmschrijvingen(QComboBox &combo, const Programma &programma)
{
    QStringList items = LeesOmschrijvingBestand(programma);
    items.prepend(QString());
    SorteerAlfabetisch(items);
    combo.clear();
    combo.addItems(items);
    combo.setCurrentIndex(0);
}
