#pragma once

#include "bank/Bankafschrift.h"
#include "common/ItemModel.h"
#include "matching/Bron.h"

#include <QHash>
#include <QStringList>

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
    std::vector<qsizetype> Eigenaars(
        const ItemRijen &lijst, std::span<const BankPost> posten) const;

private:
    struct Post {
        qint64 centen = 0;
        qint64 dag = 0;
        int bron = 0;
        int woord = -1; // folded, a number into m_woorden; -1 for the bank's text

        bool operator<(const Post &ander) const
        {
            return centen != ander.centen ? centen < ander.centen : dag < ander.dag;
        }
    };

    std::vector<Post> m_posten; // by amount, then day
    std::vector<Bron> m_bronnen;
    QHash<Bron, int> m_bronNummers;
    QStringList m_woorden;
};
