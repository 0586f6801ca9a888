#include "matching/InLijst.h"
#include "matching/Uitleg.h"
#include "matching/Voorsteller.h"

#include <QTest>

namespace {

// "2026-03-02|Boodschappen|inkomsten|uitgaven"
ItemRijen Rijen(const QStringList &regels)
{
    ItemRijen rijen;
    for (const QString &regel : regels) {
        const QStringList delen = regel.split(u'|');
        rijen.Voeg(delen[0], delen[1], delen[2], delen[3]);
    }
    return rijen;
}

// "2026-03-04|ALBERT HEIJN 1403 HAARLEM|-2345"; a name that starts with "Geldmaat" is a cash
// machine's.
std::vector<BankPost> Posten(const QStringList &regels)
{
    std::vector<BankPost> posten;
    for (const QString &regel : regels) {
        const QStringList delen = regel.split(u'|');
        BankPost post;
        post.datum = QDate::fromString(delen[0], Qt::ISODate);
        post.naam = delen[1];
        post.centen = delen[2].toLongLong();
        if (post.naam.startsWith(u"Geldmaat"))
            post.soort = PostSoort::Geldopname;
        posten.push_back(post);
    }
    return posten;
}

} // namespace

class TestInLijst : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void zoektInLijst_data()
    {
        QTest::addColumn<QStringList>("lijst");
        QTest::addColumn<QStringList>("posten");
        QTest::addColumn<QStringList>("verwacht");
        QTest::addColumn<QStringList>("geleerd"); // earlier transactions, "|woord" after them

        // An entry answers for one transaction, of its own direction; the same day's entry
        // under another text is nearer than the next day's under the same.
        QTest::newRow("veelvoud, richting en de dichtste dag")
            << QStringList { u"2026-03-01|Koffie||1,95"_qs, u" 2026-03-02|Salaris|1234,560|"_qs,
                   u"2026-03-03|Huur||800,00"_qs }
            << QStringList { u"2026-03-01|Koffie|-195"_qs, u"2026-03-01|Koffie|-195"_qs,
                   u"2026-03-02|Salaris|123456"_qs, u"2026-03-03|Huur|80000"_qs,
                   u"2026-03-04|Huur|-80000"_qs, u"2026-03-03|huur|-80000"_qs }
            << QStringList { u"Staat al in de lijst als \"Koffie\" (1 maart)"_qs, u"nieuw"_qs,
                   u"Staat al in de lijst als \"Salaris\" (2 maart)"_qs, u"nieuw"_qs, u"nieuw"_qs,
                   u"Staat al in de lijst als \"Huur\" (3 maart)"_qs }
            << QStringList();
        QTest::newRow("eigen woord binnen drie dagen, de dichtste eerst")
            << QStringList { u"2026-03-01|Boodschappen||23,45"_qs, u"2026-03-03|Eten||23,45"_qs }
            << QStringList { u"2026-03-04|ALBERT HEIJN 1403 HAARLEM|-2345"_qs,
                   u"2026-03-02|JUMBO 7123 ZANDVOORT|-2345"_qs }
            << QStringList { u"Staat al in de lijst als \"Eten\" (3 maart)"_qs,
                   u"Staat al in de lijst als \"Boodschappen\" (1 maart)"_qs }
            << QStringList();
        QTest::newRow("vier dagen of de andere richting zijn een andere post")
            << QStringList { u"2026-03-01|Boodschappen||23,45"_qs,
                   u"2026-03-04|Boodschappen|23,45|"_qs }
            << QStringList { u"2026-03-05|ALBERT HEIJN|-2345"_qs } << QStringList { u"nieuw"_qs }
            << QStringList();
        // Of the fixed cost's entries the one of its amount first, then the nearest.
        QTest::newRow("een vaste last ergens in dezelfde maand")
            << QStringList { u"2026-03-01|Energie||145,00"_qs, u"2026-03-19|Energie||120,00"_qs,
                   u"2026-04-01|Water||21,30"_qs }
            << QStringList { u"2026-03-20|Eneco|-14500"_qs, u"2026-03-20|Eneco|-14500"_qs,
                   u"2026-05-22|PWN|-2130"_qs, u"2026-04-22|PWN|-2130"_qs }
            << QStringList { u"Staat al in de lijst als \"Energie\" (1 maart)"_qs,
                   u"Staat al in de lijst als \"Energie\" (19 maart); de bank schreef € 145,00 af, "
                   u"de vaste last is € 120,00"_qs,
                   u"nieuw"_qs, u"Staat al in de lijst als \"Water\" (1 april)"_qs }
            << QStringList();
        QTest::newRow("drie dagen voor de boeking getypt")
            << QStringList { u"2026-03-01|Boodschappen||23,45"_qs }
            << QStringList { u"2026-03-04|ALBERT HEIJN|-2345"_qs }
            << QStringList { u"Staat al in de lijst als \"Boodschappen\" (1 maart)"_qs }
            << QStringList();
        // Cash from a machine never seen is known by its kind: pocket money of the same amount,
        // whose entry is in another list, does not take its entry.
        QTest::newRow("pinnen bij een nieuwe geldautomaat")
            << QStringList { u"2026-02-28|Pinnen||20,00"_qs }
            << QStringList { u"2026-03-03|L de Vries|-2000"_qs,
                   u"2026-03-03|Geldmaat Kalverstraat|-2000"_qs }
            << QStringList { u"nieuw"_qs, u"Staat al in de lijst als \"Pinnen\" (28 februari)"_qs }
            << QStringList { u"2026-01-01|L de Vries|-2000|Zakgeld"_qs,
                   u"2026-01-09|Geldmaat Zijlstraat|-5000|Pinnen"_qs };
        // Known by its word before any entry of its amount, however near.
        QTest::newRow("zakgeld en pinnen van een bedrag, een dag uiteen")
            << QStringList { u"2026-03-01|Pinnen||20,00"_qs, u"2026-03-02|Zakgeld||20,00"_qs }
            << QStringList { u"2026-03-02|Geldmaat Grote Markt|-2000"_qs,
                   u"2026-03-01|L de Vries|-2000"_qs }
            << QStringList { u"Staat al in de lijst als \"Pinnen\" (1 maart)"_qs,
                   u"Staat al in de lijst als \"Zakgeld\" (2 maart)"_qs }
            << QStringList { u"2026-02-01|L de Vries|-2000|Zakgeld"_qs,
                   u"2026-02-05|Geldmaat Grote Markt|-2000|Pinnen"_qs };
        // The counterparty known by the fixed cost's word answers for it whatever its amount,
        // only in its direction; known by another word, it is no fixed cost of the same amount.
        QTest::newRow("een vaste last door de tegenpartij, ander bedrag, eigen richting")
            << QStringList { u"2026-09-01|Huur||950,00"_qs, u"2026-03-01|Energie|300,00|"_qs,
                   u"2026-04-01|Water||21,30"_qs }
            << QStringList { u"2026-09-01|Stichting Portaal|-98000"_qs,
                   u"2026-03-12|Eneco|-14500"_qs, u"2026-04-10|Noor Visser|-2130"_qs }
            << QStringList { u"Staat al in de lijst als \"Huur\" (1 september); de bank schreef "
                             u"€ 980,00 af, de vaste last is € 950,00"_qs,
                   u"nieuw"_qs, u"nieuw"_qs }
            << QStringList { u"2026-08-01|Stichting Portaal|-95000|huur"_qs,
                   u"2026-03-09|Noor Visser|-2250|Oppas"_qs };
        // The cash withdrawal and the bakery's bread the last statement put in, the one under a
        // word, the other under the bank's text, are no other transaction's entries.
        QTest::newRow("de post van een eerder afschrift")
            << QStringList { u"2026-02-27|Pinnen||20,00"_qs, u"2026-02-27|Pinnen||50,00"_qs,
                   u"2026-02-26|Bakker||3,15"_qs }
            << QStringList { u"2026-03-02|L de Vries|-2000"_qs, u"2026-02-27|Geldmaat|-5000"_qs,
                   u"2026-02-27|Bakker|-315"_qs }
            << QStringList { u"nieuw"_qs, u"Staat al in de lijst als \"Pinnen\" (27 februari)"_qs,
                   u"nieuw"_qs }
            << QStringList { u"2026-02-27|Geldmaat|-2000|Pinnen"_qs,
                   u"2026-02-27|Geldmaat|-5000|Pinnen"_qs, u"2026-02-26|Bakker|-315|"_qs };
        // The excess billed before the premium leaves the premium its entry.
        QTest::newRow("een vaste last eerst voor zijn eigen bedrag")
            << QStringList { u"2026-03-01|Energie||145,00"_qs }
            << QStringList { u"2026-03-05|Eneco|-30000"_qs, u"2026-03-12|Eneco|-14500"_qs }
            << QStringList { u"nieuw"_qs, u"Staat al in de lijst als \"Energie\" (1 maart)"_qs }
            << QStringList { u"2026-02-12|Eneco|-14500|Energie"_qs };
        // A list named after March holds its rent undated, as the fixed costs' file has it.
        QTest::newRow("een vaste last zonder datum in de maand van de lijst")
            << QStringList { u"-|Huur||950,00"_qs }
            << QStringList { u"2026-03-02|Portaal|-95000"_qs }
            << QStringList { u"Staat al in de lijst als \"Huur\" (-)"_qs } << QStringList();
    }

    void zoektInLijst()
    {
        QFETCH(QStringList, lijst);
        QFETCH(QStringList, posten);
        QFETCH(QStringList, verwacht);
        QFETCH(QStringList, geleerd);
        const ItemRijen vasteLasten
            = Rijen({ u"-|Energie||145,00"_qs, u"-|Water||21,30"_qs, u"-|Huur||950,00"_qs });
        Geleerd woorden;
        for (const QString &regel : geleerd)
            woorden.Leer(Posten({ regel }).front(), regel.section(u'|', 3));
        const Voorsteller voorsteller(woorden);
        const auto treffers = ZoekInLijst(
            Posten(posten), Rijen(lijst), vasteLasten, &voorsteller, QDate(2026, 3, 1));
        QStringList uitleg;
        for (const std::optional<LijstTreffer> &treffer : treffers)
            uitleg.append(treffer ? InLijstUitleg(*treffer) : QStringLiteral("nieuw"));
        QCOMPARE(uitleg, verwacht);
    }
};

QTEST_GUILESS_MAIN(TestInLijst)
#include "tst_inlijst.moc"
