#pragma once

#include "platform/Twips.h"

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QSize>
#include <QWidget>

// What the list dialogs share in their looks: the size of their client area and their fixed
// colours (the user's background colour applies to the main window only).

// The dialogs are designed by their outer size, title bar and borders included, while Qt sizes
// the client area. We take off a fixed dialog frame of 3 pixels a side and a caption of
// 19 pixels: 90 twips across and 375 twips down.
inline QSize DialoogBinnenMaat(int breedte, int hoogte)
{
    return twips::size(breedte - 6 * twips::perPixel, hoogte - 25 * twips::perPixel);
}

// A window or label filled with its own background colour.
inline void ZetAchtergrond(QWidget &widget, const QColor &kleur)
{
    QPalette palet = widget.palette();
    palet.setColor(QPalette::Window, kleur);
    widget.setPalette(palet);
    widget.setAutoFillBackground(true);
}

// The colours of an input: its field and the text in it.
inline void ZetInvoerKleuren(QWidget &widget, const QColor &achter, const QColor &tekst)
{
    QPalette palet = widget.palette();
    palet.setColor(QPalette::Base, achter);
    palet.setColor(QPalette::Text, tekst);
    widget.setPalette(palet);
}

// The colour of a label's text.
inline void ZetTekstKleur(QWidget &widget, const QColor &kleur)
{
    QPalette palet = widget.palette();
    palet.setColor(QPalette::WindowText, kleur);
    widget.setPalette(palet);
}

// Every text of the dialogs is Arial, at the usual dialog size of 8 points.
inline QFont DialoogLettertype()
{
    return twips::font(QStringLiteral("Arial"), 8);
}
