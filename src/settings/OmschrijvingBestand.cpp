#include "settings/OmschrijvingBestand.h"

#include "common/Programma.h"
#include "platform/Ansi.h"
#include "platform/SafeWrite.h"

#include <QIODevice>

bool SchrijfOmschrijvingen(
    const Programma &programma, const QStringList &omschrijvingen, QString *fout)
{
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
    return writeFileSafely(
        programma.DataMap() + QStringLiteral("Omschrijving.txt"),
        [&bytes](QIODevice &bestand, QString *) { return bestand.write(bytes) == bytes.size(); },
        fout);
}
