#pragma once

#include <QList>

class ItemModel;
class Programma;
class QLabel;
class QWidget;

// What a dialog may reach of the main window: the entry table, the labels it writes, and the
// program it belongs to. `Main` implements it; a test hands a dialog a main window of its own.
class HoofdVenster {
public:
    virtual ~HoofdVenster() = default;

    virtual Programma &programma() = 0;
    virtual ItemModel &items() = 0;

    virtual QLabel &Label6() = 0; // "Aantal Items : n"
    virtual QLabel &Label7() = 0; // "Naam..... : " and the list's name
    virtual QLabel &Label8() = 0; // "Saldo..... : " and the balance
    virtual QLabel &InkLabel() = 0; // income total
    virtual QLabel &UitLabel() = 0; // expense total

    // Brings the entry table back when the help screen stands in its place.
    virtual void ToonTabel() = 0;
    // Scrolls the entry table so that row `rij` is in view.
    virtual void ToonRij(int rij) = 0;

    // The window and its four panels, which carry the user's background colour.
    virtual QList<QWidget *> AchtergrondVlakken() = 0;

    // Fills the description input Combo4 from the descriptions file again, with the empty item
    // chosen, and shows their count in Label5.
    virtual void HerlaadOmschrijvingen() = 0;
};
