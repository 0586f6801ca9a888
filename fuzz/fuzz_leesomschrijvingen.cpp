// The descriptions reader on any bytes: no crash, no hang, and what it reads comes back the same
// when it is written as the settings window writes it (CR LF after every line) and read again.
#include "common/Omschrijvingen.h"
#include "platform/Ansi.h"

#include <QBuffer>

#include <cstdlib>

namespace {

QStringList Lees(const QByteArray &bytes)
{
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    return LeesOmschrijvingen(in);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList omschrijvingen
        = Lees(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    QByteArray opnieuw;
    for (const QString &omschrijving : omschrijvingen)
        opnieuw += Ansi::encode(omschrijving) + "\r\n";
    if (Lees(opnieuw) != omschrijvingen)
        std::abort();
    return 0;
}
