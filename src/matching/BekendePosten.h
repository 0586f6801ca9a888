#pragma once

#include "bank/Bankafschrift.h"
#include "common/ItemModel.h"
#include "matching/Bron.h"

#include <QHash>

#include <span>
#include <vector>

class Geleerd;

// The transactions Geldlog learned, to know an entry of a list again as the record of one of them:
// a transaction it met stands in a list under its word (or the bank's text) at its amount, on its
// day or a few days from it. Such an entry answers for that transaction and for no other, so the
// pocket money of the 1st, read from December's statement, is not taken for the cash withdrawal
// of 20,00 on 28 November that November's statement put in.
class BekendePosten {
public:
    static constexpr qsizetype Vrij = -1; // an entry known as no transaction
    static constexpr qsizetype Ander = -2; // the record of a transaction not among those asked

    BekendePosten() = default;
    explicit BekendePosten(const Geleerd &geleerd);

    // Per entry of `lijst`, the transaction of `posten` it is the record of, or Vrij or Ander. A
    // transaction is the record of one entry at most, the nearest in days, and the other way round.
    // Near-linear in the sizes of both, however many entries are alike.
    std::vector<qsizetype> Eigenaars(
        const ItemRijen &lijst, std::span<const BankPost> posten) const;

private:
    // Transactions of an amount on a day under one text: a word, folded, or the start of the
    // bank's words.
    struct Sleutel {
        qint64 centen = 0;
        qint64 dag = 0;
        int tekst = 0;

        friend auto operator<=>(const Sleutel &, const Sleutel &) = default;
    };
    struct Post {
        int bron = 0;
        qint64 dag = 0;
        qint64 centen = 0;
    };

    // The number of a text as an entry holds it, or -1 when no transaction was learned so.
    int WoordNummer(QStringView tekst) const;
    int BankNummer(QStringView tekst) const;

    std::vector<Post> m_posten;
    // The transactions by key, those of one key in learned order: sorted, not hashed, as a year
    // of transactions has nearly as many keys.
    std::vector<std::pair<Sleutel, int>> m_sleutels;
    QHash<QString, int> m_teksten;
    std::vector<Bron> m_bronnen;
};
