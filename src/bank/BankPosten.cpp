#include "bank/BankPosten.h"

#include "common/Bedrag.h"
#include "common/IsoDatum.h"
#include "common/Stuurtekens.h"
#include "platform/Ansi.h"

#include <algorithm>

namespace {

constexpr qsizetype LangsteOmschrijving = 100;

// A text of one line, cut to fit and stored as the list file will hold it: a character outside
// Windows-1252 as "?", since in any other form the entry would not be recognised by the next
// reading of the same file. Plain ASCII, as nearly every description is, stays the same.
QString PastInLijst(QString tekst)
{
    if (tekst.size() > LangsteOmschrijving) {
        qsizetype lengte = LangsteOmschrijving;
        // Never half of a character of two UTF-16 units.
        if (tekst.at(lengte - 1).isHighSurrogate())
            --lengte;
        tekst.truncate(lengte);
        tekst = tekst.trimmed();
    }
    if (!std::all_of(tekst.cbegin(), tekst.cend(), [](QChar c) { return c.unicode() < 0x80; }))
        tekst = Ansi::decode(Ansi::encode(tekst));
    return tekst;
}

Item ItemVan(const BankPost &post, QString omschrijving)
{
    Item item;
    item.datum = IsoDatumTekst(post.datum);
    item.omschrijving = std::move(omschrijving);
    if (post.centen < 0)
        item.uitgaven = CentenTekst(-post.centen);
    else
        item.inkomsten = CentenTekst(post.centen);
    return item;
}

// One line of words: a control character from the bank's file (ESC, BEL, …) a blank like any
// other, so it reaches no list and no terminal; an invisible one (a byte order mark, a zero width
// space) nothing, as a list would hold it as "?".
QString EenRegelTekst(const QString &tekst)
{
    QString regel = ZonderStuurtekens(tekst);
    regel.removeIf([](QChar c) { return c.category() == QChar::Other_Format; });
    return regel.simplified();
}

} // namespace

QString LijstOmschrijving(QStringView tekst)
{
    return PastInLijst(EenRegelTekst(tekst.toString()));
}

Item AlsItem(const BankPost &post)
{
    const QString naam = EenRegelTekst(post.naam);
    const QString omschrijving = EenRegelTekst(post.omschrijving);
    return ItemVan(post,
        PastInLijst(naam.isEmpty()
                ? omschrijving
                : (omschrijving.isEmpty() ? naam : naam + QStringLiteral(" - ") + omschrijving)));
}

Item AlsItem(const BankPost &post, QStringView omschrijving)
{
    return ItemVan(post, LijstOmschrijving(omschrijving));
}
