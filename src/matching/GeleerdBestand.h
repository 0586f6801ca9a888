#pragma once

#include "matching/Geleerd.h"
#include "platform/FileStamp.h"

#include <QString>

#include <optional>

class Programma;
class QFile;
class QIODevice;

// What was learned is kept in Data/Geleerde omschrijvingen.txt, UTF-8, readable: a first line
// that names the file and its version, then per kind of transaction a line of its word as written
// (empty when it kept the bank's text), the counterparty's account, its name and the words of its
// description, separated by tabs, and where there is something to say a fifth field of marks:
// "geldopname" for a cash withdrawal, "voorstel" for a word Geldlog proposed and no one confirmed,
// "verbeterd" for a word the household gave in place of another; under it a line per transaction,
// indented by two blanks: its date and amount, "  2026-03-12 -145,00". Every line ends in CR LF.
// Files of version 1, without marks, are read as they are.

// The stream forms, testable on a buffer.
bool SchrijfGeleerd(QIODevice &uit, const Geleerd &geleerd, QString *fout);
// Nothing when the bytes are no such file or of another version; `reden` says why, in Dutch. A
// damaged line costs that line only (a kind's line, its transactions too): what can be read is
// kept, and `overgeslagen` counts the lines left out.
std::optional<Geleerd> LeesGeleerd(QIODevice &in, QString *reden, int *overgeslagen = nullptr);

QString GeleerdPad(const Programma &programma);

// What the program learned, read from its file for one bank window, one import or one Wijzigen,
// and written back by it. A missing file has learned nothing yet. Lines that cannot be read are
// left out, and the file is written back without them at once, a copy of it kept as "Geleerde
// omschrijvingen (beschadigd).txt" (" 2" and on after "beschadigd" when that is taken), said
// once. A foreign file, or one of another version, costs the learning: it is put aside under such
// a name so that nothing is lost, and learning starts afresh. A file that cannot be read this time
// (no permission, a passing fault) is left as it is, and so is a damaged one that cannot be put
// aside: what is learned meanwhile is let go, never written over it.
class GeleerdBestand {
public:
    enum class Gebruik {
        Leren, // what is learned is written back; a damaged file is mended
        AlleenLezen, // for a trial: nothing is moved or written, whatever the file holds
        // For a Wijzigen: learns only into a file that reads whole, and mends nothing; telling of
        // a damaged file belongs to the bank window and the command line.
        LerenAlsHeel,
    };

    GeleerdBestand(const Programma &programma, Gebruik gebruik);

    Geleerd &Inhoud() { return m_geleerd; }
    const Geleerd &Inhoud() const { return m_geleerd; }
    // Why what was learned is not used this time, in Dutch, for the caller to show; empty when
    // all is well.
    const QString &Melding() const { return m_melding; }

    // Writes what was learned, replacing the file only once it is written whole; on failure the
    // old file is untouched and `fout` says why, in Dutch. What another Geldlog wrote into the
    // file since it was read is kept, and this one's learning added to it. Writes nothing, and
    // that is no failure, when it was read only or could not be read: Melding() said so.
    bool Bewaar(QString *fout);

private:
    // The learning read in `bestand`, in m_geleerd; why not, in Melding(). Lines left out are
    // mended where the use allows it.
    void Lees(QFile &bestand, const QString &dataMap, Gebruik gebruik);
    // A name in Data for a file put aside that takes the place of none.
    static QString VrijeNaam(const QString &dataMap);

    QString m_pad;
    Geleerd m_geleerd;
    QString m_melding;
    bool m_bewaren = false; // whether writing the file loses nothing
    FileStamp m_stempel; // how the file stood when it was read, or last written
};
