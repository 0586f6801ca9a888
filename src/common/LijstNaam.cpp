#include "common/LijstNaam.h"

#include "common/HoofdVenster.h"
#include "common/Programma.h"

#include <QLabel>

QString LijstPad(const Programma &programma, const QString &naam)
{
    return programma.DataMap() + naam + LijstExtensie;
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
    waarden.EigenLijstStand = eigenLijst.isEmpty()
        ? FileStamp()
        : FileStamp::of(LijstPad(hoofd.programma(), eigenLijst));
    waarden.Gewijzigd = false;
    hoofd.Label7().setText(NaamTekst(naam));
}

bool EigenLijstBuitenGewijzigd(const Programma &programma)
{
    const ProgrammaWaarden &waarden = programma.Waarden();
    if (waarden.EigenLijst.isEmpty())
        return false;
    const FileStamp nu = FileStamp::of(LijstPad(programma, waarden.EigenLijst));
    return nu.exists() && nu != waarden.EigenLijstStand;
}
