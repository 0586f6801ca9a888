#pragma once

#include "matching/InLijst.h"
#include "matching/Voorsteller.h"

#include <QDate>
#include <QString>

// Why a transaction is shown as it is, in the words the bank window's tooltip and the command
// line both use.

// `Staat al in de lijst als "Boodschappen" (2 maart)`.
QString InLijstUitleg(const LijstTreffer &treffer);

// `Zo genoemd bij 11 eerdere betalingen aan Eneco (laatst 3 maart)`, or for what was known by a
// word of the text `… eerdere betalingen met "pizza" (…)`. The last one's year is named only
// when it is not that of `datum`, the transaction's own date.
QString VoorstelUitleg(const Voorstel &voorstel, QDate datum);
