#include "controls/MaakKnop.h"

#include "controls/VistaButton.h"

VistaButton *MaakKnop(
    QWidget *ouder, const QString &naam, const QString &tekst, const QRect &plaats)
{
    auto *knop = new VistaButton(ouder);
    knop->setObjectName(naam);
    knop->setCaption(tekst);
    knop->setGeometry(plaats);
    return knop;
}

VistaButton *MaakKnop(QWidget *ouder, const QString &naam, const QString &tekst, const QString &tip,
    const QRect &plaats)
{
    VistaButton *knop = MaakKnop(ouder, naam, tekst, plaats);
    knop->setToolTip(tip);
    return knop;
}
