#include "common/DatumTekst.h"

#include "common/MaandNamen.h"

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

DatumDelen LeesDatumTekst(const QString &datum)
{
    DatumDelen delen;
    delen.jaar = datum.left(4);
    delen.maand = MaandNaam(LeadingNumber(QStringView(datum).mid(5, 2)));
    if (const int dag = LeadingNumber(QStringView(datum).right(2)); dag >= 0)
        delen.dag = QString::number(dag);
    return delen;
}
