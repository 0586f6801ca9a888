#pragma once

#include <QStringList>

// The years every year input offers: "2000" to "2050".
const QStringList &Jaartallen();
