// The list reader on any bytes: no crash, no hang, and what it reads is written and read back
// the same, dates without their blanks.
#include "lists/LijstBestand.h"

#include <QBuffer>

#include <cstdlib>

namespace {

ItemRijen Lees(const QByteArray &bytes)
{
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    return LeesLijst(in);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const ItemRijen items
        = Lees(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));

    QBuffer uit;
    uit.open(QIODevice::WriteOnly);
    if (!SchrijfLijst(uit, items, nullptr))
        std::abort();

    ItemRijen verwacht;
    for (int rij = 0; rij < items.Aantal(); ++rij) {
        Item item = items.Rij(rij);
        while (item.datum.startsWith(u' '))
            item.datum.remove(0, 1);
        while (item.datum.endsWith(u' '))
            item.datum.chop(1);
        if (item.datum != u"-")
            verwacht.Voeg(item);
    }
    if (Lees(uit.data()) != verwacht)
        std::abort();
    return 0;
}
