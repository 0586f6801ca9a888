#include "matching/Woorden.h"

#include <array>

namespace {

bool IsTeken(QChar c)
{
    return c.isLetterOrNumber();
}

bool IsVerbinding(QChar c)
{
    return c == u'.' || c == u'&' || c == u'\'';
}

// A month's name is part of a date, and it changes every month on the same kind of payment.
bool IsMaand(QStringView woord)
{
    static constexpr std::array<const char16_t *, 20> maanden { u"januari", u"februari", u"maart",
        u"april", u"mei", u"juni", u"juli", u"augustus", u"september", u"oktober", u"november",
        u"december", u"january", u"february", u"march", u"may", u"june", u"july", u"august",
        u"october" };
    if (woord.size() < 3 || woord.size() > 9)
        return false;
    for (const char16_t *maand : maanden) {
        const QStringView naam(maand);
        if (naam.size() == woord.size() && woord.compare(naam, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// A label whose value is a code: the word after it means nothing either, even without a digit.
bool IsCodeLabel(QStringView label)
{
    static constexpr std::array<const char16_t *, 7> labels { u"Transactie", u"Term", u"Kenmerk",
        u"ID", u"IBAN", u"BIC", u"Pasvolgnr" };
    for (const char16_t *code : labels) {
        if (label.compare(QStringView(code), Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

// Hands each word of `tekst` to `neem`, in order.
template<typename Neem> void VoorElkWoord(QStringView tekst, Neem neem)
{
    bool code = false;
    qsizetype i = 0;
    while (i < tekst.size()) {
        if (!IsTeken(tekst[i])) {
            ++i;
            continue;
        }
        const qsizetype begin = i;
        bool cijfer = false;
        while (i < tekst.size()) {
            if (IsTeken(tekst[i])) {
                cijfer = cijfer || tekst[i].isDigit();
                ++i;
            } else if (IsVerbinding(tekst[i]) && i + 1 < tekst.size() && IsTeken(tekst[i + 1])) {
                ++i;
            } else {
                break;
            }
        }
        const QStringView woord = tekst.sliced(begin, i - begin);
        const bool label = i < tekst.size() && tekst[i] == u':';
        if (!cijfer && !label && !code && woord.size() > 1 && !IsMaand(woord))
            neem(woord);
        code = label && IsCodeLabel(woord);
    }
}

} // namespace

QStringList Woorden(QStringView tekst)
{
    QStringList woorden;
    VoorElkWoord(tekst, [&woorden](QStringView woord) { woorden.append(woord.toString()); });
    return woorden;
}

QString WoordenTekst(QStringView tekst)
{
    QString woorden;
    VoorElkWoord(tekst, [&woorden](QStringView woord) {
        if (!woorden.isEmpty())
            woorden.append(u' ');
        woorden.append(woord);
    });
    return woorden;
}
