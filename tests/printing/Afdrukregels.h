#pragma once

#include "RecordingPrinters.h"
#include "common/ItemModel.h"

#include <QStringList>

// The texts of one page of a job as "x,y text" lines, in the order they were printed, so one
// comparison shows where a page differs.
inline QStringList Pagina(const Afdruktaak &taak, int pagina)
{
    QStringList regels;
    for (const GedruktTekst &tekst : taak.teksten) {
        if (tekst.pagina == pagina)
            regels.append(QStringLiteral("%1,%2 %3").arg(tekst.x).arg(tekst.y).arg(tekst.tekst));
    }
    return regels;
}

// A list of `aantal` entries: "Post n" on a date of December, income on the even entries and an
// expense on the odd ones.
inline void VulLijst(ItemModel &items, int aantal)
{
    for (int n = 1; n <= aantal; ++n) {
        const QString bedrag = QStringLiteral("%1,50").arg(n);
        items.VoegToe(Item { QStringLiteral("2026-12-%1").arg(n % 28 + 1, 2, 10, QChar(u'0')),
            QStringLiteral("Post %1").arg(n), n % 2 == 0 ? bedrag : QString(),
            n % 2 == 0 ? QString() : bedrag });
    }
}

inline QString Lijn()
{
    return QString(160, u'-');
}
