// The list reader on any bytes: no crash, no hang, and what it reads is written and read back
// the same, dates without their blanks. The same for the fixed costs' reader.
#include "lists/LijstBestand.h"

#include <QBuffer>

#include <cstdlib>

namespace {

ItemRijen Lees(const QByteArray &bytes, Groepen soort = Groepen::Gedateerd)
{
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    return LeesLijst(in, soort);
}

QByteArray Schrijf(const ItemRijen &items)
{
    QBuffer uit;
    uit.open(QIODevice::WriteOnly);
    if (!SchrijfLijst(uit, items, nullptr))
        std::abort();
    return uit.data();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const ItemRijen items = Lees(bytes);

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
    if (Lees(Schrijf(items)) != verwacht)
        std::abort();

    // Fixed costs are all dated "-", so they come back exactly.
    const ItemRijen vasteLasten = Lees(bytes, Groepen::VasteLasten);
    if (Lees(Schrijf(vasteLasten), Groepen::VasteLasten) != vasteLasten)
        std::abort();
    return 0;
}
