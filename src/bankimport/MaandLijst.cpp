#include "bankimport/MaandLijst.h"

#include "bank/Bankafschrift.h"

#include <algorithm>
#include <map>

QDate MeesteMaand(const Bankafschrift &afschrift)
{
    std::map<QDate, int> perMaand;
    for (const BankPost &post : afschrift.posten)
        ++perMaand[QDate(post.datum.year(), post.datum.month(), 1)];
    // The last of the largest, as the months stand in order.
    const auto meeste = std::max_element(perMaand.rbegin(), perMaand.rend(),
        [](const auto &a, const auto &b) { return a.second < b.second; });
    return meeste == perMaand.rend() ? QDate() : meeste->first;
}
