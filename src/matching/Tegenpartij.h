#pragma once

#include <QString>
#include <QStringView>

// Who a transaction went to or came from, as one name for all its shops and terminals: the
// bank's name without a card terminal's prefix ("CCV*", "SumUp *"), without the store number and
// what follows it (the place, the country) and without a legal form at its end. So
// "ALBERT HEIJN 1234 AMSTERDAM NLD" and "ALBERT HEIJN 5678 HAARLEM NLD" are both "ALBERT HEIJN",
// and "Eneco Consumenten B.V." is "Eneco Consumenten". Empty when the name holds no such part.
QString Tegenpartij(QStringView naam);

// The name without a card terminal's prefix: "CCV*BAKKERIJ VERMEER" is "BAKKERIJ VERMEER", as
// "SumUp *Kapsalon Knip" is "Kapsalon Knip". The terminal's maker says nothing of the shop.
QStringView ZonderTerminal(QStringView naam);

// Whether a word is a legal form: "B.V.", "bv", "N.V.", "GmbH", …
bool IsRechtsvorm(QStringView woord);

// Whether the name is that of a payment service that pays on behalf of many others (Mollie,
// Adyen, Tikkie, PayPal, a bank's payment request, …): such a name says nothing of what was paid.
bool IsBetaaldienst(QStringView naam);
