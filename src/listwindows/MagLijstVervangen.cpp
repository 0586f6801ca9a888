#include "listwindows/MagLijstVervangen.h"

#include "common/HoofdVenster.h"
#include "common/Programma.h"
#include "platform/MessageBoxes.h"

bool MagLijstVervangen(HoofdVenster &hoofd, QWidget *ouder)
{
    Programma &programma = hoofd.programma();
    return !programma.Waarden().Gewijzigd
        || programma.Berichten().ask(ouder,
            QStringLiteral("De huidige lijst is gewijzigd en niet opgeslagen. Toch doorgaan?"),
            QStringLiteral("Geldlog"), MessageBoxes::DefaultButton::No);
}
