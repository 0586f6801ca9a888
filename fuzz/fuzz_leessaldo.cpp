// The balance reader on any bytes: no crash, no hang.
#include "lists/LijstBestand.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QBuffer in;
    in.setData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    in.open(QIODevice::ReadOnly);
    LeesSaldo(in);
    return 0;
}
