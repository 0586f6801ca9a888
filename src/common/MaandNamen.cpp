#include "common/MaandNamen.h"

const QStringList &MaandNamen()
{
    static const QStringList namen {
        QStringLiteral("Januari"),
        QStringLiteral("Februari"),
        QStringLiteral("Maart"),
        QStringLiteral("April"),
        QStringLiteral("Mei"),
        QStringLiteral("Juni"),
        QStringLiteral("Juli"),
        QStringLiteral("Augustus"),
        QStringLiteral("September"),
        QStringLiteral("Oktober"),
        QStringLiteral("November"),
        QStringLiteral("December"),
    };
    return namen;
}

QString MaandNummer(const QString &naam)
{
    const qsizetype index = MaandNamen().indexOf(naam);
    return index < 0 ? QString() : QStringLiteral("%1").arg(index + 1, 2, 10, QLatin1Char('0'));
}

QString MaandNaam(int nummer)
{
    return nummer >= 1 && nummer <= 12 ? MaandNamen().at(nummer - 1) : QString();
}

QString DagTekst(QDate datum, bool metJaar)
{
    QString tekst
        = QStringLiteral("%1 %2").arg(datum.day()).arg(MaandNaam(datum.month()).toLower());
    if (metJaar)
        tekst += u' ' + QString::number(datum.year());
    return tekst;
}
