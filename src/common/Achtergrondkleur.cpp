#include "common/Achtergrondkleur.h"

#include "common/HoofdVenster.h"
#include "common/Opmaak.h"

#include <QWidget>

void ZetAchtergrondkleur(HoofdVenster &hoofd, int rood, int groen, int blauw)
{
    const QColor kleur(rood, groen, blauw);
    for (QWidget *vlak : hoofd.AchtergrondVlakken())
        ZetAchtergrond(*vlak, kleur);
}
