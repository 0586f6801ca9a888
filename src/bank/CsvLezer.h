#pragma once

#include "bank/Bankafschrift.h"
#include "bank/Velden.h"

#include <QByteArrayView>
#include <QStringList>

#include <optional>
#include <vector>

// The CSV files of the banks differ only in their separators, their columns and the forms of
// their dates and amounts; one reader reads them all from such a description.
struct CsvVorm {
    QString bank;
    QString soort;
    QChar scheiding;
    QChar aanhaling = u'"';
    int kopregels = 0; // lines before the first transaction
    QString datumVorm; // as LeesDatum takes it
    // The decimal separator of the amounts; none: the last "," or "." in the amount.
    std::optional<QChar> decimaal;
    // Columns, 0 the first; -1 where the file has none.
    qsizetype datum = -1;
    qsizetype bedrag = -1;
    qsizetype richting = -1; // "Af"/"Bij" and the like, for unsigned amounts
    qsizetype naam = -1;
    std::vector<qsizetype> omschrijving; // joined with a blank
    qsizetype tegenrekening = -1;
    qsizetype rekening = -1;
    qsizetype code = -1; // the bank's code of the kind of transaction
    QStringList geldopname; // the codes of a cash withdrawal, capitals and small letters alike
    // Takes the counterparty's name and the description apart where a bank writes them together.
    void (*verfijn)(BankPost &post) = nullptr;
};

// Each line after the header lines that is not blank is split into its fields; a line with too
// few fields for the columns, or whose date or amount cannot be read, is named as unreadable;
// the others become transactions of the line they stand on.
Bankafschrift LeesCsv(QByteArrayView bytes, const CsvVorm &vorm);

// The header line split at whichever of the separators gives at least `velden` fields.
std::optional<QChar> KopScheiding(QStringView kop, qsizetype velden, Velden &gesplitst,
    std::initializer_list<QChar> scheidingen = { u';', u',' });
