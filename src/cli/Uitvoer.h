#pragma once

#include "cli/Afloop.h"

#include <QIODevice>
#include <QString>
#include <QStringDecoder>

#include <functional>
#include <optional>

class QTextStream;

// The way out of every command. What a command writes to its output and its error output goes
// through here, so every command, also one added later, gets the same two guarantees:
// - a control character, from a bank file or a list (ESC, BEL, …), is written as a blank, so it
//   can never retitle or recolour the user's terminal; a line ends in LF or CR LF, as written;
// - output that cannot be written (a full disk, a closed terminal) ends the command with Geweigerd
//   and is told in Dutch, instead of being taken for success.

// A write-only device in front of a text stream: the bytes a QTextStream writes to it (UTF-8) go
// to `doel` cleaned of control characters, and a failing write is kept with its reason.
class Uitvoer final : public QIODevice {
public:
    explicit Uitvoer(QTextStream &doel);

    // Writes what still waits: a CR at the very end, which ends no line.
    void Sluit();
    // Why a write failed, in Dutch ("de schijf is vol."); nothing while all went well.
    const std::optional<QString> &Fout() const { return m_fout; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *data, qint64 lengte) override;

private:
    bool Schrijf(const QString &tekst);

    QTextStream &m_doel;
    QStringDecoder m_utf8;
    bool m_cr = false; // the last piece ended in CR: a line end if an LF comes next
    std::optional<QString> m_fout;
};

// Runs `opdracht` with streams that lead through Uitvoer to `uit` and `fout`. Output that could not
// be written is told on `fout` while that can still be written, and a command that would have
// ended with Gedaan ends with Geweigerd.
using Opdracht = std::function<Afloop(QTextStream &uit, QTextStream &fout)>;
Afloop MetUitvoer(QTextStream &uit, QTextStream &fout, const Opdracht &opdracht);
