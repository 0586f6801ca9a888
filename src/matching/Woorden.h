#pragma once

#include <QStringList>
#include <QStringView>

// The words of a bank's text that can say what a transaction is, in the order of the text and as
// written: no numbers or anything holding a digit (amounts, dates, times, terminal and store
// codes), no labels ("Omschrijving:") nor the code after a label of one ("Transactie: CTMHVY"),
// no month names, no single letters, no people's names after an initial or a form of address
// ("R. Mulder", "Hr A.B. de Vries") nor a payment request's payer (", Van Noor Smit,"). A word
// may hold a dot, "&" or "'" between its letters: "bol.com", "H&M".
QStringList Woorden(QStringView tekst);

// The same words as one text, a blank between each two.
QString WoordenTekst(QStringView tekst);
