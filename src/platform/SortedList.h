#pragma once

#include <QCollator>
#include <QStringList>

// The order of the system's sorted list boxes: alphabetically, without regard to case or
// accents, as a Dutch reader expects ("émile" between "Emma" and "Frits").
class AlphabeticalOrder {
public:
    AlphabeticalOrder();

    // True when `a` comes before `b`.
    bool operator()(const QString &a, const QString &b) const
    {
        return m_collator.compare(a, b) < 0;
    }

private:
    QCollator m_collator;
};

// Puts texts in that order; texts that compare equal keep their order.
void sortAlphabetically(QStringList &texts);
