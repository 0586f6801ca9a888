#include "listwindows/LijstOpenen.h"

#include "common/HoofdVenster.h"
#include "common/ItemModel.h"
#include "common/LijstNaam.h"
#include "common/Totalen.h"
#include "lists/LijstBestand.h"
#include "listwindows/MagLijstVervangen.h"
#include "platform/BusyCursor.h"

#include <QLabel>

bool OpenLijst(HoofdVenster &hoofd, QWidget *ouder, const QString &naam)
{
    if (!MagLijstVervangen(hoofd, ouder))
        return false;
    BusyCursor zandloper;
    // What the table now holds is what the file holds: nothing is left unsaved. Named before the
    // file is read, so a change made while it is read counts as one from outside.
    NoemLijst(hoofd, naam, naam);
    LaadLijst(hoofd.programma(), hoofd.items(), naam);
    hoofd.Label6().setText(AantalItemsTekst(hoofd.items().Aantal()));
    TotalenBerekenen(hoofd);
    return true;
}

bool BeginLijst(HoofdVenster &hoofd, QWidget *ouder, const QString &naam)
{
    if (!MagLijstVervangen(hoofd, ouder))
        return false;
    // An empty list has nothing to lose.
    NoemLijst(hoofd, naam, QString());
    hoofd.items().MaakLeeg();
    hoofd.InkLabel().setText(QStringLiteral("€ 00,00"));
    hoofd.UitLabel().setText(QStringLiteral("€ 00,00"));
    hoofd.Label8().setText(QStringLiteral("Saldo..... : "));
    hoofd.Label6().setText(AantalItemsTekst(0));
    hoofd.ToonTabel();
    return true;
}
