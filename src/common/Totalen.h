#pragma once

#include <QString>

class HoofdVenster;
class ItemModel;

struct Totalen {
    double inkomsten = 0.0;
    double uitgaven = 0.0;
    double saldo = 0.0;
};

// Income, expenses and their balance over all rows, summed in double precision.
Totalen BerekenTotalen(const ItemModel &items);

// Recomputes the totals and writes them into the main window's InkLabel, UitLabel and Label8.
void TotalenBerekenen(HoofdVenster &hoofd);

// "Aantal Items : n" for the main window's Label6.
QString AantalItemsTekst(int aantal);

// "Naam..... : " and the list's name for the main window's Label7.
QString NaamTekst(const QString &lijstNaam);
