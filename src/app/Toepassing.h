#pragma once

#include <QApplication>

#include <memory>

// The program's application object, with its look for every window: the Fusion style, Arial as
// the font of the program's own windows, and the desktop's font for the windows that Qt makes
// (message boxes, tooltips, menus, the file chooser). The program and the start-up benchmarks
// make it so.
std::unique_ptr<QApplication> MaakToepassing(int &argc, char *argv[]);
