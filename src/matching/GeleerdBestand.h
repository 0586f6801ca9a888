#pragma once

#include "matching/Geleerd.h"

#include <QString>

#include <optional>

class Programma;
class QIODevice;

// What was learned is kept in Data/Geleerde omschrijvingen.txt, UTF-8, readable: a first line
// that names the file, then per kind of transaction a line of its word (empty when it kept the
// bank's text), the counterparty's account, its name and the words of its description, separated
// by tabs; under it a line per transaction, indented by two blanks: its date and amount,
// "  2026-03-12 -145,00". Every line ends in CR LF.

// The stream forms, testable on a buffer.
bool SchrijfGeleerd(QIODevice &uit, const Geleerd &geleerd, QString *fout);
// Nothing when the bytes are no such file or damaged anywhere: what was learned is then lost
// whole, never partly. `reden` says why, in Dutch: "regel 14 is beschadigd".
std::optional<Geleerd> LeesGeleerd(QIODevice &in, QString *reden);

QString GeleerdPad(const Programma &programma);

// What the program learned, read from its file for one bank window, one import or one Wijzigen,
// and written back by it. A missing file has learned nothing yet. A damaged or foreign one costs
// the learning: it is put aside as "Geleerde omschrijvingen (beschadigd).txt" (" 2" and on after
// "beschadigd" when that is taken) so that nothing is lost, and learning starts afresh, said
// once as the next reading finds no file. A file that cannot be read this time (no permission,
// a passing fault) is left as it is, and so is a damaged one that cannot be put aside: what is
// learned meanwhile is let go, never written over it.
class GeleerdBestand {
public:
    enum class Gebruik {
        Leren, // what is learned is written back
        AlleenLezen, // for a trial: nothing is moved or written, whatever the file holds
    };

    GeleerdBestand(const Programma &programma, Gebruik gebruik);

    Geleerd &Inhoud() { return m_geleerd; }
    const Geleerd &Inhoud() const { return m_geleerd; }
    // Why what was learned is not used this time, in Dutch, for the caller to show; empty when
    // all is well.
    const QString &Melding() const { return m_melding; }

    // Writes what was learned, replacing the file only once it is written whole; on failure the
    // old file is untouched and `fout` says why, in Dutch. Writes nothing, and that is no
    // failure, when it was read only or could not be read: Melding() said so.
    bool Bewaar(QString *fout) const;

private:
    QString m_pad;
    Geleerd m_geleerd;
    QString m_melding;
    bool m_bewaren = false; // whether writing the file loses nothing
};
