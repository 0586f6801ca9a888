// The balance overview and the program information as the main window offers them: the scan
// while the rest of the window stays in use, and the about dialog from the menu.
#include "LijstGroep.h"
#include "MainFixture.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QListWidget>
#include <QTimer>
#include <QTreeView>

using namespace Qt::StringLiterals;

namespace {

// Acts once in the modal dialog that opens next: `handeling` gets it; its objectName is kept.
void InDialoog(QString &naam, std::function<void(QWidget &)> handeling)
{
    QTimer::singleShot(0, [&naam, handeling] {
        QWidget *dialoog = QApplication::activeModalWidget();
        if (!dialoog)
            qFatal("no dialog opened");
        naam = dialoog->objectName();
        handeling(*dialoog);
    });
}

} // namespace

class TestMainOverzicht : public QObject {
    Q_OBJECT

private:
    MainFixture f;

    void startMetDrieMaanden()
    {
        f.omgeving.schrijfData(
            QStringLiteral("2026 Februari.lst"), Groep("2026-02-01", "Post", "", "40"));
        f.omgeving.schrijfData(QStringLiteral("2026 Januari.lst"),
            Groep("2026-01-01", "Post", "100,00", "30,00")
                + Groep("2026-01-02", "Post", "50,25", ""));
        f.omgeving.schrijfData(
            QStringLiteral("2026 Maart.lst"), Groep("2026-03-01", "Post", "", ""));
        f.start();
        f.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.main.get()));
        f.click(QStringLiteral("GrafiekKnop"));
    }

    QStringList saldi() const
    {
        const QAbstractItemModel *model = f.find<QTreeView>(QStringLiteral("List1"))->model();
        QStringList saldi;
        for (int rij = 0; rij < model->rowCount(); ++rij)
            saldi.append(model->index(rij, 1).data().toString());
        return saldi;
    }

    // Runs `handeling` at the scan's first pause only: dialogs opened there pause too.
    void bijEerstePauze(std::function<void()> handeling)
    {
        f.omgeving.klok().onWait([handeling, eerste = true](int) mutable {
            if (std::exchange(eerste, false))
                handeling();
        });
    }

    const QStringList drieSaldi { u"-40,00"_s, u"120,25"_s, u"0,00"_s };

