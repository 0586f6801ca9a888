#include "platform/SortedList.h"

#include <algorithm>

AlphabeticalOrder::AlphabeticalOrder()
    : m_collator(QLocale(QLocale::Dutch, QLocale::Netherlands))
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

void sortAlphabetically(QStringList &texts)
{
    std::stable_sort(texts.begin(), texts.end(), AlphabeticalOrder());
}
