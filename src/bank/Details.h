#pragma once

#include "bank/Bankafschrift.h"

#include <QStringView>

// The counterparty's name and the description from the details a bank writes in one text, in
// whichever of its forms: "/TRTP/…/NAME/<name>/REMI/<text>/…", ING's "/CNTP/<account>/<BIC>/
// <name>/<city>/" with "/REMI/USTD//<text>/" or a structured reference "/REMI/STRD/CUR/<ref>/"
// (the description "Betalingskenmerk <ref>"); labelled parts ("Naam: … Omschrijving: … IBAN: …",
// the English "Name: … Description: …"), of which the description is the "Omschrijving:" part,
// else the text before the first label, so nothing for the terminal's data of a card payment or a
// cash withdrawal ("Pasvolgnr: … Transactie: … Term: …"); or plain text, which is the description
// as it stands. A name or account the post already has is kept.
void LeesDetails(QStringView tekst, BankPost &post);

// The post's description read as details: for the files that write them in one column.
void DetailsUitOmschrijving(BankPost &post);