private Q_SLOTS:
    void cleanup()
    {
        f.omgeving.klok().onWait({});
        f.main.reset();
        f.omgeving.berichten().verifyDone();
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    void showsEveryMonthAndKeepsItAcrossSwitches()
    {
        startMetDrieMaanden();
        // Unsaved entries do not count: the overview reads the saved lists.
        f.add(QStringLiteral("Huur"), QString(), QStringLiteral("500"));
        const int vooraf = f.omgeving.klok().waits();
        f.click(QStringLiteral("ShowKnop"));
        QCOMPARE(saldi(), drieSaldi);
        QCOMPARE(f.text(QStringLiteral("Label11")), QStringLiteral("Totaal € 80,25"));
        QCOMPARE(f.text(QStringLiteral("Label12")), QStringLiteral("Gereed..."));
        QCOMPARE(f.omgeving.klok().waits() - vooraf, 3);

        f.click(QStringLiteral("GrafiekKnop"));
        QVERIFY(f.find(QStringLiteral("Frame4"))->isHidden());
        f.click(QStringLiteral("GrafiekKnop"));
        QCOMPARE(saldi(), drieSaldi);
        QCOMPARE(f.text(QStringLiteral("Label11")), QStringLiteral("Totaal € 80,25"));
    }

    void closingDuringTheScan_data()
    {
        QTest::addColumn<bool>("gewijzigd");
        QTest::addColumn<int>("antwoord");
        QTest::addColumn<bool>("sluit");

        QTest::newRow("unchanged") << false << -1 << true;
        QTest::newRow("changed, Ja") << true << int(MessageBoxes::Answer::Yes) << true;
        QTest::newRow("changed, Nee") << true << int(MessageBoxes::Answer::No) << false;
    }

    void closingDuringTheScan()
    {
        QFETCH(bool, gewijzigd);
        QFETCH(int, antwoord);
        QFETCH(bool, sluit);

        startMetDrieMaanden();
        if (gewijzigd)
            f.add(QStringLiteral("Huur"), QString(), QStringLiteral("500"));
        if (antwoord >= 0)
            f.omgeving.berichten().queue(MessageBoxes::Answer(antwoord));
        bijEerstePauze([this] { f.main->close(); });
        const int vooraf = f.omgeving.klok().waits();
        f.click(QStringLiteral("ShowKnop"));

        QCOMPARE(f.main->isHidden(), sluit);
        // A closed window stops the scan at that pause; a window kept open sees it through.
        QCOMPARE(f.omgeving.klok().waits() - vooraf, sluit ? 1 : 3);
        QCOMPARE(f.text(QStringLiteral("Label12")),
            sluit ? QStringLiteral("Bestand") : QStringLiteral("Gereed..."));
        QCOMPARE(saldi(), sluit ? drieSaldi.mid(0, 1) : drieSaldi);
    }

    void openingAListDuringTheScan()
    {
        startMetDrieMaanden();
        QString dialoog;
        bijEerstePauze([&] {
            InDialoog(dialoog, [](QWidget &open) {
                auto *lijst = open.findChild<QListWidget *>(QStringLiteral("List1"));
                lijst->setCurrentRow(1);
                QTest::mouseClick(open.findChild<VistaButton *>(QStringLiteral("OkKnop")),
                    Qt::LeftButton, {}, QPoint(10, 10));
            });
            f.click(QStringLiteral("MenuKnop(1)"));
        });
        f.click(QStringLiteral("ShowKnop"));

        QCOMPARE(dialoog, QStringLiteral("OpenForm"));
        QCOMPARE(f.main->items().Aantal(), 2);
        QCOMPARE(f.text(QStringLiteral("Label7")), QStringLiteral("Naam..... : 2026 Januari"));
        QCOMPARE(saldi(), drieSaldi);
        QCOMPARE(f.text(QStringLiteral("Label11")), QStringLiteral("Totaal € 80,25"));
    }

    void savingDuringTheScan()
    {
        startMetDrieMaanden();
        f.add(QStringLiteral("Huur"), QString(), QStringLiteral("500"));
        QString dialoog;
        bijEerstePauze([&] {
            InDialoog(dialoog, [](QWidget &opslaan) {
                opslaan.findChild<QLineEdit *>(QStringLiteral("Text1"))
                    ->setText(QStringLiteral("2026 April"));
                QTest::mouseClick(opslaan.findChild<VistaButton *>(QStringLiteral("SaveKnop")),
                    Qt::LeftButton, {}, QPoint(10, 10));
            });
            f.click(QStringLiteral("MenuKnop(2)"));
        });
        f.click(QStringLiteral("ShowKnop"));

        // The list saved meanwhile is on disk, and this scan keeps to the lists it started with.
        QCOMPARE(dialoog, QStringLiteral("SaveForm"));
        QVERIFY(!f.omgeving.leesData(QStringLiteral("2026 April.lst")).isEmpty());
        QCOMPARE(saldi(), drieSaldi);
        QCOMPARE(f.text(QStringLiteral("Label11")), QStringLiteral("Totaal € 80,25"));

        f.omgeving.klok().onWait({});
        f.click(QStringLiteral("ShowKnop"));
        QCOMPARE(saldi(), (QStringList { u"-500,00"_s, u"-40,00"_s, u"120,25"_s, u"0,00"_s }));
        QCOMPARE(f.text(QStringLiteral("Label11")), QStringLiteral("Totaal € -419,75"));
    }

    void programInformationOpensModallyAndEscapeClosesIt()
    {
        f.start();
        f.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.main.get()));
        QString dialoog;
        InDialoog(dialoog, [](QWidget &over) { QTest::keyClick(&over, Qt::Key_Escape); });
        f.click(QStringLiteral("MenuKnop(5)"));
        QCOMPARE(dialoog, QStringLiteral("AboutForm"));
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(TestMainOverzicht)
#include "tst_mainoverzicht.moc"
