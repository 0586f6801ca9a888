#include "common/Bedrag.h"

#include <QList>
#include <QtNumeric>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace {

// From a thousand billion on, a text is not taken as an amount.
constexpr double GrootsteBedrag = 1e15;

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// A decimal number in its parts: digits only, without sign or separator.
struct Decimaal {
    bool negatief = false;
    QString geheel;
    QString breuk;
};

// The strict form a person types: an optional sign, digits with at most one separator, and at
// least one digit.
std::optional<Decimaal> LeesDecimaal(QStringView tekst, QChar scheiding)
{
    Decimaal d;
    qsizetype i = 0;
    if (i < tekst.size() && (tekst[i] == u'-' || tekst[i] == u'+'))
        d.negatief = tekst[i++] == u'-';
    bool naScheiding = false;
    for (; i < tekst.size(); ++i) {
        const QChar c = tekst[i];
        if (isDigit(c))
            (naScheiding ? d.breuk : d.geheel).append(c);
        else if (c == scheiding && !naScheiding)
            naScheiding = true;
        else
            return std::nullopt;
    }
    if (d.geheel.isEmpty() && d.breuk.isEmpty())
        return std::nullopt;
    return d;
}

// A typed number whose dots group the thousands before a decimal comma: 1.234,56 and
// 12.345.678,90, with an optional sign; the first group has one to three digits, every other
// group three.
std::optional<Decimaal> LeesGegroepeerd(QStringView tekst)
{
    const qsizetype komma = tekst.indexOf(u',');
    if (komma < 0 || !tekst.left(komma).contains(u'.'))
        return std::nullopt;
    Decimaal d;
    QStringView geheel = tekst.left(komma);
    if (!geheel.isEmpty() && (geheel.front() == u'-' || geheel.front() == u'+')) {
        d.negatief = geheel.front() == u'-';
        geheel = geheel.mid(1);
    }
    const QList<QStringView> groepen = geheel.split(u'.');
    for (qsizetype g = 0; g < groepen.size(); ++g) {
        const QStringView groep = groepen.at(g);
        const bool maat = g == 0 ? groep.size() >= 1 && groep.size() <= 3 : groep.size() == 3;
        if (!maat || !std::all_of(groep.begin(), groep.end(), isDigit))
            return std::nullopt;
        d.geheel += groep;
    }
    const QStringView breuk = tekst.mid(komma + 1);
    if (!std::all_of(breuk.begin(), breuk.end(), isDigit))
        return std::nullopt;
    d.breuk = breuk.toString();
    return d;
}

// A typed amount as a number: grouped thousands, or else "." read as "," with at most one of them.
std::optional<Decimaal> LeesGetypt(QStringView tekst)
{
    if (auto gegroepeerd = LeesGegroepeerd(tekst))
        return gegroepeerd;
    QString punten = tekst.toString();
    return LeesDecimaal(punten.replace(u'.', u','), u',');
}

// "1.000" and "-12.345": one dot, three digits after it and a group of one to three before it
// (no leading zero) could group the thousands as well as mark the decimals.
bool Dubbelzinnig(QStringView tekst)
{
    if (!tekst.isEmpty() && (tekst.front() == u'-' || tekst.front() == u'+'))
        tekst = tekst.mid(1);
    const qsizetype punt = tekst.indexOf(u'.');
    return punt >= 1 && punt <= 3 && tekst.size() - punt - 1 == 3 && tekst.front() != u'0'
        && tekst.count(u'.') == 1 && !tekst.contains(u',');
}

// Beyond ten thousand billion euros a double no longer keeps the cents of an amount, so such an
// amount would count for other than it shows.
constexpr qsizetype MeesteEuroCijfers = 13;

