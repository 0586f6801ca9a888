#include "settings/OmschrijvingBestand.h"

#include "common/Programma.h"
#include "platform/Ansi.h"
#include "platform/SafeWrite.h"
#include "platform/WriteError.h"

#include <QIODevice>

bool SchrijfOmschrijvingen(
    const Programma &programma, const QStringList &omschrijvingen, QString *fout)
{
    // At most one byte a character: a character outside the code page, even one of two UTF-16
    // units, becomes a single "?".
    qsizetype lengte = 0;
    for (const QString &omschrijving : omschrijvingen)
        lengte += omschrijving.size() + 2;
    QByteArray bytes(lengte, Qt::Uninitialized);
    char *uit = bytes.data();
    for (const QString &omschrijving : omschrijvingen) {
        uit = Ansi::encode(omschrijving, uit);
        *uit++ = '\r';
        *uit++ = '\n';
    }
    const qint64 geschreven = uit - bytes.constData();
    return writeFileSafely(
        programma.DataMap() + QStringLiteral("Omschrijving.txt"),
        [&bytes, geschreven](QIODevice &bestand, QString *reden) {
            return writeAll(bestand, bytes.constData(), geschreven, reden);
        },
        fout);
}
