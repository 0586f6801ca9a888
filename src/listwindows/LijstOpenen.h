#pragma once

class HoofdVenster;
class QString;
class QWidget;

// What the main window's list can make way for, as "Geldlog Openen" and "Nieuw Geldlog" do it and
// the bank window with them: each only when the list there may go (MagLijstVervangen, asked over
// `ouder`), and each says whether it did.

// The saved list `naam`, read from its file: its entries, name, count and totals.
bool OpenLijst(HoofdVenster &hoofd, QWidget *ouder, const QString &naam);

// A new, empty list named `naam` (or unnamed), with no file of its own yet even when one of its
// name exists.
bool BeginLijst(HoofdVenster &hoofd, QWidget *ouder, const QString &naam);
