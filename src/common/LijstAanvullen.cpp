#include "common/LijstAanvullen.h"

#include "common/HoofdVenster.h"
#include "common/ItemModel.h"
#include "common/Programma.h"
#include "common/Totalen.h"

#include <QLabel>

void VulLijstAan(HoofdVenster &hoofd, ItemRijen &&rijen)
{
    if (rijen.Aantal() == 0)
        return;
    ItemModel &items = hoofd.items();
    items.VoegToe(std::move(rijen));
    TotalenBerekenen(hoofd);
    hoofd.Label6().setText(AantalItemsTekst(items.Aantal()));
    hoofd.ToonRij(items.Aantal() - 1);
    // The month now holds rows that are not saved yet.
    hoofd.programma().Waarden().Gewijzigd = true;
}
