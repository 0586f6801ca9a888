#pragma once

#include "bank/Bankafschrift.h"

#include <QStringView>

// The counterparty's name and the description from the details a bank writes in one text, in
// whichever of its forms: "/TRTP/…/NAME/<name>/REMI/<text>/…", ING's "/CNTP/<account>/<BIC>/
// <name>/<city>/" with "/REMI/USTD//<text>/", blocks padded with blanks with "Naam:" and
// "Omschrijving:", or plain text, which is the description as it stands.
void LeesDetails(QStringView tekst, BankPost &post);
