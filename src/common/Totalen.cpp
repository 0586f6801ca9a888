#include "common/Totalen.h"

#include "common/Bedrag.h"
#include "common/HoofdVenster.h"
#include "common/ItemModel.h"
#include "common/Programma.h"

#include <QLabel>

Totalen BerekenTotalen(const ItemModel &items)
{
    Totalen totalen;
    for (int rij = 0; rij < items.Aantal(); ++rij) {
        totalen.inkomsten
            = CentenSom(totalen.inkomsten, BedragCenten(items.Cel(rij, ItemModel::Inkomsten)));
        totalen.uitgaven
            = CentenSom(totalen.uitgaven, BedragCenten(items.Cel(rij, ItemModel::Uitgaven)));
    }
    totalen.saldo = CentenVerschil(totalen.inkomsten, totalen.uitgaven);
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
