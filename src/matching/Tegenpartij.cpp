#include "matching/Tegenpartij.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace {

// How far into a name a card terminal's prefix can end: "SumUp *", "Zettle_*", "CCV*".
constexpr qsizetype LangsteVoorvoegsel = 12;

bool HeeftCijfer(QStringView deel)
{
    return std::any_of(deel.begin(), deel.end(), [](QChar c) { return c.isDigit(); });
}

} // namespace

bool IsRechtsvorm(QStringView deel)
{
    static constexpr std::array<const char16_t *, 14> vormen { u"bv", u"nv", u"vof", u"cv", u"bvba",
        u"gmbh", u"ag", u"se", u"ab", u"sa", u"sarl", u"srl", u"ltd", u"inc" };
    QString kaal = deel.toString().toCaseFolded();
    kaal.remove(u'.');
    return std::any_of(vormen.begin(), vormen.end(),
        [&](const char16_t *vorm) { return kaal == QStringView(vorm); });
}

QStringView ZonderTerminal(QStringView naam)
{
    naam = naam.trimmed();
    if (const qsizetype ster = naam.indexOf(u'*'); ster >= 0 && ster <= LangsteVoorvoegsel)
        naam = naam.sliced(ster + 1).trimmed();
    return naam;
}

QString Tegenpartij(QStringView naam)
{
    naam = ZonderTerminal(naam);
    QStringList kern;
    for (const QStringView deel : naam.split(u' ', Qt::SkipEmptyParts)) {
        if (!HeeftCijfer(deel)) {
            kern.append(deel.toString());
        } else if (!kern.isEmpty()) {
            // The store number: the place and the country after it differ per shop.
            break;
        }
    }
    while (kern.size() > 1 && IsRechtsvorm(kern.last()))
        kern.removeLast();
    return kern.join(u' ');
}

bool IsBetaaldienst(QStringView naam)
{
    static constexpr std::array<const char16_t *, 18> diensten { u"mollie", u"adyen", u"tikkie",
        u"buckaroo", u"multisafepay", u"pay.nl", u"paynl", u"paypal", u"stripe", u"klarna",
        u"worldline", u"ingenico", u"ogone", u"icepay", u"sisow", u"betaalverzoek", u"derdengelden",
        u"payments" };
    const QString gevouwen = naam.toString().toCaseFolded();
    return std::any_of(diensten.begin(), diensten.end(),
        [&](const char16_t *dienst) { return gevouwen.contains(QStringView(dienst)); });
}
