#include "common/Totalen.h"

#include "common/Bedrag.h"
#include "common/HoofdVenster.h"
#include "common/ItemModel.h"

#include <QLabel>

#include <algorithm>
#include <limits>

namespace {

// Amounts from files may be up to a thousand billion each; a hundred of them would overflow.
qint64 Som(qint64 a, qint64 b)
{
    qint64 som = 0;
    if (__builtin_add_overflow(a, b, &som))
        return b < 0 ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
    return som;
}

} // namespace

Totalen BerekenTotalen(const ItemModel &items)
{
    Totalen totalen;
    for (int rij = 0; rij < items.Aantal(); ++rij) {
        totalen.inkomsten
            = Som(totalen.inkomsten, BedragCenten(items.Cel(rij, ItemModel::Inkomsten)));
        totalen.uitgaven = Som(totalen.uitgaven, BedragCenten(items.Cel(rij, ItemModel::Uitgaven)));
    }
    // Never the most negative value, so its negation stays in range.
    totalen.saldo
        = Som(totalen.inkomsten, -std::max(totalen.uitgaven, -std::numeric_limits<qint64>::max()));
    return totalen;
}

void TotalenBerekenen(HoofdVenster &hoofd)
{
    const Totalen totalen = BerekenTotalen(hoofd.items());
    hoofd.InkLabel().setText(QStringLiteral("€ ") + CentenTekst(totalen.inkomsten));
    hoofd.UitLabel().setText(QStringLiteral("€ ") + CentenTekst(totalen.uitgaven));
    hoofd.Label8().setText(QStringLiteral("Saldo..... : € ") + CentenTekst(totalen.saldo));
}

QString AantalItemsTekst(int aantal)
{
    return QStringLiteral("Aantal Items : ") + QString::number(aantal);
}
