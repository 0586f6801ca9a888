#include "matching/Bron.h"

#include "matching/Woorden.h"

#include <QHash>

#include <algorithm>

namespace {

// AlsItem cuts a bank's text at 100 characters; a text about that long may be such a cut one.
constexpr qsizetype AfgekapteTekst = 95;

// The text on one line: every control character a blank, an invisible one (QChar::Other_Format)
// left out, runs of white space one blank, cut at `lengste` characters, never inside a character
// of two UTF-16 units. Only the start of a text is looked at, so a name of megabytes costs no more
// than a short one.
QString Kort(QStringView tekst, qsizetype lengste)
{
    QString kort = tekst.left(4 * lengste).toString();
    std::replace_if(kort.begin(), kort.end(), IsStuurteken, u' ');
    kort.removeIf([](QChar c) { return c.category() == QChar::Other_Format; });
    kort = kort.simplified();
    if (kort.size() > lengste) {
        kort.truncate(kort.at(lengste - 1).isHighSurrogate() ? lengste - 1 : lengste);
        kort = kort.trimmed();
    }
    return kort;
}

QString Rekening(QStringView tekst)
{
    QString rekening;
    for (const QChar c : tekst.left(4 * Bron::LangsteRekening)) {
        if (c.isLetterOrNumber() && c.unicode() < 0x80)
            rekening.append(c.toUpper());
    }
    return rekening.left(Bron::LangsteRekening);
}

} // namespace

size_t qHash(const Bron &bron, size_t seed)
{
    return qHashMulti(
        seed, bron.rekening, bron.naam, bron.omschrijving, static_cast<int>(bron.soort));
}

Bron BronVan(const BankPost &post)
{
    const QString omschrijving = Kort(post.omschrijving, 8 * Bron::LangsteOmschrijving);
    return { Rekening(post.tegenrekening), Kort(post.naam, Bron::LangsteNaam),
        Kort(WoordenTekst(omschrijving), Bron::LangsteOmschrijving), post.soort };
}

bool IsBankTekst(const Bron &bron, QStringView tekst)
{
    const QString naam = WoordenTekst(bron.naam);
    const QString bank = naam.isEmpty() ? bron.omschrijving
        : bron.omschrijving.isEmpty()   ? naam
                                        : naam + u' ' + bron.omschrijving;
    const QString woorden = WoordenTekst(tekst);
    return woorden.compare(bank, Qt::CaseInsensitive) == 0
        || (tekst.size() >= AfgekapteTekst && bank.startsWith(woorden, Qt::CaseInsensitive));
}
