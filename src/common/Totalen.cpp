#include "common/Totalen.h"

#include "common/Bedrag.h"
#include "common/HoofdVenster.h"
#include "common/ItemModel.h"
#include "common/Programma.h"

#include <QLabel>

#include <algorithm>
#include <limits>

Totalen BerekenTotalen(const ItemModel &items)
{
    Totalen totalen;
    for (int rij = 0; rij < items.Aantal(); ++rij) {
        totalen.inkomsten
            = CentenSom(totalen.inkomsten, BedragCenten(items.Cel(rij, ItemModel::Inkomsten)));
        totalen.uitgaven = CentenSom(totalen.uitgaven, BedragCenten(items.Cel(rij, ItemModel::Uitgaven)));
    }
    // Never the most negative value, so its negation stays in range.
    totalen.saldo
        = CentenSom(totalen.inkomsten, -std::max(totalen.uitgaven, -std::numeric_limits<qint64>::max()));
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

QString NaamTekst(const QString &lijstNaam)
{
    return QStringLiteral("Naam..... : ") + lijstNaam;
}

void NoemLijst(HoofdVenster &hoofd, const QString &naam, const QString &eigenLijst)
{
    ProgrammaWaarden &waarden = hoofd.programma().Waarden();
    waarden.LijstNaam = naam;
    waarden.EigenLijst = eigenLijst;
    waarden.Gewijzigd = false;
    hoofd.Label7().setText(NaamTekst(naam));
}
