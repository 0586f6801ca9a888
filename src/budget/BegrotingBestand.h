#pragma once

#include "budget/Begrotingen.h"
#include "platform/FileStamp.h"

#include <QString>

#include <vector>

class Programma;
class QIODevice;

// The budgets are kept in Data/Begroting.txt, UTF-8, readable and to be changed by hand: a first
// line that names the file, then a line per description: the description, its monthly amount
// ("600,00", empty for none) and its group (empty for the one proposed), separated by tabs, in the
// order of the descriptions. Every line ends in CR LF.
//
//     Geldlog begroting 1
//     Boodschappen<TAB>600,00<TAB>
//     Kleding<TAB>45,00<TAB>Reserveringsuitgaven

// What a reading found.
struct GelezenBegroting {
    Begrotingen begrotingen; // every line that could be read
    // Why nothing could be read, in Dutch: "het is geen begroting van Geldlog"; empty when the
    // file is one.
    QString vreemd;
    std::vector<int> beschadigd; // the lines that could not be read, by number, from 1
};

// The stream forms, testable on a buffer. Reading takes what is sound and passes over a line
// that is not (an amount that is none, a group that does not exist, a description twice).
GelezenBegroting LeesBegroting(QIODevice &in);
bool SchrijfBegroting(QIODevice &uit, const Begrotingen &begrotingen, QString *fout);

QString BegrotingPad(const Programma &programma);

// The budgets of the program's Data folder, read once for a window or a command and written back
// by it. A missing file holds no budgets yet. A damaged, foreign or unreadable file costs at most
// the budgets that cannot be read, never the program: Melding() says so once, and before the
// first write over it the old file is copied to "Begroting (beschadigd).txt" (" 2" and on after
// "beschadigd" when that is taken), so that nothing is lost.
class BegrotingBestand {
public:
    explicit BegrotingBestand(const Programma &programma);

    Begrotingen &Inhoud() { return m_begrotingen; }
    const Begrotingen &Inhoud() const { return m_begrotingen; }
    // What was wrong with the file, in Dutch, for the caller to show; once it was kept aside, where
    // it went. Empty when all was well.
    const QString &Melding() const { return m_melding; }

    // Writes the budgets, replacing the file only once it is written whole; on failure the old
    // file is untouched and `fout` says why, in Dutch. What another Geldlog stored in the file
    // since it was read stays, beside what changed here.
    bool Bewaar(QString *fout);

private:
    QString OpzijNaam() const;

    QString m_dataMap;
    QString m_pad;
    Begrotingen m_begrotingen;
    Begrotingen m_gelezen; // as the file held them when last read or written
    FileStamp m_stempel;
    QString m_melding;
    bool m_opzijZetten = false; // the file holds what was not read: keep it before writing
};