// Rounds to two decimals, half away from zero, on the digits themselves: what a person typed is
// what gets rounded, however many digits it has.
QString TweeDecimalen(const Decimaal &d)
{
    qsizetype eerste = 0;
    while (eerste < d.geheel.size() && d.geheel.at(eerste) == u'0')
        ++eerste;
    QString cijfers = d.geheel.mid(eerste);
    cijfers += (d.breuk + QStringLiteral("00")).left(2);

    if (d.breuk.size() > 2 && d.breuk.at(2) >= u'5') {
        qsizetype i = cijfers.size() - 1;
        while (i >= 0 && cijfers.at(i) == u'9')
            cijfers[i--] = u'0';
        if (i >= 0)
            cijfers[i] = QChar(cijfers.at(i).unicode() + 1);
        else
            cijfers.prepend(u'1');
    }
    while (cijfers.size() < 3)
        cijfers.prepend(u'0');

    const bool nul
        = std::all_of(cijfers.cbegin(), cijfers.cend(), [](QChar c) { return c == u'0'; });
    const qsizetype komma = cijfers.size() - 2;
    QString tekst = (d.negatief && !nul) ? QStringLiteral("-") : QString();
    tekst += QStringView(cijfers).left(komma);
    tekst += u',';
    tekst += QStringView(cijfers).mid(komma);
    return tekst;
}

// A double holds any decimal of up to fifteen significant digits exactly enough to give it back,
// while a sum picks up noise beyond them: 4,859 + 4,736 adds up to 9.594999999999999, which
// must still show as 9,60. From 1e15 on, fifteen digits would cut into the whole euros.
double VijftienCijfers(double waarde)
{
    if (!(std::abs(waarde) < 1e15))
        return waarde;
    std::array<char, 32> buffer {};
    const auto geschreven = std::to_chars(
        buffer.data(), buffer.data() + buffer.size(), waarde, std::chars_format::general, 15);
    double afgerond = waarde;
    std::from_chars(buffer.data(), geschreven.ptr, afgerond);
    return afgerond;
}

} // namespace

double BedragWaarde(QStringView tekst)
{
    qsizetype i = 0;
    const qsizetype n = tekst.size();
    while (i < n && isBlank(tekst[i]))
        ++i;

    // Collected as plain characters for from_chars; the sign goes in only when it is "-".
    std::string getal;
    if (i < n && (tekst[i] == u'-' || tekst[i] == u'+')) {
        if (tekst[i] == u'-')
            getal += '-';
        ++i;
    }
    bool cijfers = false;
    bool punt = false;
    for (; i < n; ++i) {
        const QChar c = tekst[i];
        if (isDigit(c)) {
            getal += static_cast<char>(c.unicode());
            cijfers = true;
        } else if ((c == u'.' || c == u',') && !punt) {
            getal += '.';
            punt = true;
        } else {
            break;
        }
    }
    if (!cijfers)
        return 0.0;

    double waarde = 0.0;
    const auto result = std::from_chars(getal.data(), getal.data() + getal.size(), waarde);
    if (result.ec != std::errc() || std::abs(waarde) >= GrootsteBedrag)
        return 0.0;
    return waarde;
}

QString BedragTekst(double waarde)
{
    // Sums of amounts below GrootsteBedrag stay far from infinity; should one get there all the
    // same, a release build shows 0,00 rather than a text that is no amount.
    Q_ASSERT(std::isfinite(waarde));
    if (!std::isfinite(waarde))
        waarde = 0.0;

    // Written out with no digit more than it takes to read back the same double: the decimal value
    // a person meant. Fixed notation of the largest double takes 309 digits.
    std::array<char, 512> buffer {};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
        VijftienCijfers(waarde), std::chars_format::fixed);
    const auto tekst = QLatin1StringView(buffer.data(), result.ptr - buffer.data());
    return TweeDecimalen(*LeesDecimaal(QString(tekst), u'.'));
}

QString BedragFout(const QString &invoer)
{
    const QString tekst = invoer.trimmed();
    const auto getal = LeesGetypt(tekst);
    if (!getal)
        return QStringLiteral("Het bedrag \"%1\" is geen getal.").arg(tekst);
    if (Dubbelzinnig(tekst)) {
        const QString zonderPunt
            = (getal->negatief ? QStringLiteral("-") : QString()) + getal->geheel + getal->breuk;
        return QStringLiteral("Schrijf \"%1\" als %2 of als %3.")
            .arg(tekst, zonderPunt, TweeDecimalen(*getal));
    }
    const QString opgemaakt = TweeDecimalen(*getal);
    if (opgemaakt.indexOf(u',') - (opgemaakt.startsWith(u'-') ? 1 : 0) > MeesteEuroCijfers)
        return QStringLiteral("Het bedrag \"%1\" is te groot.").arg(tekst);
    return {};
}

