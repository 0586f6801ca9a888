// The fixed-costs file: only groups dated "-" are read, and what is written reads back the same.
#include "lists/VasteLastenBestand.h"

#include "LijstGroep.h"
#include "ModelRows.h"
#include "TestProgramma.h"
#include "common/ItemModel.h"

#include <QTest>

namespace {

const QString Bestand = QStringLiteral("Vastelasten.vls");

} // namespace

class TstVasteLastenBestand : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void leestAlleenVasteLasten_data()
    {
        QTest::addColumn<QByteArray>("inhoud");
        QTest::addColumn<QStringList>("rijen");

        const QByteArray huur = Groep("-", "Huur", "", "650,00");
        const QByteArray salaris = Groep("-", "Salaris", "2345,50", "");
        QTest::newRow("leeg bestand") << QByteArray() << QStringList();
        QTest::newRow("een gedateerde groep ertussen")
            << huur + Groep("2026-03-01", "Brood", "", "2,50") + salaris
            << QStringList { u"- | Huur |  | 650,00"_qs, u"- | Salaris | 2345,50 | "_qs };
        QTest::newRow("datum met spaties is geen vaste last")
            << Groep(" -", "Brood", "", "2,50") + Groep("- ", "Melk", "", "1,10") + huur
            << QStringList { u"- | Huur |  | 650,00"_qs };
        QTest::newRow("scheiding van andere tekst of leeg")
            << Groep("-", "Huur", "", "650,00", "===") + Groep("-", "Salaris", "2345,50", "", "")
            << QStringList { u"- | Huur |  | 650,00"_qs, u"- | Salaris | 2345,50 | "_qs };
        QTest::newRow("laatste groep afgebroken")
            << huur + QByteArray("-\r\nSalaris\r\n2345,50\r\n")
            << QStringList { u"- | Huur |  | 650,00"_qs };
    }

    void leestAlleenVasteLasten()
    {
        QFETCH(QByteArray, inhoud);
        QFETCH(QStringList, rijen);
        TestProgramma test;
        test.schrijfData(Bestand, inhoud);
        ItemModel model;
        model.VoegToe(Item { u"-"_qs, u"Oud"_qs, QString(), u"1,00"_qs });

        LaadVasteLasten(test.programma(), model);

        QCOMPARE(ModelRows(model), rijen);
    }

    void voorbeeldVanNegenenveertigBytes()
    {
        TestProgramma test;
        ItemModel model;
        model.VoegToe(Item { u"-"_qs, u"Huur"_qs, QString(), u"650,00"_qs });

        QString fout;
        QVERIFY2(SaveVasteLasten(test.programma(), model, &fout), qPrintable(fout));

        const QByteArray verwacht = "-\r\nHuur\r\n\r\n650,00\r\n----------------------------\r\n";
        QCOMPARE(verwacht.size(), 49);
        QCOMPARE(test.leesData(Bestand), verwacht);
    }

    void opslaanEnLezenGeeftDezelfdeRijen()
    {
        TestProgramma test;
        ItemModel model;
        model.VoegToe(Item { u" - "_qs, u"  Huur  "_qs, QString(), u"650,00"_qs });
        model.VoegToe(Item { u"-"_qs, u"Café €"_qs, u"1500,00"_qs, QString() });
        model.VoegToe(Item { u"-"_qs, u"abc"_qs, u"abc"_qs, QString() });
        QVERIFY(SaveVasteLasten(test.programma(), model, nullptr));

        ItemModel gelezen;
        LaadVasteLasten(test.programma(), gelezen);

        // The date is stored without its blanks; everything else as it stands.
        QCOMPARE(ModelRows(gelezen),
            (QStringList { u"- |   Huur   |  | 650,00"_qs, u"- | Café € | 1500,00 | "_qs,
                u"- | abc | abc | "_qs }));
    }
};

QTEST_GUILESS_MAIN(TstVasteLastenBestand)
#include "tst_vastelastenbestand.moc"
