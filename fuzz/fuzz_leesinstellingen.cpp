// The settings reader on any bytes: no crash, no hang, and a colour it accepts is a colour.
#include "app/Instellingen.h"
#include "common/Programma.h"

#include <QBuffer>

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QBuffer in;
    in.setData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    in.open(QIODevice::ReadOnly);
    ProgrammaWaarden waarden;
    LeesInstellingen(in, waarden);
    for (const int component : { waarden.KleurRood, waarden.KleurGroen, waarden.KleurBlauw }) {
        if (component < 0 || component > 255)
            std::abort();
    }
    return 0;
}
