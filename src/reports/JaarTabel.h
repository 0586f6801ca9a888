#pragma once

#include "common/IsoDatum.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>
#include <vector>

struct Posten;

// What a description, or the whole year, did in a month or in the year: the amounts in whole
// cents and how many entries they came from.
struct Telling {
    qint64 inkomsten = 0;
    qint64 uitgaven = 0;
    int posten = 0;

    // Income minus expenses.
    qint64 Saldo() const;
    void Tel(qint64 inkomsten, qint64 uitgaven);
    Telling &operator+=(const Telling &ander);
};

// A cell of the table: the balance as "###0.00", empty where nothing happened.
QString CelTekst(const Telling &telling);

// One row of the year overview: a description and its months.
struct JaarRij {
    // Descriptions that differ only in case or in blanks around them are one row, shown as the
    // entries most often write it.
    QString omschrijving;
    std::array<Telling, 12> maanden;
    Telling jaar;
};

// A year per description, the rows sorted by the year's expenses, most first.
struct JaarTabel {
    int jaar = 0;
    std::vector<JaarRij> rijen;
};

// The entries of `jaar` among `posten`, per description; with `totEnMet` only those dated up to
// and including that day, as a month stands on a day in it.
JaarTabel MaakJaarTabel(
    const Posten &posten, int jaar, std::optional<IsoDatum> totEnMet = std::nullopt);

// The rows of the table whose description holds `zoektekst` (ignoring case), by their index; all
// rows when it is empty.
std::vector<int> GevondenRijen(const JaarTabel &tabel, QStringView zoektekst);

// The row "Totaal": the months and the year of the rows given.
JaarRij Totaal(const JaarTabel &tabel, const std::vector<int> &rijen);

// The years the entries fall in, from the latest down but `huidig` first when it is one of them;
// only `huidig` when there are no entries at all.
QList<int> Jaren(const Posten &posten, int huidig);

// The short month names, "jan" to "dec", as the table and the chart name the months.
const QStringList &MaandKoppen();

// The heads of the table's columns wherever it is shown: "Omschrijving", "jan" to "dec",
// "Totaal".
const QStringList &Koppen();

// A line of the table as shown: the description given, then the row's months and its year.
QStringList Cellen(const QString &omschrijving, const JaarRij &rij);
