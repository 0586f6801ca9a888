// The main window as it starts, is laid out, shows its help and overview panels, keeps its
// clock, opens the statement chooser and closes; its message boxes and tooltips in the desktop's
// font.
#include "MainFixture.h"
#include "app/Toepassing.h"
#include "platform/MessageBoxes.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFrame>
#include <QHeaderView>
#include <QHelpEvent>
#include <QTimer>
#include <QTreeView>

class TestMain : public QObject {
    Q_OBJECT

private:
    MainFixture f;

    bool closeMain() const
    {
        QCloseEvent event;
        QApplication::sendEvent(f.main.get(), &event);
        return event.isAccepted();
    }

private Q_SLOTS:
    void cleanup()
    {
        f.main.reset();
        f.omgeving.berichten().verifyDone();
        f.omgeving.klok().setNow(QDateTime(QDate(2026, 12, 3), QTime(16, 38, 4)));
    }

    void startsWithTodayAndEmptyTotals()
    {
        f.start();
        QCOMPARE(f.main->windowTitle(), QStringLiteral("Mijn Geldlog"));
        QCOMPARE(f.combo(QStringLiteral("Combo1"))->currentText(), QStringLiteral("2026"));
        QCOMPARE(f.combo(QStringLiteral("Combo2"))->currentText(), QStringLiteral("December"));
        QCOMPARE(f.combo(QStringLiteral("Combo3"))->currentText(), QStringLiteral("3"));
        QCOMPARE(f.combo(QStringLiteral("Combo4"))->currentText(), QString());
        QCOMPARE(f.text(QStringLiteral("Label6")), QStringLiteral("Aantal Items : 0"));
        QCOMPARE(f.text(QStringLiteral("InkLabel")), QStringLiteral("€ 00,00"));
        QCOMPARE(f.text(QStringLiteral("UitLabel")), QStringLiteral("€ 00,00"));
        QCOMPARE(f.text(QStringLiteral("Label7")), QStringLiteral("Naam..... : "));
        QCOMPARE(f.text(QStringLiteral("Label8")), QStringLiteral("Saldo..... : "));
        QCOMPARE(f.text(QStringLiteral("Label5")), QStringLiteral("Omschrijving (0)"));
        QCOMPARE(f.text(QStringLiteral("KlokLabel")), QStringLiteral("00:00"));
        QCOMPARE(f.main->items().Aantal(), 0);
        QCOMPARE(f.omgeving.programma().Waarden().Gewijzigd, false);
        QCOMPARE(f.omgeving.programma().Waarden().LijstNaam, QString());
        QVERIFY(f.shown(QStringLiteral("ListView1")));
        QVERIFY(!f.shown(QStringLiteral("HelpPic")));
        QVERIFY(f.shown(QStringLiteral("Frame2")));
        QVERIFY(!f.shown(QStringLiteral("Frame4")));
    }

    // The program shows its window before it makes the controls: they must all show too.
    void windowShownBeforeItsControlsShowsThemAll()
    {
        const auto shownControls = [](const Main &window) {
            QStringList names;
            for (const QWidget *control : window.findChildren<QWidget *>())
                if (control->isVisible())
                    names.append(control->objectName());
            names.sort();
            return names;
        };
        Main later(f.omgeving.programma());
        later.show();
        const Main atOnce(f.omgeving.programma(), Main::Tonen::Meteen);
        QVERIFY(atOnce.isVisible());
        QVERIFY(shownControls(later).contains(QStringLiteral("MenuLabel(5)")));
        QCOMPARE(shownControls(atOnce), shownControls(later));
    }

    void startsInTheYearOfToday_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");

