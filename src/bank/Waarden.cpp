#include "bank/Waarden.h"

namespace {

bool IsCijfer(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

std::optional<QDate> LeesDatum(QStringView tekst, QStringView vorm)
{
    tekst = tekst.trimmed();
    if (tekst.size() != vorm.size())
        return std::nullopt;
    int jaar = 0, maand = 0, dag = 0, jaarCijfers = 0;
    for (qsizetype i = 0; i < vorm.size(); ++i) {
        const QChar v = vorm[i];
        const QChar c = tekst[i];
        if (v == u'J' || v == u'M' || v == u'D') {
            if (!IsCijfer(c))
                return std::nullopt;
            int &deel = v == u'J' ? jaar : (v == u'M' ? maand : dag);
            deel = deel * 10 + (c.unicode() - u'0');
            jaarCijfers += v == u'J';
        } else if (c != v) {
            return std::nullopt;
        }
    }
    if (jaarCijfers == 2)
        jaar += 2000;
    const QDate datum(jaar, maand, dag);
    if (!datum.isValid())
        return std::nullopt;
    return datum;
}

std::optional<qint64> LeesCenten(QStringView tekst, QChar decimaal)
{
    tekst = tekst.trimmed();
    const QChar duizendtal = decimaal == u',' ? u'.' : u',';
    qsizetype i = 0;
    bool negatief = false;
    if (i < tekst.size() && (tekst[i] == u'-' || tekst[i] == u'+'))
        negatief = tekst[i++] == u'-';

    qint64 geheel = 0;
    int cijfers = 0;
    int groep = -1; // digits since the last thousands separator; -1: none yet
    for (; i < tekst.size() && tekst[i] != decimaal; ++i) {
        const QChar c = tekst[i];
        if (IsCijfer(c)) {
            if (++cijfers > 15)
                return std::nullopt;
            geheel = geheel * 10 + (c.unicode() - u'0');
            if (groep >= 0)
                ++groep;
        } else if (c == duizendtal && (groep < 0 ? cijfers >= 1 && cijfers <= 3 : groep == 3)) {
            groep = 0;
        } else {
            return std::nullopt;
        }
    }
    if (groep >= 0 && groep != 3)
        return std::nullopt;

    int centen = 0;
    int decimalen = 0;
    if (i < tekst.size()) {
        for (++i; i < tekst.size(); ++i) {
            if (!IsCijfer(tekst[i]) || ++decimalen > 2)
                return std::nullopt;
            centen = centen * 10 + (tekst[i].unicode() - u'0');
        }
        if (decimalen == 1)
            centen *= 10;
    }
    if (cijfers == 0 && decimalen == 0)
        return std::nullopt;
    const qint64 totaal = geheel * 100 + centen;
    return negatief ? -totaal : totaal;
}

std::optional<qint64> LeesCentenKommaOfPunt(QStringView tekst)
{
    const qsizetype komma = tekst.lastIndexOf(u',');
    const qsizetype punt = tekst.lastIndexOf(u'.');
    return LeesCenten(tekst, komma > punt ? u',' : u'.');
}

namespace {

// A field as a reason quotes it: never a whole overlong line.
QString Aangehaald(QStringView tekst)
{
    constexpr qsizetype Hoogstens = 40;
    tekst = tekst.trimmed();
    return tekst.size() <= Hoogstens ? tekst.toString()
                                     : tekst.first(Hoogstens).toString() + u'\u2026';
}

} // namespace

QString DatumOnleesbaar(QStringView tekst)
{
    return QStringLiteral("de datum \"%1\" is onleesbaar.").arg(Aangehaald(tekst));
}

QString BedragOnleesbaar(QStringView tekst)
{
    return QStringLiteral("het bedrag \"%1\" is onleesbaar.").arg(Aangehaald(tekst));
}

std::optional<qint64> MetRichting(
    std::optional<qint64> centen, QStringView bedrag, QStringView richting, QString &onleesbaar)
{
    richting = richting.trimmed();
    if (!centen || *centen < 0) {
        onleesbaar = bedrag.toString();
        return std::nullopt;
    }
    for (const char16_t *af : { u"Af", u"Debit", u"Debet", u"D" }) {
        if (richting.compare(QStringView(af), Qt::CaseInsensitive) == 0)
            return -*centen;
    }
    for (const char16_t *bij : { u"Bij", u"Credit", u"C" }) {
        if (richting.compare(QStringView(bij), Qt::CaseInsensitive) == 0)
            return *centen;
    }
    onleesbaar = richting.toString() + u' ' + bedrag.trimmed().toString();
    return std::nullopt;
}
