#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

// A statement file's bytes as lines of text: UTF-8 (a BOM skipped) when the bytes are valid
// UTF-8, otherwise Windows-1252; lines end at CR LF, LF or CR. Each line is decoded only when it
// is reached, so a file costs no more memory than its longest line.
class Regels {
public:
    explicit Regels(QByteArrayView bytes);

    // The next line; false at the end.
    bool Volgende();
    // The current line, valid until the next call of Volgende().
    QStringView Tekst() const { return m_tekst; }
    // Its number in the file, 1 for the first.
    int Nummer() const { return m_nummer; }

    // The first `aantal` lines, each at most `hoogstens` bytes, for recognising the kind of file
    // without decoding the rest.
    static QStringList Eerste(QByteArrayView bytes, int aantal, qsizetype hoogstens = 4096);

private:
    void Decodeer(QByteArrayView regel);

    QByteArrayView m_rest;
    bool m_utf8 = false;
    bool m_klaar = false;
    int m_nummer = 0;
    QString m_tekst;
};

// The bytes without a leading UTF-8 BOM.
QByteArrayView ZonderBom(QByteArrayView bytes);
