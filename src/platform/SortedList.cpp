#include "platform/SortedList.h"

#include <QCollator>

#include <algorithm>

void sortAlphabetically(QStringList &texts)
{
    QCollator collator(QLocale(QLocale::Dutch, QLocale::Netherlands));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(texts.begin(), texts.end(),
        [&collator](const QString &a, const QString &b) { return collator.compare(a, b) < 0; });
}