QString BedragOpgemaakt(const QString &invoer)
{
    if (const auto getal = LeesGetypt(QStringView(invoer).trimmed()))
        return TweeDecimalen(*getal);
    QString tekst = invoer;
    return tekst.replace(u'.', u',');
}

QString BedragOngeformatteerd(const QString &invoer)
{
    QString tekst = invoer;
    if (LeesGegroepeerd(QStringView(invoer).trimmed()))
        return tekst.remove(u'.');
    return tekst.replace(u'.', u',');
}

namespace {

// Through the shown form, so an amount counts exactly as the window shows it.
qint64 CentenVanGetoond(QStringView tekst)
{
    const QString getoond = BedragTekst(BedragWaarde(tekst));
    qint64 centen = 0;
    for (const QChar c : getoond) {
        if (isDigit(c))
            centen = centen * 10 + (c.unicode() - u'0');
    }
    return getoond.startsWith(u'-') ? -centen : centen;
}

} // namespace

qint64 BedragCenten(QStringView tekst)
{
    // The number read as BedragWaarde reads it, but straight from its digits. With at most
    // fifteen significant digits its double gives back exactly these digits, so rounding them
    // is what BedragTekst shows; longer numbers take that way itself.
    constexpr int MeesteCijfers = 15;
    qsizetype i = 0;
    const qsizetype n = tekst.size();
    while (i < n && isBlank(tekst[i]))
        ++i;
    bool negatief = false;
    if (i < n && (tekst[i] == u'-' || tekst[i] == u'+'))
        negatief = tekst[i++] == u'-';

    qint64 geheel = 0;
    std::array<int, 3> decimalen {};
    int aantalDecimalen = 0;
    int significant = 0;
    bool cijfers = false;
    bool punt = false;
    for (; i < n; ++i) {
        const QChar c = tekst[i];
        if (isDigit(c)) {
            const int cijfer = c.unicode() - u'0';
            cijfers = true;
            if ((significant > 0 || cijfer != 0) && ++significant > MeesteCijfers)
                return CentenVanGetoond(tekst);
            if (!punt)
                geheel = geheel * 10 + cijfer;
            else if (aantalDecimalen < 3)
                decimalen[aantalDecimalen++] = cijfer;
        } else if ((c == u'.' || c == u',') && !punt) {
            punt = true;
        } else {
            break;
        }
    }
    if (!cijfers)
        return 0;
    const qint64 centen
        = geheel * 100 + decimalen[0] * 10 + decimalen[1] + (decimalen[2] >= 5 ? 1 : 0);
    return negatief ? -centen : centen;
}

QString CentenTekst(qint64 centen)
{
    // Written from the last digit backwards into room for the longest, then copied once: tables
    // of amounts ask for thousands of these.
    std::array<char16_t, 24> tekst {};
    char16_t *begin = tekst.data() + tekst.size();
    // Through unsigned, so the most negative value has a magnitude too.
    quint64 grootte = centen < 0 ? 0 - static_cast<quint64>(centen) : static_cast<quint64>(centen);
    for (int cijfers = 0; cijfers < 3 || grootte > 0; ++cijfers) {
        if (cijfers == 2)
            *--begin = u',';
        *--begin = static_cast<char16_t>(u'0' + grootte % 10);
        grootte /= 10;
    }
    if (centen < 0)
        *--begin = u'-';
    return QString(reinterpret_cast<const QChar *>(begin), tekst.data() + tekst.size() - begin);
}

qint64 CentenSom(qint64 a, qint64 b)
{
    qint64 som = 0;
    if (!qAddOverflow(a, b, &som))
        return som;
    return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}

qint64 CentenVerschil(qint64 a, qint64 b)
{
    qint64 verschil = 0;
    if (!qSubOverflow(a, b, &verschil))
        return verschil;
    return b < 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
}
