// The bank statement readers on any bytes: no crash, no hang, and every transaction read is a
// sound one: a valid date and an amount within what the readers accept, with a line in the file.
#include "bank/BankPosten.h"
#include "bank/Bankafschrift.h"
#include "matching/InLijst.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const std::optional<Bankafschrift> afschrift = LeesBankafschrift(bytes);
    if (!afschrift)
        return 0;
    constexpr qint64 Grens = 100'000'000'000'000'000; // fifteen digits of euros, in cents
    std::vector<Item> items;
    for (const BankPost &post : afschrift->posten) {
        if (!post.datum.isValid() || post.centen >= Grens || post.centen <= -Grens
            || post.regel < 1)
            std::abort();
        items.push_back(AlsItem(post));
        if (items.back().omschrijving.size() > 100)
            std::abort();
    }
    for (const OnleesbareRegel &regel : afschrift->onleesbaar) {
        if (regel.regel < 1 || regel.reden.isEmpty())
            std::abort();
    }
    // Whatever was read is there once it is in a list.
    ItemRijen lijst;
    for (const Item &item : items)
        lijst.Voeg(item);
    for (const auto &treffer : ZoekInLijst(afschrift->posten, lijst)) {
        if (!treffer)
            std::abort();
    }
    return 0;
}
