#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QSize>
#include <QString>

#include <span>

class QAbstractItemModel;
class QFrame;
class QLabel;
class QPoint;
class QRect;
class QTreeView;
class QWidget;

// What the windows share in their looks.

// The windows are designed by their outer size in twips, title bar and borders included, while
// Qt sizes the client area: we take off a frame of 3 pixels a side and a title bar of 19 pixels.
QSize BinnenMaat(int breedte, int hoogte);

// One colour of a widget's palette; its children made afterwards take it over.
void ZetKleur(QWidget &widget, QPalette::ColorRole rol, const QColor &kleur);

// A window, frame or label filled with its own background colour.
void ZetAchtergrond(QWidget &widget, const QColor &kleur);

// The colours of an input: its field and the text in it.
void ZetInvoerKleuren(QWidget &widget, const QColor &achter, const QColor &tekst);

// All text is Arial; its height follows the point size at 96 dpi.
QFont Arial(double punten, bool vet = false, bool cursief = false);

// Every text of the dialogs is Arial, at the usual dialog size of 8 points.
QFont DialoogLettertype();

// A dialog's name, title, fixed client size for its outer size in twips, background colour and
// font; a dialog keeps its own colour whatever the user chose for the main window.
void RichtDialoogIn(QWidget &dialoog, const QString &naam, const QString &titel, int breedte,
    int hoogte, const QColor &achtergrond);

// A label sized to its text, top left at `plaats`; labels are 9 point bold unless said otherwise.
QLabel *MaakLabel(QWidget *ouder, const char *naam, const QString &tekst, const QPoint &plaats,
    const QFont &lettertype = Arial(9, true));

// A label whose right edge stays at `rechts` whatever the length of its text, in the colour
// `kleur`: it reaches `breedte` twips to the left, or with 0 to the window's left edge, letting the
// mouse through to what lies under it. It is `hoogte` twips high, or as high as its text.
QLabel *MaakRechtsLabel(QWidget *ouder, const char *naam, const QString &tekst, int rechts,
    int boven, const QColor &kleur, int breedte = 0, int hoogte = 0);

// A label that takes the width from its place to `rechts`, the right edge of its panel, so longer
// texts written into it later still show; one longer still is cut off there. It is `hoogte` twips
// high, or as high as its text.
QLabel *MaakBreedLabel(QWidget *ouder, const char *naam, const QString &tekst, int links, int boven,
    int rechts, const QFont &lettertype = Arial(9, true), int hoogte = 0);

// A table in report style, its rows chosen whole and one at a time, read-only, with the field
// colour `achter`.
QTreeView *MaakLijst(QWidget *ouder, const char *naam, const QRect &plaats, const QColor &achter);

// The table of a list of entries over `items`, an ItemModel or a view of one, in Arial 9.75, its
// columns (date, description, income and expense; the bank statement's with the bank's text
// beside the description) `breedtes` twips wide: the main window's, the fixed-costs window's and
// the bank statement's.
QTreeView *MaakItemTabel(QWidget *ouder, const char *naam, const QRect &plaats,
    const QColor &achter, QAbstractItemModel &items, std::span<const int> breedtes);

// A panel of a window: a sunken frame filled with its background colour.
void ZetPaneelOpmaak(QFrame &paneel, const QColor &achtergrond);

// The objectName of an element of a control array: "Knop(2)".
QString ArrayNaam(const char *naam, int index);
