#include "bank/BankPosten.h"

#include "common/Bedrag.h"
#include "platform/Ansi.h"

#include <QHash>

#include <algorithm>

namespace {

constexpr qsizetype LangsteOmschrijving = 100;

// What makes two entries the same transaction; views of the cells, which outlive the check.
// The amounts come first, so most comparisons end before a text is compared.
struct Sleutel {
    qint64 inkomsten = 0;
    qint64 uitgaven = 0;
    QStringView omschrijving;
    QStringView datum;

    friend bool operator==(const Sleutel &, const Sleutel &) = default;
};

size_t qHash(const Sleutel &sleutel, size_t seed = 0)
{
    return qHashMulti(
        seed, sleutel.datum, sleutel.omschrijving, sleutel.inkomsten, sleutel.uitgaven);
}

Sleutel SleutelVan(
    QStringView datum, QStringView omschrijving, QStringView inkomsten, QStringView uitgaven)
{
    return { BedragCenten(inkomsten), BedragCenten(uitgaven), omschrijving, datum.trimmed() };
}

} // namespace

Item AlsItem(const BankPost &post)
{
    const QString naam = post.naam.simplified();
    const QString omschrijving = post.omschrijving.simplified();
    QString tekst = naam.isEmpty()
        ? omschrijving
        : (omschrijving.isEmpty() ? naam : naam + QStringLiteral(" - ") + omschrijving);
    if (tekst.size() > LangsteOmschrijving) {
        qsizetype lengte = LangsteOmschrijving;
        // Never half of a character of two UTF-16 units.
        if (tekst.at(lengte - 1).isHighSurrogate())
            --lengte;
        tekst.truncate(lengte);
        tekst = tekst.trimmed();
    }
    // As the list file will hold it: a character outside Windows-1252 is stored as "?", and in
    // any other form the entry would not be recognised by the next reading of the same file.
    // Plain ASCII, as nearly every description is, stays the same.
    if (!std::all_of(tekst.cbegin(), tekst.cend(), [](QChar c) { return c.unicode() < 0x80; }))
        tekst = Ansi::decode(Ansi::encode(tekst));

    Item item;
    item.datum = post.datum.toString(Qt::ISODate);
    item.omschrijving = tekst;
    if (post.centen < 0)
        item.uitgaven = CentenTekst(-post.centen);
    else
        item.inkomsten = CentenTekst(post.centen);
    return item;
}

std::vector<bool> StaanAlInLijst(const ItemRijen &lijst, const std::vector<Item> &nieuw)
{
    // How many of each entry the list holds that no new one has answered for yet.
    QHash<Sleutel, int> over;
    over.reserve(lijst.Aantal());
    for (int rij = 0; rij < lijst.Aantal(); ++rij)
        ++over[SleutelVan(
            lijst.Cel(rij, 0), lijst.Cel(rij, 1), lijst.Cel(rij, 2), lijst.Cel(rij, 3))];

    std::vector<bool> staanEr;
    staanEr.reserve(nieuw.size());
    for (const Item &item : nieuw) {
        const auto gevonden
            = over.find(SleutelVan(item.datum, item.omschrijving, item.inkomsten, item.uitgaven));
        const bool staat = gevonden != over.end() && gevonden.value() > 0;
        if (staat)
            --gevonden.value();
        staanEr.push_back(staat);
    }
    return staanEr;
}
