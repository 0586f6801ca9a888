#pragma once

#include <QStringList>

// Puts texts in the order of the system's sorted list boxes: alphabetically, without regard
// to case or accents, as a Dutch reader expects ("émile" between "Emma" and "Frits"). Texts
// that compare equal keep their order.
void sortAlphabetically(QStringList &texts);
