#include "bankimport/MaandLijst.h"

#include "bank/Bankafschrift.h"
#include "common/MaandNamen.h"

#include <QStringList>

#include <algorithm>
#include <map>

QDate MaandVanLijst(const QString &naam)
{
    const QStringList delen = naam.split(u' ', Qt::SkipEmptyParts);
    if (delen.size() != 2)
        return {};
    for (int jaarDeel = 0; jaarDeel < 2; ++jaarDeel) {
        const QString &jaar = delen[jaarDeel];
        const QString &maand = delen[1 - jaarDeel];
        if (jaar.size() != 4 || !std::all_of(jaar.begin(), jaar.end(), [](QChar c) {
                return c >= u'0' && c <= u'9';
            }))
            continue;
        for (int nummer = 1; nummer <= 12; ++nummer) {
            if (maand.compare(MaandNaam(nummer), Qt::CaseInsensitive) == 0)
                return QDate(jaar.toInt(), nummer, 1);
        }
    }
    return {};
}

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

QString MaandLijstNaam(QDate maand)
{
    return QString::number(maand.year()) + u' ' + MaandNaam(maand.month());
}
