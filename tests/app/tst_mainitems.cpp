// Adding, changing and deleting entries in the main window, as a user does it: through the
// inputs, the three buttons and a click on a row.
#include "MainFixture.h"
#include "ModelRows.h"

#include "bank/BankPosten.h"
#include "common/ItemModel.h"
#include "matching/GeleerdBestand.h"

#include <QDir>
#include <QTreeView>

class TestMainItems : public QObject {
    Q_OBJECT

private:
    MainFixture f;

    QTreeView *table() const { return f.find<QTreeView>(QStringLiteral("ListView1")); }

    void selectRow(int row) const
    {
        QTreeView *view = table();
        const QRect cell = view->visualRect(view->model()->index(row, 1));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    }

    QStringList rows() const { return ModelRows(f.main->items()); }

    MessageBoxes::Box geldlogBox(const QString &text) const
    {
        return { text, QStringLiteral("Geldlog"), MessageBoxes::Icon::None,
            MessageBoxes::Buttons::Ok };
    }

private Q_SLOTS:
    void init()
    {
        f.start();
        f.main->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.main.get()));
    }

    void cleanup()
    {
        f.main.reset();
        f.omgeving.berichten().verifyDone();
    }

    void addStoresTheFormattedEntryAndKeepsDateAndDescription()
    {
        f.combo(QStringLiteral("Combo3"))->setCurrentText(QStringLiteral("3"));
        f.add(QStringLiteral("Huur"), QString(), QStringLiteral("500"));

        QCOMPARE(rows(), QStringList { QStringLiteral("2026-12-03 | Huur |  | 500,00") });
        QCOMPARE(f.edit(QStringLiteral("Text2"))->text(), QString());
        QCOMPARE(f.edit(QStringLiteral("Text3"))->text(), QString());
        QCOMPARE(f.combo(QStringLiteral("Combo4"))->currentText(), QStringLiteral("Huur"));
        QCOMPARE(f.combo(QStringLiteral("Combo2"))->currentText(), QStringLiteral("December"));
        QCOMPARE(f.text(QStringLiteral("Label6")), QStringLiteral("Aantal Items : 1"));
        QCOMPARE(f.text(QStringLiteral("UitLabel")), QStringLiteral("€ 500,00"));
        QCOMPARE(f.text(QStringLiteral("Label8")), QStringLiteral("Saldo..... : € -500,00"));
        QVERIFY(f.omgeving.programma().Waarden().Gewijzigd);
    }

    void addFormatsTheAmount_data()
    {
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("expense");
        QTest::addColumn<QString>("row");

        QTest::newRow("comma") << "123,78"
                               << ""
                               << "2026-12-03 | Loon | 123,78 | ";
        QTest::newRow("point") << "45.00"
                               << ""
                               << "2026-12-03 | Loon | 45,00 | ";
        QTest::newRow("whole") << ""
                               << "7"
                               << "2026-12-03 | Loon |  | 7,00";
        QTest::newRow("only cents") << ",5"
                                    << ""
                                    << "2026-12-03 | Loon | 0,50 | ";
        QTest::newRow("rounded half away from zero") << "2,675"
                                                     << ""
                                                     << "2026-12-03 | Loon | 2,68 | ";
        QTest::newRow("negative") << "-3,456"
                                  << ""
                                  << "2026-12-03 | Loon | -3,46 | ";
        QTest::newRow("thousands") << "1.234,56"
                                   << ""
                                   << "2026-12-03 | Loon | 1234,56 | ";
        QTest::newRow("expense with point") << ""
                                            << "12.5"
                                            << "2026-12-03 | Loon |  | 12,50";
    }

    void addFormatsTheAmount()
    {
        QFETCH(QString, income);
        QFETCH(QString, expense);
        QFETCH(QString, row);
        f.add(QStringLiteral("Loon"), income, expense);
        QCOMPARE(rows(), QStringList { row });
    }

    void refusedInputShowsItsMessage_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("expense");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("focus"); // the input refused, or empty

        const auto row = [](const QByteArray &name, int button, const char *description,
                             const char *income, const char *expense, const char *message,
                             const char *day = "3", const char *focus = "") {
            QTest::newRow(name) << button << QString::fromUtf8(description)
                                << QString::fromUtf8(income) << QString::fromUtf8(expense)
                                << QString::fromUtf8(message) << QString::fromUtf8(day)
                                << QString::fromUtf8(focus);
        };
        const char *noDescription = "Omschrijving invullen a.u.b.";
        const char *noAmount = "Inkomsten of Uitgaven invullen a.u.b.";
        for (int button : { 0, 1 }) {
            const QByteArray op = button == 0 ? "add: " : "change: ";
            row(op + "no description, no amount", button, "", "", "", noDescription);
            row(op + "blank description", button, "   ", "5", "", noDescription);
            row(op + "no amount", button, "Huur", "", "", noAmount);
            row(op + "blank amounts", button, "Huur", "  ", " ", noAmount);
            row(op + "no number", button, "Huur", "€ 20", "", "Het bedrag \"€ 20\" is geen getal.",
                "3", "Text2");
            row(op + "no such day", button, "Huur", "5", "",
                "Dag 45 bestaat niet in december 2026.", "45", "Combo3");
        }
        row("add: both amounts", 0, "Huur", "5", "6",
            "Inkomsten of Uitgaven invullen, niet alle twee...");
        row("change: both amounts", 1, "Huur", "5", "6",
            "Inkomsten of Uitgaven invullen, niet allebij...");
    }

    void refusedInputShowsItsMessage()
    {
        QFETCH(int, button);
        QFETCH(QString, description);
        QFETCH(QString, income);
        QFETCH(QString, expense);
        QFETCH(QString, message);
        QFETCH(QString, day);
        QFETCH(QString, focus);

        f.add(QStringLiteral("Eerste"), QStringLiteral("1.5"), QString());
        selectRow(0);
        f.omgeving.programma().Waarden().Gewijzigd = false;

        f.fill(description, income, expense);
        f.combo(QStringLiteral("Combo3"))->setCurrentText(day);
        f.combo(QStringLiteral("Combo4"))->setFocus();
        f.omgeving.berichten().queue(MessageBoxes::Answer::Ok);
        f.click(QStringLiteral("Knop(%1)").arg(button));

        QCOMPARE(f.omgeving.berichten().shown().value(0), geldlogBox(message));
        if (!focus.isEmpty())
            QCOMPARE(f.main->focusWidget(), f.find(focus));
        QCOMPARE(rows(), QStringList { QStringLiteral("2026-12-03 | Eerste | 1,50 | ") });
        // The refused input stays in the boxes as typed, dots and all.
        QCOMPARE(f.edit(QStringLiteral("Text2"))->text(), income);
        QVERIFY(f.omgeving.programma().Waarden().Gewijzigd);
        QCOMPARE(f.text(QStringLiteral("Label8")), QStringLiteral("Saldo..... : € 1,50"));
    }

    void typedDescriptionIsTakenAsTyped()
    {
        f.omgeving.schrijfData(QStringLiteral("Omschrijving.txt"), "Huur\r\nHuis\r\n");
        f.start();
        f.main->show();
        f.main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.main.get()));
        QComboBox *description = f.combo(QStringLiteral("Combo4"));
        description->setFocus();
        QTest::keyClicks(description->lineEdit(), QStringLiteral("Hu"));
        f.edit(QStringLiteral("Text3"))->setText(QStringLiteral("5"));
        f.click(QStringLiteral("Knop(0)"));

        QCOMPARE(rows(), QStringList { QStringLiteral("2026-12-03 | Hu |  | 5,00") });
        QCOMPARE(description->count(), 3);
    }

    void changeKeepsTheAmountAsTyped()
    {
        f.add(QStringLiteral("Boodschappen"), QString(), QStringLiteral("12.5"));
        f.add(QStringLiteral("Loon"), QStringLiteral("45"), QString());
        selectRow(0);
        QCOMPARE(f.edit(QStringLiteral("Text3"))->text(), QStringLiteral("12,50"));

        f.combo(QStringLiteral("Combo3"))->setCurrentText(QStringLiteral("17"));
        f.fill(QStringLiteral("Markt"), QString(), QStringLiteral("12.5"));
        f.click(QStringLiteral("Knop(1)"));

        QCOMPARE(rows(),
            (QStringList { QStringLiteral("2026-12-17 | Markt |  | 12,5"),
                QStringLiteral("2026-12-03 | Loon | 45,00 | ") }));
        QCOMPARE(f.edit(QStringLiteral("Text3"))->text(), QStringLiteral("12,5"));
        QCOMPARE(f.text(QStringLiteral("Label6")), QStringLiteral("Aantal Items : 2"));
        QCOMPARE(f.text(QStringLiteral("Label8")), QStringLiteral("Saldo..... : € 32,50"));
    }

    // A description changed on a row that a statement brought teaches its word.
    void changeOfABankRowTeachesItsWord()
    {
        const BankPost post { QDate(2026, 12, 3), QStringLiteral("ALBERT HEIJN 1234"), {}, -1234,
            {}, 1 };
        GeleerdBestand geleerd(f.omgeving.programma(), GeleerdBestand::Gebruik::Leren);
        geleerd.Inhoud().Leer(post, QString());
        QVERIFY(geleerd.Bewaar(nullptr));
        f.main->items().VoegToe(AlsItem(post));
        selectRow(0);
        f.fill(QStringLiteral("Boodschappen"), QString(), QStringLiteral("12,34"));
        f.click(QStringLiteral("Knop(1)"));
        QCOMPARE(GeleerdBestand(f.omgeving.programma(), GeleerdBestand::Gebruik::AlleenLezen)
                     .Inhoud()
                     .EigenWoorden(),
            QStringList { QStringLiteral("Boodschappen") });
    }

    // A row typed by hand leaves the learning file alone, damaged or not: it is neither read
    // into a message nor put aside nor written; the bank window and importeer mend and tell.
    void changeOfAHandTypedRowLeavesTheLearningAlone_data()
    {
        QTest::addColumn<QByteArray>("bestand");
        const QByteArray kop = "Geldlog geleerde omschrijvingen 2\r\n";
        QTest::newRow("heel") << kop + "Markt\t\tKraam\t\r\n  2026-11-03 -12,34\r\n";
        QTest::newRow("een regel beschadigd") << kop + "  2026-12-03 -12,34\r\n";
        QTest::newRow("geen leerbestand") << QByteArray("Markt\r\n");
    }

    void changeOfAHandTypedRowLeavesTheLearningAlone()
    {
        QFETCH(QByteArray, bestand);
        f.omgeving.schrijfData(QStringLiteral("Geleerde omschrijvingen.txt"), bestand);
        f.add(QStringLiteral("Markt"), QString(), QStringLiteral("12,34"));
        selectRow(0);
        f.fill(QStringLiteral("Kaas"), QString(), QStringLiteral("12,34"));
        f.click(QStringLiteral("Knop(1)"));
        QCOMPARE(QDir(f.omgeving.dataMap()).entryList({ QStringLiteral("Geleerde*") }),
            QStringList { QStringLiteral("Geleerde omschrijvingen.txt") });
        QCOMPARE(f.omgeving.leesData(QStringLiteral("Geleerde omschrijvingen.txt")), bestand);
    }

    void changeWithoutSelectionOnlyTurnsDotsIntoCommas()
    {
        f.add(QStringLiteral("Loon"), QStringLiteral("45"), QString());
        f.fill(QStringLiteral("Loon"), QStringLiteral("1.5"), QString());
        f.click(QStringLiteral("Knop(1)"));

        QCOMPARE(rows(), QStringList { QStringLiteral("2026-12-03 | Loon | 45,00 | ") });
        QCOMPARE(f.edit(QStringLiteral("Text2"))->text(), QStringLiteral("1,5"));
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::addColumn<QStringList>("left");
        QTest::addColumn<QString>("count");

        QTest::newRow("Ja") << true
                            << QStringList { QStringLiteral("2026-12-03 | Loon | 45,00 | ") }
                            << "Aantal Items : 1";
        QTest::newRow("Nee") << false
                             << QStringList { QStringLiteral("2026-12-03 | Huur |  | 500,00"),
                                    QStringLiteral("2026-12-03 | Loon | 45,00 | ") }
                             << "Aantal Items : 2";
    }

    void deleteAsksFirst()
    {
        QFETCH(bool, yes);
        QFETCH(QStringList, left);
        QFETCH(QString, count);

        f.add(QStringLiteral("Huur"), QString(), QStringLiteral("500"));
        f.add(QStringLiteral("Loon"), QStringLiteral("45"), QString());
        selectRow(0);
        f.omgeving.berichten().queue(yes ? MessageBoxes::Answer::Yes : MessageBoxes::Answer::No);
        f.click(QStringLiteral("Knop(2)"));

        const MessageBoxes::Box question {
            QStringLiteral("Wil je (Huur) verwijderen uit de lijst?"), QStringLiteral(" Delete"),
            MessageBoxes::Icon::None, MessageBoxes::Buttons::YesNo, MessageBoxes::DefaultButton::No
        };
        QCOMPARE(f.omgeving.berichten().shown().value(0), question);
        QCOMPARE(rows(), left);
        QCOMPARE(f.text(QStringLiteral("Label6")), count);
    }

    void deleteKeepsTheInputsAndLeavesNoRowChosen()
    {
        f.add(QStringLiteral("Huur"), QString(), QStringLiteral("500"));
        f.add(QStringLiteral("Loon"), QStringLiteral("45"), QString());
        selectRow(0);
        f.omgeving.berichten().queue(MessageBoxes::Answer::Yes);
        f.click(QStringLiteral("Knop(2)"));

        QCOMPARE(rows(), QStringList { QStringLiteral("2026-12-03 | Loon | 45,00 | ") });
        QCOMPARE(f.combo(QStringLiteral("Combo4"))->currentText(), QStringLiteral("Huur"));
        QCOMPARE(f.edit(QStringLiteral("Text2"))->text(), QString());
        QCOMPARE(f.edit(QStringLiteral("Text3"))->text(), QStringLiteral("500,00"));
        // With no row chosen, a change that follows does nothing.
        f.click(QStringLiteral("Knop(1)"));
        QCOMPARE(rows(), QStringList { QStringLiteral("2026-12-03 | Loon | 45,00 | ") });
    }

    void deleteWithoutSelectionDoesNothingButCountsAsAChange()
    {
        f.click(QStringLiteral("Knop(2)"));
        QVERIFY(f.omgeving.programma().Waarden().Gewijzigd);
        QCOMPARE(f.text(QStringLiteral("Label8")), QStringLiteral("Saldo..... : € 0,00"));

        f.add(QStringLiteral("Huur"), QString(), QStringLiteral("500"));
        f.omgeving.programma().Waarden().Gewijzigd = false;
        f.click(QStringLiteral("Knop(2)"));
        QCOMPARE(rows().size(), 1);
        QVERIFY(f.omgeving.berichten().shown().isEmpty());
        QVERIFY(f.omgeving.programma().Waarden().Gewijzigd);
    }

    void deleteAnsweredNeeStillCountsAsAChange()
    {
        f.add(QStringLiteral("Huur"), QString(), QStringLiteral("500"));
        selectRow(0);
        f.omgeving.programma().Waarden().Gewijzigd = false;
        f.omgeving.berichten().queue(MessageBoxes::Answer::No);
        f.click(QStringLiteral("Knop(2)"));
        QCOMPARE(rows().size(), 1);
        QVERIFY(f.omgeving.programma().Waarden().Gewijzigd);
    }

    void rowChosenWithTheArrowKeysFillsTheInputs()
    {
        f.add(QStringLiteral("Huur"), QString(), QStringLiteral("500"));
        f.add(QStringLiteral("Loon"), QStringLiteral("45"), QString());
        selectRow(0);
        QTest::keyClick(table(), Qt::Key_Down);
        QCOMPARE(f.combo(QStringLiteral("Combo4"))->currentText(), QStringLiteral("Loon"));
        QCOMPARE(f.edit(QStringLiteral("Text2"))->text(), QStringLiteral("45,00"));
    }

    void pastedLineBreaksBecomeBlanks_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("add") << 0;
        QTest::newRow("change") << 1;
    }

    void pastedLineBreaksBecomeBlanks()
    {
        // A cell is one line of the list file; a line break in it would shift every entry after it.
        QFETCH(int, button);
        f.add(QStringLiteral("Eerste"), QStringLiteral("1"), QString());
        selectRow(0);
        f.fill(QStringLiteral("Huur\r\nmaart\ren april"), QString(), QStringLiteral("5"));
        f.click(QStringLiteral("Knop(%1)").arg(button));
        const Item item = f.main->items().Rij(f.main->items().Aantal() - 1);
        QCOMPARE(item.omschrijving, QStringLiteral("Huur  maart en april"));
    }

    void clickedRowFillsTheInputs()
    {
        f.add(QStringLiteral("Huur"), QString(), QStringLiteral("500"));
        f.main->items().VoegToe(Item { QStringLiteral("2025-07-09"), QStringLiteral(" Loon "),
            QStringLiteral("12,5"), QString() });
        selectRow(1);

        QCOMPARE(f.combo(QStringLiteral("Combo1"))->currentText(), QStringLiteral("2025"));
        QCOMPARE(f.combo(QStringLiteral("Combo2"))->currentText(), QStringLiteral("Juli"));
        QCOMPARE(f.combo(QStringLiteral("Combo3"))->currentText(), QStringLiteral("9"));
        QCOMPARE(f.combo(QStringLiteral("Combo4"))->currentText(), QStringLiteral(" Loon "));
        QCOMPARE(f.edit(QStringLiteral("Text2"))->text(), QStringLiteral("12,5"));
        QCOMPARE(f.edit(QStringLiteral("Text3"))->text(), QString());
    }

    void clickedRowOfOddDateKeepsWhatItCannotFill_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("day");

        QTest::newRow("fixed cost") << "-"
                                    << "2026"
                                    << "December"
                                    << "3";
        QTest::newRow("no month") << "2024--07"
                                  << "2024"
                                  << "December"
                                  << "7";
        QTest::newRow("empty") << ""
                               << "2026"
                               << "December"
                               << "3";
        QTest::newRow("text") << "abc"
                              << "2026"
                              << "December"
                              << "3";
        QTest::newRow("month 13, year 1999") << "1999-13-05"
                                             << "2026"
                                             << "December"
                                             << "5";
    }

    void clickedRowOfOddDateKeepsWhatItCannotFill()
    {
        QFETCH(QString, date);
        QFETCH(QString, year);
        QFETCH(QString, month);
        QFETCH(QString, day);

        f.main->items().VoegToe(
            Item { date, QStringLiteral("Vast"), QString(), QStringLiteral("5") });
        selectRow(0);
        QCOMPARE(f.combo(QStringLiteral("Combo1"))->currentText(), year);
        QCOMPARE(f.combo(QStringLiteral("Combo2"))->currentText(), month);
        QCOMPARE(f.combo(QStringLiteral("Combo3"))->currentText(), day);
        QCOMPARE(f.combo(QStringLiteral("Combo4"))->currentText(), QStringLiteral("Vast"));
    }

    void clickIntoOneAmountBoxEmptiesTheOther_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<bool>("empties");
        QTest::newRow("left") << Qt::LeftButton << true;
        QTest::newRow("right, to paste") << Qt::RightButton << false;
        QTest::newRow("middle") << Qt::MiddleButton << false;
    }

    void clickIntoOneAmountBoxEmptiesTheOther()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(bool, empties);
        QLineEdit *income = f.edit(QStringLiteral("Text2"));
        QLineEdit *expense = f.edit(QStringLiteral("Text3"));
        income->setText(QStringLiteral("10"));
        QTest::keyClicks(expense, QStringLiteral("20"));
        QCOMPARE(income->text(), QStringLiteral("10"));

        // Checked on the press: the middle button's release may paste the selection.
        QTest::mousePress(expense, button);
        QCOMPARE(income->text(), empties ? QString() : QStringLiteral("10"));
        QCOMPARE(expense->text(), QStringLiteral("20"));
        QTest::mouseRelease(expense, button);

        QTest::mousePress(income, button);
        QCOMPARE(expense->text(), empties ? QString() : QStringLiteral("20"));
        QTest::mouseRelease(income, button);
    }
};

QTEST_MAIN(TestMainItems)
#include "tst_mainitems.moc"
