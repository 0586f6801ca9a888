#pragma once

#include <QPixmap>

// The short manual that the help button shows in place of the entry table.
QPixmap TekenHelpScherm(const QSize &grootte);