        QTest::newRow("first year") << QDate(2000, 1, 1) << "2000"
                                    << "Januari"
                                    << "1";
        QTest::newRow("last year") << QDate(2050, 12, 31) << "2050"
                                   << "December"
                                   << "31";
        QTest::newRow("after the list") << QDate(2051, 5, 9) << ""
                                        << "Mei"
                                        << "9";
        QTest::newRow("before the list") << QDate(1999, 2, 28) << ""
                                         << "Februari"
                                         << "28";
    }

    void startsInTheYearOfToday()
    {
        QFETCH(QDate, today);
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, day);

        f.omgeving.klok().setNow(QDateTime(today, QTime(8, 0)));
        f.start();
        QCOMPARE(f.combo(QStringLiteral("Combo1"))->currentText(), year);
        QCOMPARE(f.combo(QStringLiteral("Combo2"))->currentText(), month);
        QCOMPARE(f.combo(QStringLiteral("Combo3"))->currentText(), day);
    }

    void descriptionsComeSortedWithTheEmptyOneFirst()
    {
        f.omgeving.schrijfData(QStringLiteral("Omschrijving.txt"),
            "boodschappen\r\nHuur\r\n\r\nAuto\r\nzorgverzekering\r\n");
        f.start();
        QComboBox *combo = f.combo(QStringLiteral("Combo4"));
        QStringList items;
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        QCOMPARE(items,
            (QStringList { QString(), QString(), QStringLiteral("Auto"),
                QStringLiteral("boodschappen"), QStringLiteral("Huur"),
                QStringLiteral("zorgverzekering") }));
        QCOMPARE(combo->currentIndex(), 0);
        // The blank line counts as a description; the empty first item does not.
        QCOMPARE(f.text(QStringLiteral("Label5")), QStringLiteral("Omschrijving (5)"));
    }

    void controlsStandAtTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");

        // Twips divided by 15.
        QTest::newRow("table") << "ListView1" << QRect(15, 16, 726, 400);
        QTest::newRow("help screen") << "HelpPic" << QRect(15, 16, 726, 400);
        QTest::newRow("input panel") << "Frame1" << QRect(14, 440, 728, 180);
        QTest::newRow("menu panel") << "Frame2" << QRect(756, 9, 326, 408);
        QTest::newRow("overview panel") << "Frame4" << QRect(756, 9, 326, 408);
        QTest::newRow("name panel") << "Frame3" << QRect(756, 440, 326, 180);
        QTest::newRow("income") << "Text2" << QRect(12, 80, 80, 24);
        QTest::newRow("expense") << "Text3" << QRect(12, 110, 80, 24);
        QTest::newRow("add") << "Knop(0)" << QRect(12, 144, 80, 24);
        QTest::newRow("change") << "Knop(1)" << QRect(96, 144, 80, 24);
        QTest::newRow("delete") << "Knop(2)" << QRect(180, 144, 80, 24);
        QTest::newRow("fixed costs") << "VasteLastenKnop" << QRect(652, 144, 66, 24);
        QTest::newRow("first menu button") << "MenuKnop(0)" << QRect(17, 25, 56, 56);
        QTest::newRow("last menu button") << "MenuKnop(5)" << QRect(17, 335, 56, 56);
        QTest::newRow("help") << "HelpKnop" << QRect(12, 112, 56, 56);
        QTest::newRow("overview") << "GrafiekKnop" << QRect(74, 112, 56, 56);
        QTest::newRow("exit") << "ExitKnop" << QRect(258, 112, 56, 56);
        QTest::newRow("show") << "ShowKnop" << QRect(160, 100, 66, 24);
        QTest::newRow("balances") << "List1" << QRect(13, 100, 140, 259);
        QTest::newRow("overview text") << "Label10" << QRect(10, 16, 304, 80);
    }

    void inputsStartAtTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<int>("width");

        QTest::newRow("year") << "Combo1" << QPoint(12, 20) << 62;
        QTest::newRow("month") << "Combo2" << QPoint(80, 20) << 140;
        QTest::newRow("day") << "Combo3" << QPoint(226, 20) << 50;
        QTest::newRow("description") << "Combo4" << QPoint(12, 50) << 400;
    }

    void inputsStartAtTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, topLeft);
        QFETCH(int, width);
        f.start();
        QCOMPARE(f.find(name)->pos(), topLeft);
        QCOMPARE(f.find(name)->width(), width);
    }

    void controlsHaveTheirFontsAndColours_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("pixelSize"); // points at 96 dpi
        QTest::addColumn<bool>("bold");
        QTest::addColumn<int>("role");
        QTest::addColumn<QColor>("colour");

        const int text = QPalette::WindowText;
        QTest::newRow("count") << "Label6" << 12 << true << text << QColor(Qt::black);
        QTest::newRow("income total") << "InkLabel" << 12 << true << text << QColor(0, 128, 0);
        QTest::newRow("expense total") << "UitLabel" << 12 << true << text << QColor(128, 0, 0);
        QTest::newRow("clock") << "KlokLabel" << 12 << true << text << QColor(128, 128, 128);
        QTest::newRow("name") << "Label7" << 16 << true << text << QColor(Qt::black);
        QTest::newRow("balance") << "Label8" << 16 << true << text << QColor(Qt::black);
        QTest::newRow("menu label") << "MenuLabel(3)" << 19 << true << text << QColor(90, 90, 70);
        QTest::newRow("overview text") << "Label10" << 12 << false << text << QColor(Qt::black);
        QTest::newRow("file") << "Label12" << 12 << false << text << QColor(Qt::black);
        QTest::newRow("table") << "ListView1" << 13 << false << int(QPalette::Base)
                               << QColor(210, 210, 210);
        QTest::newRow("income box")
            << "Text2" << 13 << false << int(QPalette::Base) << QColor(30, 0, 0);
        QTest::newRow("expense text")
            << "Text3" << 13 << false << int(QPalette::Text) << QColor(230, 230, 230);
        QTest::newRow("year") << "Combo1" << 12 << false << int(QPalette::Button)
                              << QColor(30, 0, 0);
        QTest::newRow("description")
            << "Combo4" << 12 << false << int(QPalette::Base) << QColor(30, 0, 0);
        QTest::newRow("balances") << "List1" << 12 << false << int(QPalette::Base)
                                  << QColor(210, 210, 150);
        QTest::newRow("balances text")
            << "List1" << 12 << false << int(QPalette::Text) << QColor(30, 30, 30);
        QTest::newRow("input panel")
            << "Frame1" << 12 << false << int(QPalette::Window) << QColor(230, 230, 180);
        QTest::newRow("overview panel")
            << "Frame4" << 12 << false << int(QPalette::Window) << QColor(230, 230, 180);
    }

    void controlsHaveTheirFontsAndColours()
    {
        QFETCH(QString, name);
        QFETCH(int, pixelSize);
        QFETCH(bool, bold);
        QFETCH(int, role);
        QFETCH(QColor, colour);
        f.start();
        f.openPanels();
        QWidget *control = f.find(name);
        QCOMPARE(control->font().family(), QStringLiteral("Arial"));
        QCOMPARE(control->font().pixelSize(), pixelSize);
        QCOMPARE(control->font().bold(), bold);
        QCOMPARE(control->palette().color(QPalette::ColorRole(role)), colour);
    }

    void controlsStandAtTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        f.start();
        f.openPanels();
        QCOMPARE(f.find(name)->geometry(), place);
    }

    void labelsStartAtTheirPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("topLeft");
        QTest::addColumn<QString>("text");

        QTest::newRow("count") << "Label6" << QPoint(16, 420) << "Aantal Items : 0";
        QTest::newRow("total") << "Label1" << QPoint(478, 420) << "Totaal :";
        QTest::newRow("date") << "Label2" << QPoint(284, 24) << "Jaar, Maand, Dag";
        QTest::newRow("income") << "Label3" << QPoint(100, 84)
                                << "Inkomsten (b.v. 123,78 of 45,00)";
        QTest::newRow("expense") << "Label4" << QPoint(100, 114) << "Uitgaven";
        QTest::newRow("fixed costs") << "Label9" << QPoint(582, 149) << "Vaste lasten";
        QTest::newRow("name") << "Label7" << QPoint(14, 18) << "Naam..... : ";
        QTest::newRow("saldo") << "Label8" << QPoint(14, 40) << "Saldo..... : ";
        QTest::newRow("first menu") << "MenuLabel(0)" << QPoint(86, 45) << "Nieuw Geldlog";
        QTest::newRow("last menu") << "MenuLabel(5)" << QPoint(86, 355) << "Programma Info";
        QTest::newRow("file") << "Label12" << QPoint(160, 344) << "Bestand";
        QTest::newRow("overview total") << "Label11" << QPoint(12, 364) << "Totaal €";
    }

    void labelsStartAtTheirPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QPoint, topLeft);
        QFETCH(QString, text);
        f.start();
        f.openPanels();
        auto *label = f.find<QLabel>(name);
        QCOMPARE(label->pos(), topLeft);
        QCOMPARE(label->text(), text);
    }

    void totalsKeepTheirRightEdgesUnderTheAmountColumns()
    {
        f.start();
        auto *table = f.find<QTreeView>(QStringLiteral("ListView1"));
        QCOMPARE(table->header()->sectionSize(0), 86);
        QCOMPARE(table->header()->sectionSize(1), 414);
        QCOMPARE(table->header()->sectionSize(2), 100);
        QCOMPARE(table->header()->sectionSize(3), 100);

        // A long total shows whole, growing to the left.
        auto *income = f.find<QLabel>(QStringLiteral("InkLabel"));
        f.main->InkLabel().setText(QStringLiteral("€ -123456789012345,00"));
        QVERIFY(income->width() >= income->fontMetrics().horizontalAdvance(income->text()));
        QCOMPARE(f.find(QStringLiteral("InkLabel"))->geometry().right() + 1, 615);
        QCOMPARE(f.find(QStringLiteral("UitLabel"))->geometry().right() + 1, 715);
        QCOMPARE(f.find(QStringLiteral("KlokLabel"))->geometry().right() + 1, 1079);
        QCOMPARE(f.find<QLabel>(QStringLiteral("InkLabel"))->alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignRight);
    }

    void tooltipsHaveABlankOnEitherSide_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tip");

        QTest::newRow("add") << "Knop(0)"
                             << " Item Toevoegen ";
        QTest::newRow("change") << "Knop(1)"
                                << " Item Wijzigen ";
        QTest::newRow("delete") << "Knop(2)"
                                << " Item Verwijderen ";
        QTest::newRow("fixed costs") << "VasteLastenKnop"
                                     << " Vaste lasten invullen ";
        QTest::newRow("new") << "MenuKnop(0)"
                             << " Nieuw lijst (Maand) aanmaken ";
        QTest::newRow("open") << "MenuKnop(1)"
                              << " Lijst Openen ";
        QTest::newRow("save") << "MenuKnop(2)"
                              << " Lijst Opslaan ";
        QTest::newRow("print") << "MenuKnop(3)"
                               << " Lijst afdrukken ";
        QTest::newRow("settings") << "MenuKnop(4)"
                                  << " Wijzigingen aanbrengen ";
        QTest::newRow("info") << "MenuKnop(5)"
                              << " Copyright en Info ";
        QTest::newRow("help") << "HelpKnop"
                              << " Beknopte Uitleg ";
        QTest::newRow("overview") << "GrafiekKnop"
                                  << " Totaal Saldo berekenen ";
        QTest::newRow("exit") << "ExitKnop"
                              << " Programma Stoppen ";
        QTest::newRow("show") << "ShowKnop"
                              << " Bekijk alle bestanden ";
    }

    void tooltipsHaveABlankOnEitherSide()
    {
        QFETCH(QString, name);
        QFETCH(QString, tip);
        f.start();
        f.openPanels();
        QCOMPARE(f.find(name)->toolTip(), tip);
    }

    void helpButtonSwapsTableAndHelpScreen()
    {
        f.start();
        f.add(QStringLiteral("Huur"), QString(), QStringLiteral("500"));
        QWidget *table = f.find(QStringLiteral("ListView1"));

        f.click(QStringLiteral("HelpKnop"));
        QWidget *help = f.find(QStringLiteral("HelpPic"));
        QVERIFY(table->isHidden());
        QVERIFY(!help->isHidden());

        f.click(QStringLiteral("HelpKnop"));
        QVERIFY(!table->isHidden());
        QVERIFY(help->isHidden());
        QCOMPARE(f.main->items().Aantal(), 1);
    }

    void helpScreenIsDrawnOnItsDarkBackground()
    {
        f.start();
        f.click(QStringLiteral("HelpKnop"));
        const QImage help = f.find<QLabel>(QStringLiteral("HelpPic"))->pixmap().toImage();
        QCOMPARE(help.size(), QSize(726, 400));
        QCOMPARE(QColor(help.pixel(2, 2)), QColor(0, 20, 0));
        // Somewhere in the first line of the title stands its light green.
        bool title = false;
        for (int x = 10; x < 200 && !title; ++x)
            for (int y = 8; y < 24 && !title; ++y)
                title = QColor(help.pixel(x, y)).green() > 150;
        QVERIFY(title);
    }

    void newListBringsTheTableBackFromBehindTheHelpScreen()
    {
        f.start();
        f.click(QStringLiteral("HelpKnop"));
        QTimer::singleShot(0, [] {
            if (QWidget *dialog = QApplication::activeModalWidget())
                QTest::mouseClick(dialog->findChild<VistaButton *>(QStringLiteral("OkKnop")),
                    Qt::LeftButton, {}, QPoint(10, 10));
        });
        f.click(QStringLiteral("MenuKnop(0)"));
        QVERIFY(!f.find(QStringLiteral("ListView1"))->isHidden());
        QVERIFY(f.find(QStringLiteral("HelpPic"))->isHidden());
        QCOMPARE(f.text(QStringLiteral("Label7")), QStringLiteral("Naam..... : 2026 December"));
    }

    void overviewButtonSwapsMenuAndOverview()
    {
        f.start();
        f.click(QStringLiteral("GrafiekKnop"));
        QVERIFY(f.find(QStringLiteral("Frame2"))->isHidden());
        QVERIFY(!f.find(QStringLiteral("Frame4"))->isHidden());
        f.click(QStringLiteral("GrafiekKnop"));
        QVERIFY(!f.find(QStringLiteral("Frame2"))->isHidden());
        QVERIFY(f.find(QStringLiteral("Frame4"))->isHidden());
    }

    void clockShowsDutchDateAndTime()
    {
        f.start();
        f.omgeving.klok().setNow(QDateTime(QDate(2026, 12, 6), QTime(9, 5, 7)));
        // The tick itself, as the timer raises it each second.
        QVERIFY(QMetaObject::invokeMethod(f.find<QTimer>(QStringLiteral("Timer1")), "timeout"));
        QCOMPARE(f.text(QStringLiteral("KlokLabel")), QStringLiteral("6-12-2026 / 9:05:07"));
        QCOMPARE(f.find<QTimer>(QStringLiteral("Timer1"))->interval(), 1000);
    }

    void saveOpensNothingForAnEmptyTable()
    {
        f.start();
        bool opened = false;
        QTimer::singleShot(0, [&opened] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                opened = true;
                dialog->close();
            }
        });
        f.click(QStringLiteral("MenuKnop(2)"));
        QCoreApplication::processEvents();
        QVERIFY(!opened);
    }

    void saveOpensItsDialogWhenTheTableHasRows()
    {
        f.start();
        f.add(QStringLiteral("Huur"), QString(), QStringLiteral("500"));
        QString opened;
        QTimer::singleShot(0, [&opened] {
            if (QWidget *dialog = QApplication::activeModalWidget()) {
                opened = dialog->objectName();
                dialog->close();
            }
        });
        f.click(QStringLiteral("MenuKnop(2)"));
        QCOMPARE(opened, QStringLiteral("SaveForm"));
    }

    void closingAsksOnlyAboutUnsavedChanges_data()
    {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");

        QTest::newRow("unchanged") << false << -1 << true;
        QTest::newRow("changed, Ja") << true << int(MessageBoxes::Answer::Yes) << true;
        QTest::newRow("changed, Nee") << true << int(MessageBoxes::Answer::No) << false;
    }

    void closingAsksOnlyAboutUnsavedChanges()
    {
        QFETCH(bool, changed);
        QFETCH(int, answer);
        QFETCH(bool, closes);

        f.start();
        if (changed)
            f.add(QStringLiteral("Huur"), QString(), QStringLiteral("500"));
        if (answer >= 0)
            f.omgeving.berichten().queue(MessageBoxes::Answer(answer));

        QCOMPARE(closeMain(), closes);
        if (changed) {
            const MessageBoxes::Box question { QStringLiteral(
                                                   "Geldlog is gewijzigd, wil je toch afsluiten?"),
                QStringLiteral("Afsluiten"), MessageBoxes::Icon::None, MessageBoxes::Buttons::YesNo,
                MessageBoxes::DefaultButton::No };
            QCOMPARE(f.omgeving.berichten().shown().value(0), question);
            QCOMPARE(f.main->items().Aantal(), 1);
        } else {
            QVERIFY(f.omgeving.berichten().shown().isEmpty());
        }
    }

    // The chooser that Ctrl+I opens.
    void bankButtonOpensTheStatementChooser()
    {
        f.start();
        QString chooser;
        QTimer::singleShot(0, f.main.get(), [&chooser] {
            if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                chooser = dialog->windowTitle();
                dialog->reject();
            }
        });
        f.click(QStringLiteral("BankKnop"));
        QCOMPARE(chooser, QStringLiteral("Bankafschrift kiezen"));
    }

    // The main window's controls are Arial by fonts of their own; what the application's Arial
    // spares is start-up time, which the start-up benchmark shows.
    void messageBoxesAndTooltipsShowTheDesktopsFont()
    {
        const QFont bureaublad = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        f.start();
        QFont bericht;
        QTimer::singleShot(0, f.main.get(), [&bericht] {
            QWidget *box = QApplication::activeModalWidget();
            bericht = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"))->font();
            box->close();
        });
        QtMessageBoxes().tell(
            f.main.get(), QStringLiteral("Opgeslagen."), QStringLiteral("Geldlog"));

        QWidget *knop = f.find(QStringLiteral("BankKnop"));
        QHelpEvent vraag(QEvent::ToolTip, QPoint(5, 5), knop->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(knop, &vraag);
        QFont tip;
        for (const QWidget *venster : QApplication::topLevelWidgets())
            if (venster->inherits("QTipLabel") && venster->isVisible())
                tip = venster->font();

        for (const QFont &getoond : { bericht, tip })
            QCOMPARE(getoond.toString(), bureaublad.toString());
    }

    void exitButtonClosesTheWindow()
    {
        f.start();
        f.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.main.get()));
        f.click(QStringLiteral("ExitKnop"));
        QVERIFY(f.main->isHidden());
    }
};

// The application as the program makes it: its style, and its fonts for its own windows and Qt's.
int main(int argc, char *argv[])
{
    const std::unique_ptr<QApplication> toepassing = MaakToepassing(argc, argv);
    TestMain test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_main.moc"
