#include "matching/InLijst.h"
#include "matching/Uitleg.h"

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

// "2026-03-04|ALBERT HEIJN 1403 HAARLEM|-2345"
std::vector<BankPost> Posten(const QStringList &regels)
{
    std::vector<BankPost> posten;
    for (const QString &regel : regels) {
        const QStringList delen = regel.split(u'|');
        BankPost post;
        post.datum = QDate::fromString(delen[0], Qt::ISODate);
        post.naam = delen[1];
        post.centen = delen[2].toLongLong();
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
                   u"Staat al in de lijst als \"Huur\" (3 maart)"_qs };
        QTest::newRow("eigen woord binnen drie dagen, de dichtste eerst")
            << QStringList { u"2026-03-01|Boodschappen||23,45"_qs, u"2026-03-03|Eten||23,45"_qs }
            << QStringList { u"2026-03-04|ALBERT HEIJN 1403 HAARLEM|-2345"_qs,
                   u"2026-03-02|JUMBO 7123 ZANDVOORT|-2345"_qs }
            << QStringList { u"Staat al in de lijst als \"Eten\" (3 maart)"_qs,
                   u"Staat al in de lijst als \"Boodschappen\" (1 maart)"_qs };
        QTest::newRow("vier dagen of de andere richting zijn een andere post") << QStringList {
            u"2026-03-01|Boodschappen||23,45"_qs, u"2026-03-04|Boodschappen|23,45|"_qs
        } << QStringList { u"2026-03-05|ALBERT HEIJN|-2345"_qs } << QStringList { u"nieuw"_qs };
        // Of the fixed cost's entries the one of its amount first, then the nearest.
        QTest::newRow("een vaste last ergens in dezelfde maand")
            << QStringList { u"2026-03-01|Energie||145,00"_qs, u"2026-03-19|Energie||120,00"_qs,
                   u"2026-04-01|Water||21,30"_qs }
            << QStringList { u"2026-03-20|Eneco|-14500"_qs, u"2026-03-20|Eneco|-14500"_qs,
                   u"2026-05-22|PWN|-2130"_qs, u"2026-04-22|PWN|-2130"_qs }
            << QStringList { u"Staat al in de lijst als \"Energie\" (1 maart)"_qs,
                   u"Staat al in de lijst als \"Energie\" (19 maart)"_qs, u"nieuw"_qs,
                   u"Staat al in de lijst als \"Water\" (1 april)"_qs };
    }

    void zoektInLijst()
    {
        QFETCH(QStringList, lijst);
        QFETCH(QStringList, posten);
        QFETCH(QStringList, verwacht);
        const ItemRijen vasteLasten
            = Rijen({ u"-|Energie||145,00"_qs, u"-|Water||21,30"_qs, u"-|Huur||950,00"_qs });
        const auto treffers = ZoekInLijst(Posten(posten), Rijen(lijst), vasteLasten);
        QStringList uitleg;
        for (const std::optional<LijstTreffer> &treffer : treffers)
            uitleg.append(treffer ? InLijstUitleg(*treffer) : QStringLiteral("nieuw"));
        QCOMPARE(uitleg, verwacht);
    }
};

QTEST_GUILESS_MAIN(TestInLijst)
#include "tst_inlijst.moc"
