// The main window's description input and the settings window opened from its menu: OK fills
// the input again from the file, empty, and counts the descriptions in Label5; Cancel leaves it.
#include "DialoogBesturing.h"
#include "MainFixture.h"
#include "settings/EditForm.h"

#include <QListWidget>
#include <QTimer>

#include <functional>

class TestMainOmschrijvingen : public QObject {
    Q_OBJECT

private:
    MainFixture f;

    // Opens the settings window with MenuKnop(4) and works it with `werk` while it is open.
    bool metInstellingen(const std::function<void(EditForm &)> &werk)
    {
        bool gedaan = false;
        QTimer::singleShot(0, f.main.get(), [&] {
            auto *form = f.main->findChild<EditForm *>();
            QVERIFY(form && form->isModal() && form->isVisible());
            werk(*form);
            gedaan = true;
        });
        f.click(QStringLiteral("MenuKnop(4)"));
        return gedaan && !f.main->findChild<EditForm *>();
    }

    QStringList descriptions() const
    {
        QStringList items;
        QComboBox *combo = f.combo(QStringLiteral("Combo4"));
        for (int i = 0; i < combo->count(); ++i)
            items << combo->itemText(i);
        return items;
    }

private Q_SLOTS:
    void init()
    {
        f.omgeving.schrijfData(QStringLiteral("Omschrijving.txt"), "Huur\r\n\r\n  \r\nAuto\r\n");
        f.start();
        f.combo(QStringLiteral("Combo4"))->setCurrentText(QStringLiteral("Iets"));
    }

    void cleanup()
    {
        f.main.reset();
        f.omgeving.berichten().verifyDone();
    }

    void okReloadsTheInput()
    {
        QVERIFY(metInstellingen([](EditForm &form) {
            QTest::keyClicks(Kind<QLineEdit>(form, QStringLiteral("Text1")), QStringLiteral("Gas"));
            Klik(form, QStringLiteral("AddKnop"));
            Klik(form, QStringLiteral("OkKnop"));
        }));
        QCOMPARE(f.omgeving.leesData(QStringLiteral("Omschrijving.txt")),
            QByteArray("Auto\r\nGas\r\nHuur\r\n"));
        QCOMPARE(descriptions(),
            (QStringList { QString(), QStringLiteral("Auto"), QStringLiteral("Gas"),
                QStringLiteral("Huur") }));
        QCOMPARE(f.combo(QStringLiteral("Combo4"))->currentText(), QString());
        QCOMPARE(f.text(QStringLiteral("Label5")), QStringLiteral("Omschrijving (3)"));
    }

    void okWithAnEmptyListCountsNone()
    {
        QVERIFY(metInstellingen([this](EditForm &form) {
            auto *lijst = Kind<QListWidget>(form, QStringLiteral("List1"));
            while (lijst->count() > 0) {
                lijst->setCurrentRow(0);
                f.omgeving.berichten().queue(MessageBoxes::Answer::Yes);
                Klik(form, QStringLiteral("DeleteKnop"));
            }
            Klik(form, QStringLiteral("OkKnop"));
        }));
        QCOMPARE(f.omgeving.leesData(QStringLiteral("Omschrijving.txt")), QByteArray());
        QCOMPARE(descriptions(), QStringList { QString() });
        QCOMPARE(f.text(QStringLiteral("Label5")), QStringLiteral("Omschrijving (0)"));
    }

    void cancelLeavesTheInput()
    {
        QVERIFY(metInstellingen([](EditForm &form) {
            QTest::keyClicks(Kind<QLineEdit>(form, QStringLiteral("Text1")), QStringLiteral("Gas"));
            Klik(form, QStringLiteral("AddKnop"));
            Klik(form, QStringLiteral("CancelKnop"));
        }));
        QCOMPARE(f.omgeving.leesData(QStringLiteral("Omschrijving.txt")),
            QByteArray("Huur\r\n\r\n  \r\nAuto\r\n"));
        QCOMPARE(f.combo(QStringLiteral("Combo4"))->currentText(), QStringLiteral("Iets"));
        QCOMPARE(f.text(QStringLiteral("Label5")), QStringLiteral("Omschrijving (4)"));
    }
};

QTEST_MAIN(TestMainOmschrijvingen)
#include "tst_mainomschrijvingen.moc"
