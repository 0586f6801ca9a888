#pragma once

#include "common/Programma.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/QtPrinter.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtGlobal>

// A program of a benchmark's own: a temporary program folder with its Data folder, the real
// message boxes and printers, and the clock the benchmark chooses (one that never pauses, say).
template<typename Klok = SystemClock> struct BenchProgramma {
    BenchProgramma()
    {
        if (!map.isValid() || !QDir(map.path()).mkdir(QStringLiteral("Data")))
            qFatal("cannot make a program folder");
    }

    QTemporaryDir map;
    QtMessageBoxes berichten;
    Klok klok;
    QtPrinters printers;
    Programma programma { map.path(), berichten, klok, printers };
};
