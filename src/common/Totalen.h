#pragma once

#include <QString>

class HoofdVenster;
class ItemModel;

// In whole cents.
struct Totalen {
    qint64 inkomsten = 0;
    qint64 uitgaven = 0;
    qint64 saldo = 0;
};

// Income, expenses and their balance over all rows: each amount counts as its whole cents
// (BedragCenten), so the balance is the income minus the expenses as shown. A sum beyond what
// 64 bits hold stays at the largest it can show.
Totalen BerekenTotalen(const ItemModel &items);

// Recomputes the totals and writes them into the main window's InkLabel, UitLabel and Label8.
void TotalenBerekenen(HoofdVenster &hoofd);

// "Aantal Items : n" for the main window's Label6.
QString AantalItemsTekst(int aantal);
