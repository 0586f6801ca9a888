#include "common/Stuurtekens.h"

#include <algorithm>

QString ZonderStuurtekens(QString tekst)
{
    // Nearly every text holds none: it is not copied then.
    if (std::any_of(tekst.cbegin(), tekst.cend(), IsStuurcode))
        std::replace_if(tekst.begin(), tekst.end(), IsStuurcode, u' ');
    return tekst;
}
