#pragma once

#include "matching/InLijst.h"
#include "matching/Voorsteller.h"

#include <QDate>
#include <QString>

// Why a transaction is shown as it is, in the words the bank window's tooltip and the command
// line both use.

// `Staat al in de lijst als "Boodschappen" (2 maart)`; for a fixed cost of another amount
// `Staat al in de lijst als "Huur" (1 september); de bank schreef € 1088,38 af, de vaste last is
// € 1046,52`.
QString InLijstUitleg(const LijstTreffer &treffer);

// Names the rule that decided: `Zo genoemd bij 11 eerdere betalingen aan Eneco (laatst 3 maart)`,
// for what was known by a word of the text `… eerdere betalingen met "pizza" (…)`, for a word of
// nearly every time `Meestal zo genoemd: 9 van 11 eerdere betalingen aan bol.com (…)`, for cash
// `Geldautomaat: altijd "Pinnen" (11 keer, laatst 3 maart)`. The last one's year is named only
// when it is not that of `datum`, the transaction's own date.
QString VoorstelUitleg(const Voorstel &voorstel, QDate datum);
