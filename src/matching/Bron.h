#pragma once

#include "bank/Bankafschrift.h"

#include <QHashFunctions>
#include <QString>

// What Geldlog keeps of a transaction's bank text to know its kind again: the counterparty's
// account and name, and the words of the description (Woorden) without the numbers and dates
// that differ on every payment. Each is one line without tabs, and short, however long the bank's
// text was.
struct Bron {
    QString rekening; // the IBAN in capitals, without blanks; empty for a card payment
    QString naam; // as the bank gives it, at most LangsteNaam characters
    QString omschrijving; // the words, one blank between, at most LangsteOmschrijving characters
    PostSoort soort = PostSoort::Onbekend; // a cash withdrawal, where the bank tells it

    static constexpr qsizetype LangsteRekening = 34;
    static constexpr qsizetype LangsteNaam = 100;
    static constexpr qsizetype LangsteOmschrijving = 200;

    // The name first: kinds of one account (a bank's own, a payment service) differ by it.
    friend bool operator==(const Bron &a, const Bron &b)
    {
        return a.naam == b.naam && a.omschrijving == b.omschrijving && a.rekening == b.rekening
            && a.soort == b.soort;
    }
};

size_t qHash(const Bron &bron, size_t seed = 0);

// A character no kept text holds: a control character would break the file's lines and fields.
inline bool IsStuurteken(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7f;
}

Bron BronVan(const BankPost &post);

// Whether an entry's text is the bank's own text of a transaction of this kind: all of its words,
// or the start of them where the text was cut to fit a list; capitals and small letters alike.
bool IsBankTekst(const Bron &bron, QStringView tekst);
