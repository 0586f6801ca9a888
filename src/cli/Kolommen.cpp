#include "cli/Kolommen.h"

#include <algorithm>

QStringList Uitgelijnd(const std::vector<QStringList> &rijen, const std::vector<bool> &rechts)
{
    std::vector<qsizetype> breedte(rechts.size(), 0);
    for (const QStringList &rij : rijen) {
        for (qsizetype kolom = 0; kolom < rij.size() && kolom < qsizetype(breedte.size()); ++kolom)
            breedte[kolom] = std::max(breedte[kolom], rij[kolom].size());
    }
    QStringList regels;
    for (const QStringList &rij : rijen) {
        QString regel;
        for (qsizetype kolom = 0; kolom < rij.size() && kolom < qsizetype(breedte.size());
             ++kolom) {
            if (kolom > 0)
                regel += QStringLiteral("  ");
            regel += rechts[kolom] ? rij[kolom].rightJustified(breedte[kolom])
                                   : rij[kolom].leftJustified(breedte[kolom]);
        }
        while (regel.endsWith(u' '))
            regel.chop(1);
        regels.append(regel);
    }
    return regels;
}

QString KortVoorKolom(const QString &tekst)
{
    constexpr qsizetype Langste = 40;
    if (tekst.size() <= Langste)
        return tekst;
    return tekst.left(Langste - 1).trimmed() + u'…';
}
