// The budgets file's reader on any bytes: no crash, no hang, and what it reads comes back the same
// when it is written and read again, with no line left unread.
#include "budget/BegrotingBestand.h"

#include <QBuffer>

#include <cstdlib>

namespace {

GelezenBegroting Lees(const QByteArray &bytes)
{
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    return LeesBegroting(in);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const GelezenBegroting gelezen
        = Lees(QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    QBuffer uit;
    uit.open(QIODevice::WriteOnly);
    if (!SchrijfBegroting(uit, gelezen.begrotingen, nullptr))
        std::abort();
    const GelezenBegroting opnieuw = Lees(uit.data());
    if (!opnieuw.vreemd.isEmpty() || !opnieuw.beschadigd.empty()
        || !(opnieuw.begrotingen == gelezen.begrotingen))
        std::abort();
    return 0;
}
