#pragma once

#include "bank/Bankafschrift.h"

#include <QSet>
#include <QStringView>

// Gathers what a reader reads into a statement. A file of mostly unreadable rows is junk, not a
// statement: past a limit the reader stops, the last row naming where, so memory stays bounded.
class Verzamelaar {
public:
    static constexpr int HoogstensOnleesbaar = 1000;

    Verzamelaar(QString bank, QString soort);

    void Voeg(BankPost post) { m_afschrift.posten.push_back(std::move(post)); }
    void Onleesbaar(int regel, QString reden, QStringView tekst);
    // An own account the file names; each is kept once, in the order they come.
    void Rekening(QStringView rekening);
    // Too many unreadable rows: the reader stops here.
    bool Vol() const;

    Bankafschrift &Afschrift() { return m_afschrift; }

private:
    Bankafschrift m_afschrift;
    QSet<QString> m_rekeningen; // those in m_afschrift.rekeningen, found at once in any file
};
