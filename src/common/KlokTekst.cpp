#include "common/KlokTekst.h"

#include <QDateTime>

QString KorteDatum(const QDate &datum)
{
    return datum.toString(u"d-M-yyyy");
}

QString KlokTekst(const QDateTime &moment)
{
    return KorteDatum(moment.date()) + QStringLiteral(" / ") + moment.time().toString(u"H:mm:ss");
}
