#include "cli/ZoekOpdracht.h"

#include "cli/Kolommen.h"
#include "common/Bedrag.h"
#include "lists/Posten.h"

#include <QTextStream>

#include <algorithm>
#include <tuple>

Afloop Zoek(const Programma &programma, const QString &tekst, std::optional<int> jaar,
    QTextStream &uit, QTextStream &fout)
{
    const Posten posten = LeesPosten(programma, jaar);
    for (const QString &zin : NietMeegeteld(posten))
        fout << zin << '\n';

    std::vector<const Post *> gevonden;
    for (const Post &post : posten.posten) {
        if (posten.Tekst(post, ItemModel::Omschrijving).contains(tekst, Qt::CaseInsensitive))
            gevonden.push_back(&post);
    }
    // By date; entries of the same day keep the order of their lists.
    std::stable_sort(gevonden.begin(), gevonden.end(), [](const Post *a, const Post *b) {
        return std::tie(a->datum.jaar, a->datum.maand, a->datum.dag)
            < std::tie(b->datum.jaar, b->datum.maand, b->datum.dag);
    });

    std::vector<QStringList> regels;
    qint64 inkomsten = 0;
    qint64 uitgaven = 0;
    for (const Post *post : gevonden) {
        regels.push_back({ posten.Tekst(*post, ItemModel::Datum).trimmed().toString(),
            posten.lijsten[post->lijst],
            posten.Tekst(*post, ItemModel::Omschrijving).trimmed().toString(),
            CentenTekst(CentenVerschil(post->inkomsten, post->uitgaven)) });
        inkomsten = CentenSom(inkomsten, post->inkomsten);
        uitgaven = CentenSom(uitgaven, post->uitgaven);
    }
    for (const QString &regel : Uitgelijnd(regels, { false, false, false, true }))
        uit << regel << '\n';
    uit << PostenTekst(static_cast<int>(gevonden.size()), inkomsten, uitgaven) << '\n';
    return Gedaan;
}
