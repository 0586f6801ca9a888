#include "common/VerwijderVraag.h"

#include "platform/MessageBoxes.h"

bool VraagVerwijderen(MessageBoxes &berichten, QWidget *venster, const QString &omschrijving)
{
    return berichten.ask(venster,
        QStringLiteral("Wil je (") + omschrijving + QStringLiteral(") verwijderen uit de lijst?"),
        QStringLiteral(" Delete"), MessageBoxes::DefaultButton::No);
}
