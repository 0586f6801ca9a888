#pragma once

#include "common/IsoDatum.h"
#include "common/ItemModel.h"

#include <QDate>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <vector>

class Programma;

// One entry that counts in the year overview and the search: it counts by its own date, not by
// the name of its list (a list "Kas" spans months), each amount in whole cents as the window
// counts it. A fixed cost dated "-" counts on the first of the month its list is named after.
struct Post {
    IsoDatum datum; // a date typed in another form, or none at all, cannot be read
    int lijst = 0; // its list in Posten::lijsten
    int rij = 0; // its row in that list
    qint64 inkomsten = 0;
    qint64 uitgaven = 0;
};

// The entries of the lists in the Data folder, read once.
struct Posten {
    QStringList lijsten; // the lists read, by name, in the order of the folder
    std::vector<ItemRijen> rijen; // their entries, which hold the texts
    std::vector<Post> posten; // in the order of the lists and their rows
    QStringList onleesbaar; // the lists that could not be read: nothing of them counts
    int zonderDatum = 0; // the entries whose date cannot be read: they do not count
    // The entries dated "-" in lists whose name holds no month, and those lists: they do not
    // count, as no month is theirs.
    int zonderMaand = 0;
    QStringList lijstenZonderMaand;

    QStringView Tekst(const Post &post, ItemModel::Kolom kolom) const
    {
        return rijen[post.lijst].Cel(post.rij, kolom);
    }
};

// Reads every list in the Data folder; with `jaar` only the entries of that year are kept.
// A group of empty lines, as an editor may leave at the end of a file, is no entry.
Posten LeesPosten(const Programma &programma, std::optional<int> jaar = std::nullopt);
// Only the entries of the months from `van` to `tot` (any day of each, both included), and
// nothing of the list `behalve`.
Posten LeesPosten(const Programma &programma, QDate van, QDate tot, const QString &behalve);

// What does not count, in Dutch, one sentence each: the entries without a readable date, those
// dated "-" in a list named after no month, and the lists that could not be read. Empty when
// everything counts.
QStringList NietMeegeteld(const Posten &posten);

// "Geen posten in 2026": a year without entries says so.
QString GeenPosten(int jaar);

// "23 posten: inkomsten € 0,00, uitgaven € 1482,35, saldo € -1482,35"
QString PostenTekst(int aantal, qint64 inkomsten, qint64 uitgaven);
