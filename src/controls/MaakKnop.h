#pragma once

#include <QRect>
#include <QString>

class QWidget;
class VistaButton;

// A captioned push button named `naam` at `plaats` (in pixels) on `ouder`, which owns it.
VistaButton *MaakKnop(
    QWidget *ouder, const QString &naam, const QString &tekst, const QRect &plaats);

// The same button with the tip `tip` shown when the mouse rests on it.
VistaButton *MaakKnop(QWidget *ouder, const QString &naam, const QString &tekst, const QString &tip,
    const QRect &plaats);
