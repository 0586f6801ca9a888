#pragma once

#include "FakeClock.h"
#include "RecordingPrinters.h"
#include "ScriptedMessageBoxes.h"
#include "common/Programma.h"

#include <QTemporaryDir>

// A program of its own for one test: a temporary program folder with an empty Data folder,
// scripted message boxes, a clock that stands still and printers that keep what they print
// (none installed until the test installs some).
class TestProgramma {
public:
    TestProgramma();

    Programma &programma() { return m_programma; }
    ScriptedMessageBoxes &berichten() { return m_berichten; }
    FakeClock &klok() { return m_klok; }
    RecordingPrinters &printers() { return m_printers; }
    QString map() const { return m_map.path(); }
    QString dataMap() const { return m_programma.DataMap(); }

    // Writes raw bytes to a file in the Data folder.
    void schrijfData(const QString &naam, const QByteArray &inhoud) const;
    QByteArray leesData(const QString &naam) const;

private:
    QTemporaryDir m_map;
    ScriptedMessageBoxes m_berichten;
    FakeClock m_klok;
    RecordingPrinters m_printers;
    Programma m_programma;
};
