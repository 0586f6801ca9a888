#include "app/Toepassing.h"

#include "common/Opmaak.h"

#include <QApplication>

void RichtToepassingIn()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Every text is Arial. Qt lays out a new text box's first text in the application's font
    // before the box takes its own, so with the system's font there that costs loading a second
    // font family and its fallbacks at start-up for nothing.
    QApplication::setFont(Arial(9));
}
