#include "common/Totalen.h"

#include "common/Bedrag.h"
#include "common/HoofdVenster.h"
#include "common/ItemModel.h"

#include <QLabel>

Totalen BerekenTotalen(const ItemModel &items)
{
    Totalen totalen;
    for (int rij = 0; rij < items.Aantal(); ++rij) {
        totalen.inkomsten += BedragWaarde(items.Cel(rij, ItemModel::Inkomsten));
        totalen.uitgaven += BedragWaarde(items.Cel(rij, ItemModel::Uitgaven));
    }
    totalen.saldo = totalen.inkomsten - totalen.uitgaven;
    return totalen;
}

void TotalenBerekenen(HoofdVenster &hoofd)
{
    const Totalen totalen = BerekenTotalen(hoofd.items());
    hoofd.InkLabel().setText(QStringLiteral("€ ") + BedragTekst(totalen.inkomsten));
    hoofd.UitLabel().setText(QStringLiteral("€ ") + BedragTekst(totalen.uitgaven));
    hoofd.Label8().setText(QStringLiteral("Saldo..... : € ") + BedragTekst(totalen.saldo));
}

QString AantalItemsTekst(int aantal)
{
    return QStringLiteral("Aantal Items : ") + QString::number(aantal);
}

QString NaamTekst(const QString &lijstNaam)
{
    return QStringLiteral("Naam..... : ") + lijstNaam;
}
