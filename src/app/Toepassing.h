#pragma once

#include <QApplication>

#include <memory>

// The program's application object, with its look for every window: the Fusion style and Arial
// as the application's font. The program and the start-up benchmarks make it so.
std::unique_ptr<QApplication> MaakToepassing(int &argc, char *argv[]);
