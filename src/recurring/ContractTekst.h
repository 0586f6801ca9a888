#pragma once

#include "recurring/Contract.h"

#include <QString>
#include <QStringList>

#include <vector>

class QIODevice;

// A contract in words, as the window, the command line and the notice after an import tell it.

// The cells of the spreadsheet form: Omschrijving, Tegenpartij, Elke, Bedrag ("-1088,38"), Sinds,
// Laatst, Volgende ("2026-07-01", empty when stopped), Wijziging (empty, "wisselend" or
// "-1046,52 → -1088,38 per 2026-07-01"), Stand ("loopt" or "gestopt").
QStringList ContractCellen(const Contract &contract);

// The header of that form.
QStringList ContractKoppen();

// The contracts as CSV, as the other commands write it: a byte order mark, ";" between the cells,
// CR LF. False, with the reason in Dutch, when writing failed.
bool SchrijfContractenCsv(QIODevice &uit, const std::vector<Contract> &contracten, QString *fout);

// What to note of it, for the window's last column: "€ 41,86 meer sinds 1 juli", "Gestopt, laatst
// 4 juni", "Wisselend bedrag"; the year is named when it is not that of `vandaag`. Empty when its
// amount is the same as ever.
QString Opmerking(const Contract &contract, QDate vandaag);

// On which payments it rests: "12 betalingen aan Stichting Portaal, elke maand rond de 1e".
QString Grondslag(const Contract &contract);

// A change or an end told once after an import: "Let op: Ziggo Services B.V. (Internet en tv)
// € 69,95 per maand, was € 67,45."; "… € 45,00 per maand is gestopt, laatst op 4 juni.". Empty
// when there is nothing to tell.
QString LetOp(const Contract &contract, QDate vandaag);
