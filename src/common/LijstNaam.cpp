#include "common/LijstNaam.h"

#include "common/HoofdVenster.h"
#include "common/Programma.h"

#include <QLabel>

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
