#include "common/Jaartallen.h"

const QStringList &Jaartallen()
{
    static const QStringList jaren = [] {
        QStringList lijst;
        for (int jaar = 2000; jaar <= 2050; ++jaar)
            lijst << QString::number(jaar);
        return lijst;
    }();
    return jaren;
}
