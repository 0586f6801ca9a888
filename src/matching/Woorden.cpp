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

// What ends a person's name: the next part of the text.
bool IsScheiding(QChar c)
{
    return c == u',' || c == u';' || c == u':' || c == u'-' || c == u'/' || c == u'(' || c == u')';
}

// An initial, "R" of "R. Mulder" or "A.B" of "A.B. de Vries", or a form of address.
bool BegintNaam(QStringView woord)
{
    static constexpr std::array<const char16_t *, 8> aanspreekvormen { u"Hr", u"Dhr", u"Mw",
        u"Mevr", u"Mr", u"Fam", u"Meneer", u"Mevrouw" };
    bool initialen = woord.size() % 2 == 1;
    for (qsizetype i = 0; initialen && i < woord.size(); ++i)
        initialen = i % 2 == 0 ? woord[i].isUpper() : woord[i] == u'.';
    return initialen
        || std::any_of(aanspreekvormen.begin(), aanspreekvormen.end(),
            [&](const char16_t *vorm) { return woord == QStringView(vorm); });
}

// A word of a person's name after its start: capitalised ("Mulder", not the "GROOT" of a shop
// written in capitals), or one of the small words of Dutch surnames.
bool IsNaamWoord(QStringView woord)
{
    static constexpr std::array<const char16_t *, 8> tussenvoegsels { u"de", u"van", u"der", u"den",
        u"het", u"ter", u"ten", u"te" };
    return (woord.front().isUpper()
               && std::any_of(woord.begin() + 1, woord.end(), [](QChar c) { return c.isLower(); }))
        || std::any_of(tussenvoegsels.begin(), tussenvoegsels.end(),
            [&](const char16_t *deel) { return woord == QStringView(deel); });
}

// Hands each word of `tekst` to `neem`, in order. People's names say nothing of what was paid
// and are left out: an initial or a form of address with the names after it ("R. Mulder",
// "Hr A.B. de Vries"), and a payment request's payer, from ", Van" or ", Door" to the next comma.
template<typename Neem> void VoorElkWoord(QStringView tekst, Neem neem)
{
    // A name goes on to the next part of the text, or for at most this many words.
    constexpr int LangsteNaam = 4;
    bool code = false;
    int naam = 0; // the words of a name still to come
    bool totKomma = false; // the payer's name, which ends at a comma only
    bool komma = false;
    qsizetype i = 0;
    while (i < tekst.size()) {
        if (!IsTeken(tekst[i])) {
            komma = komma || tekst[i] == u',';
            if (naam > 0 && (totKomma ? tekst[i] == u',' : IsScheiding(tekst[i])))
                naam = 0;
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
        if (naam > 0 && (totKomma || IsNaamWoord(woord))) {
            --naam;
        } else if (BegintNaam(woord) || (komma && (woord == u"Van" || woord == u"Door"))) {
            totKomma = !BegintNaam(woord);
            naam = LangsteNaam;
        } else {
            naam = 0;
            if (!cijfer && !label && !code && woord.size() > 1 && !IsMaand(woord))
                neem(woord);
        }
        komma = false;
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
