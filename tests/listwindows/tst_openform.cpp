#include "DialoogBesturing.h"
#include "FakeHoofdVenster.h"
#include "LijstGroep.h"
#include "ModelRows.h"
#include "TestProgramma.h"
#include "common/Opmaak.h"
#include "common/Programma.h"
#include "listwindows/OpenForm.h"
#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

QStringList Namen(const QListWidget &lijst)
{
    QStringList namen;
    for (int i = 0; i < lijst.count(); ++i)
        namen << lijst.item(i)->text();
    return namen;
}

} // namespace

class TstOpenForm : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramma> m_test;
    std::unique_ptr<FakeHoofdVenster> m_hoofd;

    ProgrammaWaarden &waarden() { return m_test->programma().Waarden(); }
    QStringList dataBestanden() const
    {
        return QDir(m_test->dataMap()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }
    void maakLijsten(const QStringList &bestanden)
    {
        for (const QString &bestand : bestanden)
            m_test->schrijfData(bestand, Groep("2026-01-01", "Brood", "", "1,00"));
    }

    static QListWidget *List1(const OpenForm &form)
    {
        return Kind<QListWidget>(form, QStringLiteral("List1"));
    }

    static void kiesMetMuis(const OpenForm &form, const QString &naam)
    {
        QListWidget *lijst = List1(form);
        const QList<QListWidgetItem *> gevonden = lijst->findItems(naam, Qt::MatchExactly);
        if (gevonden.size() != 1)
            qFatal("no single name %s", qPrintable(naam));
        QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {},
            lijst->visualItemRect(gevonden.first()).center());
    }

    void vulHoofdVenster()
    {
        m_hoofd->items().VoegToe(Item { QStringLiteral("2025-12-31"), QStringLiteral("Oud"),
            QStringLiteral("9,00"), QString() });
        m_hoofd->Label6().setText(QStringLiteral("Aantal Items : 1"));
        m_hoofd->Label7().setText(QStringLiteral("Naam..... : oud"));
        m_hoofd->Label8().setText(QStringLiteral("Saldo..... : € 9,00"));
        m_hoofd->InkLabel().setText(QStringLiteral("€ 9,00"));
        waarden().LijstNaam = QStringLiteral("oud");
    }

