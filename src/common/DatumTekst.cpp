#include "common/DatumTekst.h"

#include "common/MaandNamen.h"

#include <QDate>

#include <algorithm>

namespace {

// The whole number at the start of a short text ("07" is 7, " 3" is 3), or -1 when it has none.
int LeadingNumber(QStringView tekst)
{
    tekst = tekst.trimmed();
    int getal = -1;
    for (const QChar c : tekst) {
        if (c < u'0' || c > u'9')
            break;
        getal = (getal < 0 ? 0 : getal * 10) + (c.unicode() - u'0');
    }
    return getal;
}

} // namespace

QString DatumTekst(const QString &jaar, const QString &maand, const QString &dag)
{
    const QString dagTekst = dag.size() == 1 ? u'0' + dag : dag;
    return jaar + u'-' + MaandNummer(maand) + u'-' + dagTekst;
}

QString DagFout(const QString &jaar, const QString &maand, const QString &dag)
{
    bool jaarGetal = false;
    int j = jaar.toInt(&jaarGetal);
    if (!jaarGetal || !QDate::isValid(j, 1, 1))
        j = 2000; // a leap year
    const int m = MaandNummer(maand).toInt();
    const bool cijfers = (dag.size() == 1 || dag.size() == 2)
        && std::all_of(dag.cbegin(), dag.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (cijfers && QDate::isValid(j, m, dag.toInt()))
        return {};
    return QStringLiteral("Dag %1 bestaat niet in %2 %3.").arg(dag, maand.toLower(), jaar);
}

DatumDelen LeesDatumTekst(const QString &datum)
{
    DatumDelen delen;
    delen.jaar = datum.left(4);
    delen.maand = MaandNaam(LeadingNumber(QStringView(datum).mid(5, 2)));
    if (const int dag = LeadingNumber(QStringView(datum).right(2)); dag >= 0)
        delen.dag = QString::number(dag);
    return delen;
}
