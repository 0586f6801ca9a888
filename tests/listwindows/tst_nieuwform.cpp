#include "DialoogBesturing.h"
#include "FakeHoofdVenster.h"
#include "TestProgramma.h"
#include "common/Opmaak.h"
#include "listwindows/NieuwForm.h"
#include "listwindows/SaveForm.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

QStringList Items(const QComboBox &combo)
{
    QStringList items;
    for (int i = 0; i < combo.count(); ++i)
        items << combo.itemText(i);
    return items;
}

// How the test handles one of the two boxes.
enum class Invoer { Laten, Leegmaken, Typen, VolgendeKeuze };

} // namespace

class TstNieuwForm : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramma> m_test;
    std::unique_ptr<FakeHoofdVenster> m_hoofd;

    ProgrammaWaarden &waarden() { return m_test->programma().Waarden(); }

    static QComboBox *Combo(const NieuwForm &form, const char *naam)
    {
        return Kind<QComboBox>(form, QString::fromLatin1(naam));
    }

    static void bedien(QComboBox *combo, Invoer invoer, const QString &tekst)
    {
        switch (invoer) {
        case Invoer::Laten:
            break;
        case Invoer::Leegmaken:
            MaakLeeg(combo->lineEdit());
            break;
        case Invoer::Typen:
            MaakLeeg(combo->lineEdit());
            QTest::keyClicks(combo->lineEdit(), tekst);
            break;
        case Invoer::VolgendeKeuze:
            QTest::keyClick(combo, Qt::Key_Down);
            break;
        }
    }

    void vulHoofdVenster()
    {
        for (int i = 1; i <= 3; ++i)
            m_hoofd->items().VoegToe(Item { QStringLiteral("2018-04-0%1").arg(i),
                QStringLiteral("Brood"), QString(), QStringLiteral("2,00") });
        m_hoofd->Label6().setText(QStringLiteral("Aantal Items : 3"));
        m_hoofd->Label7().setText(QStringLiteral("Naam..... : 2018 April"));
        m_hoofd->Label8().setText(QStringLiteral("Saldo..... : € -6,00"));
        m_hoofd->UitLabel().setText(QStringLiteral("€ 6,00"));
        waarden().LijstNaam = QStringLiteral("2018 April");
    }

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestProgramma>();
        m_test->klok().setNow(QDateTime(QDate(2018, 5, 15), QTime(10, 0)));
        m_hoofd = std::make_unique<FakeHoofdVenster>(m_test->programma());
    }

    void cleanup()
    {
        m_test->berichten().verifyDone();
        m_hoofd.reset();
        m_test.reset();
    }

    void venster()
    {
        NieuwForm form(*m_hoofd);
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Nieuw Geldlog"));
        QCOMPARE(form.size(), BinnenMaat(6600, 2100));
        QCOMPARE(KleurTekst(Achtergrond(form, { 2, 2 })), KleurTekst(QColor(210, 230, 190)));
    }

    // The combo boxes keep a height of their own; the day is 15 May 2018.
    void besturing_data()
    {
        BesturingKolommen();
        const QColor geen;
        QTest::newRow("Combo2") << QStringLiteral("Combo2") << QRect(12, 14, 62, -1)
                                << QColor(30, 0, 0) << QColor(230, 230, 230)
                                << QStringLiteral("2018");
        QTest::newRow("Combo1") << QStringLiteral("Combo1") << QRect(80, 14, 140, -1)
                                << QColor(30, 0, 0) << QColor(230, 230, 230)
                                << QStringLiteral("Mei");
        QTest::newRow("Label1") << QStringLiteral("Label1") << QRect(226, 17, -1, -1) << geen
                                << geen << QStringLiteral("Jaar, Maand");
        QTest::newRow("Label2") << QStringLiteral("Label2") << QRect(12, 50, 210, 60) << geen
                                << QColor(0, 80, 80)
                                << QStringLiteral("Selecteer het jaartal en de maand die je wilt "
                                                  "aanmaken en bewerken, of vul een nieuwe naam "
                                                  "in voor de maand.");
        QTest::newRow("CancelKnop") << QStringLiteral("CancelKnop") << QRect(284, 74, 66, 24)
                                    << geen << geen << QStringLiteral("Annuleren");
        QTest::newRow("OkKnop") << QStringLiteral("OkKnop") << QRect(354, 74, 66, 24) << geen
                                << geen << QStringLiteral("Ok");
    }

    void besturing()
    {
        NieuwForm form(*m_hoofd);
        form.show();
        ControleerBesturing(form);
    }

    void keuzes()
    {
        NieuwForm form(*m_hoofd);
        QStringList jaren;
        for (int jaar = 2000; jaar <= 2050; ++jaar)
            jaren << QString::number(jaar);
        QCOMPARE(Items(*Combo(form, "Combo2")), jaren);
        QCOMPARE(Items(*Combo(form, "Combo1")),
            (QStringList { QStringLiteral("Januari"), QStringLiteral("Februari"),
                QStringLiteral("Maart"), QStringLiteral("April"), QStringLiteral("Mei"),
                QStringLiteral("Juni"), QStringLiteral("Juli"), QStringLiteral("Augustus"),
                QStringLiteral("September"), QStringLiteral("Oktober"), QStringLiteral("November"),
                QStringLiteral("December") }));
    }

    void beginMetVandaag_data()
    {
        QTest::addColumn<QDate>("vandaag");
        QTest::addColumn<QString>("jaar");
        QTest::addColumn<QString>("maand");
        QTest::newRow("mei 2018") << QDate(2018, 5, 31) << QStringLiteral("2018")
                                  << QStringLiteral("Mei");
        QTest::newRow("januari 2000")
            << QDate(2000, 1, 1) << QStringLiteral("2000") << QStringLiteral("Januari");
        QTest::newRow("december 2050")
            << QDate(2050, 12, 31) << QStringLiteral("2050") << QStringLiteral("December");
        QTest::newRow("voor de lijst")
            << QDate(1999, 8, 2) << QStringLiteral("1999") << QStringLiteral("Augustus");
        QTest::newRow("na de lijst")
            << QDate(2061, 3, 9) << QStringLiteral("2061") << QStringLiteral("Maart");
    }

    void beginMetVandaag()
    {
        QFETCH(QDate, vandaag);
        QFETCH(QString, jaar);
        QFETCH(QString, maand);
        m_test->klok().setNow(QDateTime(vandaag, QTime(23, 59)));
        NieuwForm form(*m_hoofd);
        form.show();
        QCOMPARE(Combo(form, "Combo2")->currentText(), jaar);
        QCOMPARE(Combo(form, "Combo1")->currentText(), maand);
    }

    void okGeeftLegeLijstMetNaam_data()
    {
        QTest::addColumn<Invoer>("jaarInvoer");
        QTest::addColumn<QString>("jaarTekst");
        QTest::addColumn<Invoer>("maandInvoer");
        QTest::addColumn<QString>("maandTekst");
        QTest::addColumn<QString>("naam");
        QTest::addColumn<bool>("gewijzigd");
        QTest::newRow("huidige maand") << Invoer::Laten << QString() << Invoer::Laten << QString()
                                       << QStringLiteral("2018 Mei") << false;
        QTest::newRow("huidige maand, lijst gewijzigd")
            << Invoer::Laten << QString() << Invoer::Laten << QString()
            << QStringLiteral("2018 Mei") << true;
        QTest::newRow("eigen naam")
            << Invoer::Laten << QString() << Invoer::Typen << QStringLiteral("Vakantie")
            << QStringLiteral("2018 Vakantie") << false;
        QTest::newRow("begin van een maand getypt")
            << Invoer::Laten << QString() << Invoer::Typen << QStringLiteral("Ma")
            << QStringLiteral("2018 Ma") << false;
        QTest::newRow("volgende maand gekozen")
            << Invoer::VolgendeKeuze << QString() << Invoer::VolgendeKeuze << QString()
            << QStringLiteral("2019 Juni") << false;
        QTest::newRow("spaties blijven")
            << Invoer::Typen << QStringLiteral(" 2020") << Invoer::Typen << QStringLiteral("Mei ")
            << QStringLiteral(" 2020 Mei ") << false;
        QTest::newRow("twee lege vakken") << Invoer::Leegmaken << QString() << Invoer::Leegmaken
                                          << QString() << QStringLiteral(" ") << false;
    }

    void okGeeftLegeLijstMetNaam()
    {
        QFETCH(Invoer, jaarInvoer);
        QFETCH(QString, jaarTekst);
        QFETCH(Invoer, maandInvoer);
        QFETCH(QString, maandTekst);
        QFETCH(QString, naam);
        QFETCH(bool, gewijzigd);
        vulHoofdVenster();
        waarden().Gewijzigd = gewijzigd;
        waarden().EigenLijst = QStringLiteral("2018 April");
        if (gewijzigd)
            m_test->berichten().queue(MessageBoxes::Answer::Yes);
        m_hoofd->verbergTabel();
        m_test->schrijfData(QStringLiteral("2018 Mei.lst"), QByteArrayLiteral("oud"));

        NieuwForm form(*m_hoofd);
        form.show();
        bedien(Combo(form, "Combo2"), jaarInvoer, jaarTekst);
        bedien(Combo(form, "Combo1"), maandInvoer, maandTekst);
        Klik(form, QStringLiteral("OkKnop"));

        QCOMPARE(waarden().LijstNaam, naam);
        QCOMPARE(m_hoofd->labels(),
            (QStringList { QStringLiteral("Aantal Items : 0"),
                QStringLiteral("Naam..... : ") + naam, QStringLiteral("Saldo..... : "),
                QStringLiteral("€ 00,00"), QStringLiteral("€ 00,00") }));
        QCOMPARE(m_hoofd->items().Aantal(), 0);
        QVERIFY(m_hoofd->tabelZichtbaar());
        // An empty list of its own, with no file yet, even where one of its name exists.
        QVERIFY(!waarden().Gewijzigd);
        QCOMPARE(waarden().EigenLijst, QString());
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
        // Nothing is written, nor an existing list of that name loaded or touched.
        QCOMPARE(m_test->leesData(QStringLiteral("2018 Mei.lst")), QByteArrayLiteral("oud"));
        QCOMPARE(QDir(m_test->dataMap()).entryList(QDir::Files),
            QStringList { QStringLiteral("2018 Mei.lst") });
    }

    void annulerenLaatAllesStaan()
    {
        vulHoofdVenster();
        m_hoofd->verbergTabel();
        const QStringList labels = m_hoofd->labels();
        NieuwForm form(*m_hoofd);
        form.show();
        Klik(form, QStringLiteral("CancelKnop"));
        QVERIFY(!form.isVisible());
        QCOMPARE(m_hoofd->labels(), labels);
        QCOMPARE(m_hoofd->items().Aantal(), 3);
        QVERIFY(!m_hoofd->tabelZichtbaar());
        QCOMPARE(waarden().LijstNaam, QStringLiteral("2018 April"));
    }

    // Two empty boxes name the list with one space, which the save dialog then refuses.
    void legeNaamWordtBijOpslaanGeweigerd()
    {
        bool gedaan = false;
        NieuwForm nieuw(*m_hoofd);
        QTimer::singleShot(0, &nieuw, [&] {
            MaakLeeg(Combo(nieuw, "Combo2")->lineEdit());
            MaakLeeg(Combo(nieuw, "Combo1")->lineEdit());
            Klik(nieuw, QStringLiteral("OkKnop"));
            gedaan = true;
        });
        QCOMPARE(nieuw.exec(), int(QDialog::Accepted));
        QVERIFY(gedaan);
        m_hoofd->items().VoegToe(Item { QStringLiteral("2018-05-01"), QStringLiteral("Brood"),
            QString(), QStringLiteral("2,00") });

        SaveForm opslaan(*m_hoofd);
        opslaan.show();
        QCOMPARE(Kind<QLineEdit>(opslaan, QStringLiteral("Text1"))->text(), QStringLiteral(" "));
        m_test->berichten().queue(MessageBoxes::Answer::Ok);
        Klik(opslaan, QStringLiteral("SaveKnop"));
        QCOMPARE(m_test->berichten().shown().size(), 1);
        QCOMPARE(m_test->berichten().shown().first().text, QStringLiteral("Naam ontbreekt!"));
        QVERIFY(opslaan.isVisible());
        QVERIFY(QDir(m_test->dataMap()).isEmpty());
    }
};

QTEST_MAIN(TstNieuwForm)
#include "tst_nieuwform.moc"
