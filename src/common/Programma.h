#pragma once

#include "platform/FileStamp.h"
#include "platform/Printers.h"

#include <QString>

#include <optional>

class Clock;
class MessageBoxes;

// The values the whole program shares, living from start to end.
struct ProgrammaWaarden {
    QString LijstNaam; // name of the current list; empty until one is named
    // The saved list the current list was opened from or last saved to, by name; empty when it
    // has none yet. Saving over any other file asks first, and over this one when it no longer
    // stands as it did then (EigenLijstStand): another program wrote it meanwhile. Both are set
    // through NoemLijst.
    QString EigenLijst;
    FileStamp EigenLijstStand;
    bool Gewijzigd = false; // the current list has changes that were not saved
    int KleurRood = 230; // background colour of the main window
    int KleurGroen = 230;
    int KleurBlauw = 180;
    double TotaalSaldo = 0.0; // grand total of the balance overview
};

// The running program: its folder, its shared values and the services every window uses.
// The application owns one; a test builds its own around a temporary folder.
class Programma {
public:
    Programma(QString programmaMap, MessageBoxes &berichten, Clock &klok, Printers &printers);

    // The folder of the program; Geldlog.ini lies here.
    const QString &ProgrammaMap() const { return m_programmaMap; }
    // Its Data subfolder, with a trailing "/", where every list and data file lies.
    QString DataMap() const;

    ProgrammaWaarden &Waarden() { return m_waarden; }
    const ProgrammaWaarden &Waarden() const { return m_waarden; }

    MessageBoxes &Berichten() const { return m_berichten; }
    Clock &Klok() const { return m_klok; }
    Printers &SysteemPrinters() const { return m_printers; }

    // The printer every print run goes to: the system's default until the user picks another in
    // the print dialog, for the rest of the run. It is never stored. None until the first print
    // asks for it, or when the system had no printer then.
    const std::optional<InstalledPrinter> &HuidigePrinter() const { return m_huidigePrinter; }
    void ZetHuidigePrinter(const InstalledPrinter &printer) { m_huidigePrinter = printer; }

private:
    QString m_programmaMap;
    ProgrammaWaarden m_waarden;
    MessageBoxes &m_berichten;
    Clock &m_klok;
    Printers &m_printers;
    std::optional<InstalledPrinter> m_huidigePrinter;
};
