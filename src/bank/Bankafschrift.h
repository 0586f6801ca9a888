#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// A statement file from a Dutch bank, as read from its bytes.

// The kind of a transaction, where the bank's file tells it.
enum class PostSoort : quint8 {
    Onbekend,
    Geldopname, // cash from a machine, wherever it stands
};

// One transaction as the bank gives it.
struct BankPost {
    QDate datum; // the booking date
    QString naam; // the counterparty's name; may be empty
    QString omschrijving; // the description; may be empty
    qint64 centen = 0; // the amount in whole cents: positive received, negative paid
    QString tegenrekening; // the counterparty's account, as the file writes it; may be empty
    int regel = 0; // the line of the file it was read from (1 is the first)
    PostSoort soort = PostSoort::Onbekend;

    friend bool operator==(const BankPost &, const BankPost &) = default;
};

// A row of the file that holds a transaction that could not be read.
struct OnleesbareRegel {
    int regel = 0; // its line in the file (1 is the first)
    QString reden; // in Dutch, e.g. `het bedrag "12,5x" is onleesbaar.`
    QString tekst; // the row as it stands in the file, one line, for showing it

    // "Regel 14: het bedrag "12,5x" is onleesbaar."
    QString Melding() const;
};

struct Bankafschrift {
    QString bank; // "ING", "Rabobank", "ABN AMRO", …
    QString soort; // the kind of file: "CSV", "TAB", "CAMT.053", "MT940", …
    // The own accounts, as the file writes them, each once in the order of the file (a file may
    // hold the statements of more than one); may be empty.
    QStringList rekeningen;
    // In date order, oldest first, as a household writes its month; those of one day in the
    // order the bank booked them.
    std::vector<BankPost> posten;
    std::vector<OnleesbareRegel> onleesbaar; // in the order of the file

    // "ING (CSV)"
    QString Naam() const;
};

// Recognises the kind of file from its content, never from its name, and reads it: UTF-8 with
// or without BOM, otherwise Windows-1252; lines ending in CR LF, LF or CR. Nothing when the
// bytes are no statement of a kind it knows. Bounded in time and memory for any input.
std::optional<Bankafschrift> LeesBankafschrift(QByteArrayView bytes);

// The kinds LeesBankafschrift knows, one line each, for the message that refuses a file.
QStringList BekendeSoorten();

// The message that refuses a file of no kind LeesBankafschrift knows.
QString OnbekendAfschrift();