private Q_SLOTS:
    void init()
    {
        m_test = std::make_unique<TestProgramma>();
        m_hoofd = std::make_unique<FakeHoofdVenster>(m_test->programma());
    }

    void cleanup()
    {
        m_test->berichten().verifyDone();
        m_hoofd.reset();
        m_test.reset();
    }

    void namenLijst_data()
    {
        QTest::addColumn<QStringList>("bestanden");
        QTest::addColumn<QStringList>("namen");
        QTest::newRow("leeg") << QStringList() << QStringList();
        QTest::newRow("zonder .lst") << QStringList { QStringLiteral("2018 Januari.lst") }
                                     << QStringList { QStringLiteral("2018 Januari") };
        QTest::newRow("hoofdletters tellen niet")
            << QStringList { QStringLiteral("b.lst"), QStringLiteral("C.lst"),
                   QStringLiteral("A.lst"), QStringLiteral("a2.lst") }
            << QStringList { QStringLiteral("A"), QStringLiteral("a2"), QStringLiteral("b"),
                   QStringLiteral("C") };
        QTest::newRow("punten blijven")
            << QStringList { QStringLiteral("v1.2.lst"), QStringLiteral("2018.01 Jan.lst") }
            << QStringList { QStringLiteral("2018.01 Jan"), QStringLiteral("v1.2") };
        QTest::newRow("accenten bij hun letter")
            << QStringList { QStringLiteral("Zo\u00eb.lst"), QStringLiteral("Emma.lst"),
                   QStringLiteral("\u00e9mile.lst"), QStringLiteral("Frits.lst") }
            << QStringList { QStringLiteral("\u00e9mile"), QStringLiteral("Emma"),
                   QStringLiteral("Frits"), QStringLiteral("Zo\u00eb") };
        QTest::newRow("op naam, niet op bestandsnaam")
            << QStringList { QStringLiteral("a.lst"), QStringLiteral("a b.lst") }
            << QStringList { QStringLiteral("a"), QStringLiteral("a b") };
        QTest::newRow("alleen lijsten")
            << QStringList { QStringLiteral("Vastelasten.vls"), QStringLiteral("Omschrijving.txt"),
                   QStringLiteral("Mei.lst"), QStringLiteral("Mei.lst.bak") }
            << QStringList { QStringLiteral("Mei") };
        // Such files come from elsewhere: this program cannot open or save them by that name.
        QTest::newRow("alleen namen die een lijst kan hebben") << QStringList {
            QStringLiteral("Kas: 2018.lst"), QStringLiteral("a\\b.lst"), QStringLiteral("Mei?.lst"),
            QStringLiteral("\"Mei\".lst"), QStringLiteral("<a>.lst"), QStringLiteral("a|b.lst"),
            QStringLiteral("a*.lst"), QStringLiteral("tab\tin.lst"), QStringLiteral("..lst"),
            QStringLiteral("...lst"), QStringLiteral("Juni.lst")
        } << QStringList { QStringLiteral("Juni") };
    }

    void namenLijst()
    {
        QFETCH(QStringList, bestanden);
        QFETCH(QStringList, namen);
        maakLijsten(bestanden);
        OpenForm form(*m_hoofd);
        form.show();
        QCOMPARE(Namen(*List1(form)), namen);
        QVERIFY(List1(form)->selectedItems().isEmpty());
        QVERIFY(!Kind<VistaButton>(form, QStringLiteral("DelKnop"))->isEnabled());
    }

    void venster()
    {
        OpenForm form(*m_hoofd);
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Geldlog Openen"));
        QCOMPARE(form.size(), BinnenMaat(6000, 4500));
        QCOMPARE(KleurTekst(Achtergrond(form, { 2, 2 })), KleurTekst(QColor(210, 230, 190)));
    }

    void besturing_data()
    {
        BesturingKolommen();
        const QColor geen;
        QTest::newRow("List1") << QStringLiteral("List1") << QRect(12, 12, 160, 214)
                               << QColor(200, 220, 220) << QColor(60, 60, 60) << QString();
        QTest::newRow("Label2")
            << QStringLiteral("Label2") << QRect(180, 16, 198, 140) << geen << geen
            << QStringLiteral(
                   "Maak d.m.v. de linker lijst een keuze uit het geldlog dat je wilt openen.");
        QTest::newRow("Label1") << QStringLiteral("Label1") << QRect(220, 40, -1, -1) << geen
                                << QColor(100, 100, 100) << QStringLiteral("€");
        QTest::newRow("Label3") << QStringLiteral("Label3") << QRect(224, 44, -1, -1) << geen
                                << QColor(220, 240, 200) << QStringLiteral("€");
        QTest::newRow("DelKnop") << QStringLiteral("DelKnop") << QRect(12, 237, 66, 24) << geen
                                 << geen << QStringLiteral("Delete");
        QTest::newRow("CancelKnop") << QStringLiteral("CancelKnop") << QRect(244, 237, 66, 24)
                                    << geen << geen << QStringLiteral("Annuleren");
        QTest::newRow("OkKnop") << QStringLiteral("OkKnop") << QRect(314, 237, 66, 24) << geen
                                << geen << QStringLiteral("Ok");
    }

    void besturing()
    {
        OpenForm form(*m_hoofd);
        form.show();
        ControleerBesturing(form);
    }

    void euroTekenGrootVetSchuin_data()
    {
        QTest::addColumn<QString>("naam");
        QTest::newRow("Label1") << QStringLiteral("Label1");
        QTest::newRow("Label3") << QStringLiteral("Label3");
    }

    void euroTekenGrootVetSchuin()
    {
        QFETCH(QString, naam);
        OpenForm form(*m_hoofd);
        const QFont letter = Kind<QLabel>(form, naam)->font();
        QCOMPARE(letter.family(), QStringLiteral("Arial"));
        // 130 points at 96 dpi.
        QCOMPARE(letter.pixelSize(), 173);
        QVERIFY(letter.bold());
        QVERIFY(letter.italic());
    }

    // The large euro signs reach down to the buttons; they must not cover them nor take the
    // pointer from anything.
    void euroTekenBedektGeenKnop_data()
    {
        QTest::addColumn<QString>("knop");
        QTest::newRow("DelKnop") << QStringLiteral("DelKnop");
        QTest::newRow("CancelKnop") << QStringLiteral("CancelKnop");
        QTest::newRow("OkKnop") << QStringLiteral("OkKnop");
    }

    void euroTekenBedektGeenKnop()
    {
        QFETCH(QString, knop);
        OpenForm form(*m_hoofd);
        form.show();
        auto *besturing = Kind<VistaButton>(form, knop);
        // The outermost corner pixels are cut off every button.
        for (int x = 1; x < besturing->width() - 1; ++x) {
            for (int y : { 0, 1 }) {
                const QPoint waar = besturing->pos() + QPoint(x, y);
                QWidget *daar = form.childAt(waar);
                QVERIFY2(daar == besturing,
                    qPrintable(QStringLiteral("(%1, %2): %3")
                                   .arg(waar.x())
                                   .arg(waar.y())
                                   .arg(daar ? daar->objectName() : QStringLiteral("niets"))));
            }
        }
        for (const char *euro : { "Label1", "Label3" }) {
            auto *label = Kind<QLabel>(form, QString::fromLatin1(euro));
            const QPoint midden = label->geometry().center();
            QWidget *daar = form.childAt(midden);
            QVERIFY2(daar != label, euro);
        }
    }

    void zonderDataMapGeenNamen()
    {
        QVERIFY(QDir(m_test->dataMap()).removeRecursively());
        OpenForm form(*m_hoofd);
        form.show();
        QCOMPARE(List1(form)->count(), 0);
        QVERIFY(!QDir(m_test->dataMap()).exists());
    }

    void keuzeMaaktDeleteMogelijk_data()
    {
        QTest::addColumn<bool>("metMuis");
        QTest::newRow("klik") << true;
        QTest::newRow("toetsenbord") << false;
    }

    void keuzeMaaktDeleteMogelijk()
    {
        QFETCH(bool, metMuis);
        maakLijsten({ QStringLiteral("a.lst"), QStringLiteral("b.lst") });
        OpenForm form(*m_hoofd);
        form.show();
        auto *delKnop = Kind<VistaButton>(form, QStringLiteral("DelKnop"));
        QVERIFY(!delKnop->isEnabled());
        if (metMuis)
            kiesMetMuis(form, QStringLiteral("b"));
        else
            QTest::keyClick(List1(form), Qt::Key_Down);
        QVERIFY(delKnop->isEnabled());
        QCOMPARE(List1(form)->selectedItems().size(), 1);
    }

    void verwijderen_data()
    {
        QTest::addColumn<MessageBoxes::Answer>("antwoord");
        QTest::newRow("ja") << MessageBoxes::Answer::Yes;
        QTest::newRow("nee") << MessageBoxes::Answer::No;
    }

    void verwijderen()
    {
        QFETCH(MessageBoxes::Answer, antwoord);
        const bool ja = antwoord == MessageBoxes::Answer::Yes;
        maakLijsten({ QStringLiteral("2018 Januari.lst"), QStringLiteral("2018 Februari.lst") });
        vulHoofdVenster();
        const QStringList labels = m_hoofd->labels();
        OpenForm form(*m_hoofd);
        form.show();
        kiesMetMuis(form, QStringLiteral("2018 Januari"));

        m_test->berichten().queue(antwoord);
        Klik(form, QStringLiteral("DelKnop"));

        const MessageBoxes::Box vraag { QStringLiteral(
                                            "Wilt je het geldlog '2018 Januari' verwijderen?"),
            QStringLiteral("Delete"), MessageBoxes::Icon::None, MessageBoxes::Buttons::YesNo,
            MessageBoxes::DefaultButton::No };
        QCOMPARE(m_test->berichten().shown(), QList<MessageBoxes::Box> { vraag });
        const QStringList overgebleven = ja
            ? QStringList { QStringLiteral("2018 Februari") }
            : QStringList { QStringLiteral("2018 Februari"), QStringLiteral("2018 Januari") };
        QCOMPARE(Namen(*List1(form)), overgebleven);
        QStringList bestanden;
        for (const QString &naam : overgebleven)
            bestanden << naam + QStringLiteral(".lst");
        QCOMPARE(dataBestanden(), bestanden);
        QCOMPARE(List1(form)->selectedItems().isEmpty(), ja);
        QVERIFY(Kind<VistaButton>(form, QStringLiteral("DelKnop"))->isEnabled());
        QVERIFY(form.isVisible());
        // The main window is not touched, even when its list is the one deleted.
        QCOMPARE(m_hoofd->labels(), labels);
        QCOMPARE(m_hoofd->items().Aantal(), 1);
        QCOMPARE(waarden().LijstNaam, QStringLiteral("oud"));
    }

    void tweedeDeleteZonderNieuweKeuzeDoetNiets()
    {
        maakLijsten({ QStringLiteral("a.lst"), QStringLiteral("b.lst"), QStringLiteral("c.lst") });
        OpenForm form(*m_hoofd);
        form.show();
        kiesMetMuis(form, QStringLiteral("b"));
        m_test->berichten().queue(MessageBoxes::Answer::Yes);
        Klik(form, QStringLiteral("DelKnop"));
        m_test->berichten().verifyDone();

        // No question comes; a box would be counted as unexpected in cleanup.
        Klik(form, QStringLiteral("DelKnop"));
        QCOMPARE(m_test->berichten().shown().size(), 0);
        QCOMPARE(Namen(*List1(form)), (QStringList { QStringLiteral("a"), QStringLiteral("c") }));
        QCOMPARE(
            dataBestanden(), (QStringList { QStringLiteral("a.lst"), QStringLiteral("c.lst") }));
    }

    void verwijderenMislukt_data()
    {
        QTest::addColumn<bool>("bestandBlijft");
        QTest::newRow("bestand laat zich niet verwijderen") << true;
        QTest::newRow("bestand was al weg") << false;
    }

    void verwijderenMislukt()
    {
        QFETCH(bool, bestandBlijft);
        maakLijsten({ QStringLiteral("a.lst"), QStringLiteral("b.lst") });
        OpenForm form(*m_hoofd);
        form.show();
        kiesMetMuis(form, QStringLiteral("a"));

        // Behind the dialog's back the file goes, or becomes a folder that cannot be removed
        // as a file.
        QVERIFY(QFile::remove(m_test->dataMap() + QStringLiteral("a.lst")));
        if (bestandBlijft)
            QVERIFY(QDir(m_test->dataMap()).mkpath(QStringLiteral("a.lst/inhoud")));

        m_test->berichten().queue(MessageBoxes::Answer::Yes);
        if (bestandBlijft)
            m_test->berichten().queue(MessageBoxes::Answer::Ok);
        Klik(form, QStringLiteral("DelKnop"));

        const QList<MessageBoxes::Box> boxen = m_test->berichten().shown();
        QCOMPARE(boxen.size(), bestandBlijft ? 2 : 1);
        if (bestandBlijft) {
            QCOMPARE(boxen[1].title, QStringLiteral("Error"));
            QCOMPARE(boxen[1].icon, MessageBoxes::Icon::Critical);
            QCOMPARE(boxen[1].buttons, MessageBoxes::Buttons::Ok);
            QVERIFY2(boxen[1].text.contains(QStringLiteral("'a'"))
                    && boxen[1].text.contains(QStringLiteral("niet worden verwijderd")),
                qPrintable(boxen[1].text));
            QCOMPARE(
                Namen(*List1(form)), (QStringList { QStringLiteral("a"), QStringLiteral("b") }));
        } else {
            QCOMPARE(Namen(*List1(form)), QStringList { QStringLiteral("b") });
        }
    }

    void okZonderKeuzeLaatHoofdVensterStaan_data()
    {
        QTest::addColumn<bool>("verwijderdEerst");
        QTest::newRow("niets gekozen") << false;
        QTest::newRow("na verwijderen") << true;
    }

    void okZonderKeuzeLaatHoofdVensterStaan()
    {
        QFETCH(bool, verwijderdEerst);
        maakLijsten({ QStringLiteral("a.lst"), QStringLiteral("b.lst") });
        vulHoofdVenster();
        OpenForm form(*m_hoofd);
        form.show();
        if (verwijderdEerst) {
            kiesMetMuis(form, QStringLiteral("a"));
            m_test->berichten().queue(MessageBoxes::Answer::Yes);
            Klik(form, QStringLiteral("DelKnop"));
        }
        const QStringList labels = m_hoofd->labels();
        const QStringList rijen = ModelRows(m_hoofd->items());

        Klik(form, QStringLiteral("OkKnop"));

        QVERIFY(form.isVisible());
        QCOMPARE(m_hoofd->labels(), labels);
        QCOMPARE(ModelRows(m_hoofd->items()), rijen);
        QCOMPARE(waarden().LijstNaam, QStringLiteral("oud"));
    }

    void openen_data()
    {
        QTest::addColumn<bool>("dubbelKlik");
        QTest::addColumn<bool>("gewijzigd");
        QTest::newRow("Ok") << false << false;
        QTest::newRow("Ok, lijst gewijzigd") << false << true;
        QTest::newRow("dubbelklik") << true << false;
    }

    void openen()
    {
        QFETCH(bool, dubbelKlik);
        QFETCH(bool, gewijzigd);
        m_test->schrijfData(QStringLiteral("2018 Mei.lst"),
            Groep("2018-05-01", "Salaris", "100,00", "30,00") + Groep("-", "Huur", "", "500,00")
                + Groep("2018-05-02", "Rente", "50,25", ""));
        maakLijsten({ QStringLiteral("2018 April.lst") });
        vulHoofdVenster();
        waarden().Gewijzigd = gewijzigd;
        if (gewijzigd)
            m_test->berichten().queue(MessageBoxes::Answer::Yes);

        OpenForm form(*m_hoofd);
        form.show();
        if (dubbelKlik) {
            QListWidget *lijst = List1(form);
            const QRect plaats = lijst->visualItemRect(
                lijst->findItems(QStringLiteral("2018 Mei"), Qt::MatchExactly).first());
            // As the system delivers a double click: press, release, double click, release.
            QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {}, plaats.center());
            QTest::mouseDClick(lijst->viewport(), Qt::LeftButton, {}, plaats.center());
            QTest::mouseRelease(lijst->viewport(), Qt::LeftButton, {}, plaats.center());
        } else {
            kiesMetMuis(form, QStringLiteral("2018 Mei"));
            Klik(form, QStringLiteral("OkKnop"));
        }

        QCOMPARE(ModelRows(m_hoofd->items()),
            (QStringList { QStringLiteral("2018-05-01 | Salaris | 100,00 | 30,00"),
                QStringLiteral("2018-05-02 | Rente | 50,25 | ") }));
        QCOMPARE(m_hoofd->labels(),
            (QStringList { QStringLiteral("Aantal Items : 2"),
                QStringLiteral("Naam..... : 2018 Mei"), QStringLiteral("Saldo..... : € 120,25"),
                QStringLiteral("€ 150,25"), QStringLiteral("€ 30,00") }));
        QCOMPARE(waarden().LijstNaam, QStringLiteral("2018 Mei"));
        // The list opened is as stored, whatever became of the one before it.
        QCOMPARE(waarden().EigenLijst, QStringLiteral("2018 Mei"));
        QVERIFY(!waarden().Gewijzigd);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    void gewijzigdeLijstNeeLaatAllesStaan()
    {
        maakLijsten({ QStringLiteral("a.lst") });
        vulHoofdVenster();
        waarden().Gewijzigd = true;
        const QStringList labels = m_hoofd->labels();
        OpenForm form(*m_hoofd);
        form.show();
        kiesMetMuis(form, QStringLiteral("a"));
        m_test->berichten().queue(MessageBoxes::Answer::No);
        Klik(form, QStringLiteral("OkKnop"));

        const MessageBoxes::Box vraag { QStringLiteral(
                                            "De huidige lijst is gewijzigd en niet opgeslagen. "
                                            "Toch doorgaan?"),
            QStringLiteral("Geldlog"), MessageBoxes::Icon::None, MessageBoxes::Buttons::YesNo,
            MessageBoxes::DefaultButton::No };
        QCOMPARE(m_test->berichten().shown(), QList<MessageBoxes::Box> { vraag });
        QVERIFY(form.isVisible());
        QCOMPARE(m_hoofd->labels(), labels);
        QCOMPARE(ModelRows(m_hoofd->items()),
            QStringList { QStringLiteral("2025-12-31 | Oud | 9,00 | ") });
        QCOMPARE(waarden().LijstNaam, QStringLiteral("oud"));
        QVERIFY(waarden().Gewijzigd);
    }

    // The real boxes as the user meets them: Enter answers Nee to the question whether the
    // changed list may go, and a text shows as written, not read as markup.
    void echteBerichten()
    {
        QtMessageBoxes echt;
        Programma programma(m_test->map(), echt, m_test->klok(), m_test->printers());
        FakeHoofdVenster hoofd(programma);
        maakLijsten({ QStringLiteral("a.lst") });
        programma.Waarden().Gewijzigd = true;
        OpenForm form(hoofd);
        form.show();
        kiesMetMuis(form, QStringLiteral("a"));

        QString tekst;
        Qt::TextFormat opmaak = Qt::AutoText;
        QTimer zoeker;
        connect(&zoeker, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            zoeker.stop();
            const auto *label = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
            tekst = label->text();
            opmaak = label->textFormat();
            QTest::keyClick(box->focusWidget() ? box->focusWidget() : box, Qt::Key_Return);
        });
        zoeker.start(10);
        Klik(form, QStringLiteral("OkKnop"));
        QVERIFY(form.isVisible());
        QCOMPARE(hoofd.items().Aantal(), 0);
        QVERIFY(programma.Waarden().Gewijzigd);
        QVERIFY(tekst.startsWith(QStringLiteral("De huidige lijst is gewijzigd")));
        QCOMPARE(opmaak, Qt::PlainText);
    }

    void toetsenbordAlleen_data()
    {
        QTest::addColumn<QStringList>("bestanden");
        QTest::newRow("een lijst") << QStringList { QStringLiteral("a.lst") };
        QTest::newRow("twee lijsten")
            << QStringList { QStringLiteral("a.lst"), QStringLiteral("b.lst") };
    }

    void toetsenbordAlleen()
    {
        // The first arrow key chooses the first name, Enter opens it.
        QFETCH(QStringList, bestanden);
        maakLijsten(bestanden);
        OpenForm form(*m_hoofd);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        List1(form)->setFocus();
        QTRY_VERIFY(List1(form)->hasFocus());

        QTest::keyClick(List1(form), Qt::Key_Down);
        QTest::keyClick(List1(form), Qt::Key_Return);

        QCOMPARE(waarden().LijstNaam, QStringLiteral("a"));
        QCOMPARE(m_hoofd->Label7().text(), QStringLiteral("Naam..... : a"));
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    void openenModaal()
    {
        m_test->schrijfData(QStringLiteral("Mei.lst"), Groep("2018-05-01", "Brood", "", "2,00"));
        OpenForm form(*m_hoofd);
        QTimer::singleShot(0, &form, [&] {
            kiesMetMuis(form, QStringLiteral("Mei"));
            Klik(form, QStringLiteral("OkKnop"));
        });
        QCOMPARE(form.exec(), int(QDialog::Accepted));
        QCOMPARE(m_hoofd->Label7().text(), QStringLiteral("Naam..... : Mei"));
        QCOMPARE(m_hoofd->UitLabel().text(), QStringLiteral("€ 2,00"));
    }

    void annulerenLaatAllesStaan()
    {
        maakLijsten({ QStringLiteral("a.lst") });
        vulHoofdVenster();
        const QStringList labels = m_hoofd->labels();
        OpenForm form(*m_hoofd);
        form.show();
        kiesMetMuis(form, QStringLiteral("a"));
        Klik(form, QStringLiteral("CancelKnop"));
        QVERIFY(!form.isVisible());
        QCOMPARE(m_hoofd->labels(), labels);
        QCOMPARE(m_hoofd->items().Aantal(), 1);
        QCOMPARE(waarden().LijstNaam, QStringLiteral("oud"));
        QCOMPARE(dataBestanden(), QStringList { QStringLiteral("a.lst") });
    }
};

QTEST_MAIN(TstOpenForm)
#include "tst_openform.moc"
