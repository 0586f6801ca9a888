#pragma once

#include <QString>
#include <QStringView>

#include <utility>
#include <vector>

// The fields of one line of a bank's CSV file, quoted or bare alike. A field that starts with a
// quote runs to the quote that stands before the next separator (or the end of the line): it may
// hold the separator and other quotes, and a doubled quote stands for one. A quote elsewhere is
// text, as is the first quote of a field that never closes ("'t Hoen"). A line that is quoted as
// a whole, its quotes doubled (as some exports write every line), is unwrapped first. The buffers
// are kept from line to line.
class Velden {
public:
    // Fields beyond this many are left out.
    static constexpr qsizetype HoogstensVelden = 100;

    void Splits(QStringView regel, QChar scheiding, QChar aanhaling = u'"');

    qsizetype Aantal() const { return static_cast<qsizetype>(m_plekken.size()); }
    // The field's text, without its quotes; empty beyond the last field.
    QStringView operator[](qsizetype veld) const;
    // The column whose header field is `naam`, or -1.
    qsizetype Kolom(QStringView naam) const;

private:
    void SplitsIn(QStringView regel, QChar scheiding, QChar aanhaling);

    QString m_tekst;
    QString m_ontpakt;
    std::vector<std::pair<qsizetype, qsizetype>> m_plekken; // begin and length in m_tekst
};
