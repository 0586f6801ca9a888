// The amount texts on any text: no crash, an amount counts for what it shows, and a formatted
// amount formats to itself.
#include "common/Bedrag.h"
#include "platform/Ansi.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString tekst = Ansi::decode(bytes);

    // An amount counts for what it shows.
    if (CentenTekst(BedragCenten(tekst)) != BedragTekst(BedragWaarde(tekst)))
        std::abort();
    BedragFout(tekst);
    BedragOngeformatteerd(tekst);
    const QString opgemaakt = BedragOpgemaakt(tekst);
    if (BedragOpgemaakt(opgemaakt) != opgemaakt)
        std::abort();
    return 0;
}
