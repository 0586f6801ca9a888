// The settings file: read at start-up into the background colour, written anew when it cannot
// be read, and written with the current colour when the program ends.
#include "MainFixture.h"

#include "app/Instellingen.h"
#include "common/Achtergrondkleur.h"

#include <QCloseEvent>
#include <QFile>
#include <QFrame>

namespace {

const QByteArray Kop = "\"Velbrook Software 2018\"\r\n\"--------------------------\"\r\n";

QColor Achtergrond(QWidget *widget)
{
    return widget->palette().color(QPalette::Window);
}

} // namespace

class TestInstellingen : public QObject {
    Q_OBJECT

private:
    MainFixture f;

    QString pad() const { return f.omgeving.map() + QStringLiteral("/Geldlog.ini"); }

    void schrijf(const QByteArray &inhoud) const
    {
        QFile bestand(pad());
        QVERIFY(bestand.open(QIODevice::WriteOnly));
        bestand.write(inhoud);
    }

    QByteArray lees() const
    {
        QFile bestand(pad());
        return bestand.open(QIODevice::ReadOnly) ? bestand.readAll() : QByteArray();
    }

    bool sluit() const
    {
        QCloseEvent event;
        QApplication::sendEvent(f.main.get(), &event);
        return event.isAccepted();
    }

    // The overview panel is made when first shown, so it is opened first as a user would.
    QList<QColor> vlakken() const
    {
        f.openPanels();
        QList<QColor> kleuren { Achtergrond(f.main.get()) };
        for (const char *frame : { "Frame1", "Frame2", "Frame3", "Frame4" })
            kleuren << Achtergrond(f.find(QLatin1StringView(frame)));
        return kleuren;
    }

private Q_SLOTS:
    void cleanup()
    {
        f.main.reset();
        QFile::remove(pad());
        f.omgeving.berichten().verifyDone();
    }

    void firstStartWritesTheDefaults()
    {
        f.start();
        QCOMPARE(lees(), Kop + "230,230,180\r\n");
        QCOMPARE(vlakken(), QList<QColor>(5, QColor(230, 230, 180)));
    }

    void storedColourColoursTheWindowAndItsPanels()
    {
        schrijf("\"Iets anders\"\r\n\"===\"\r\n200,220,240\r\n");
        f.start();
        QCOMPARE(vlakken(), QList<QColor>(5, QColor(200, 220, 240)));
        // The inputs keep their own colours.
        QCOMPARE(
            f.edit(QStringLiteral("Text2"))->palette().color(QPalette::Base), QColor(30, 0, 0));
        // A file that was read is left as it is.
        QCOMPARE(lees(), "\"Iets anders\"\r\n\"===\"\r\n200,220,240\r\n");
    }

    void unreadableFileIsWrittenAnewWithWhatWasRead_data()
    {
        QTest::addColumn<QByteArray>("inhoud");
        QTest::addColumn<QByteArray>("herschreven");

        QTest::newRow("blue above 255") << Kop + "10,20,300\r\n" << Kop + "10,20,180\r\n";
        QTest::newRow("red not a number") << Kop + "rood,20,30\r\n" << Kop + "230,230,180\r\n";
        QTest::newRow("green negative") << Kop + "10,-1,30\r\n" << Kop + "10,230,180\r\n";
        QTest::newRow("blue missing") << Kop + "10,20\r\n" << Kop + "10,20,180\r\n";
        QTest::newRow("only the header")
            << QByteArray("\"Velbrook Software 2018\"\r\n") << Kop + "230,230,180\r\n";
        QTest::newRow("empty file") << QByteArray() << Kop + "230,230,180\r\n";
        QTest::newRow("binary junk")
            << QByteArray("\x00\xff\x01\"\x80", 5) << Kop + "230,230,180\r\n";
    }

    void unreadableFileIsWrittenAnewWithWhatWasRead()
    {
        QFETCH(QByteArray, inhoud);
        QFETCH(QByteArray, herschreven);
        schrijf(inhoud);
        f.start();
        QCOMPARE(lees(), herschreven);
        QCOMPARE(vlakken(), QList<QColor>(5, QColor(230, 230, 180)));
    }

    void fieldsAreReadAsTheProgramWritesThemAndAFewWaysMore_data()
    {
        QTest::addColumn<QByteArray>("inhoud");
        QTest::addColumn<QColor>("kleur");

        QTest::newRow("as written") << Kop + "1,2,3\r\n" << QColor(1, 2, 3);
        QTest::newRow("blanks before fields") << Kop + " 1,  2,   3\r\n" << QColor(1, 2, 3);
        QTest::newRow("one field a line") << Kop + "1\r\n2\r\n3\r\n" << QColor(1, 2, 3);
        QTest::newRow("line ends of Linux")
            << QByteArray("\"a\"\n\"b\"\n4,5,6\n") << QColor(4, 5, 6);
        QTest::newRow("no last line end") << Kop + "7,8,9" << QColor(7, 8, 9);
        QTest::newRow("anything after the colour") << Kop + "7,8,9,10\r\nrest\r\n"
                                                   << QColor(7, 8, 9);
        QTest::newRow("header with commas")
            << QByteArray("\"a,b\"\r\n\"-\"\r\n0,0,0\r\n") << QColor(0, 0, 0);
    }

    void fieldsAreReadAsTheProgramWritesThemAndAFewWaysMore()
    {
        QFETCH(QByteArray, inhoud);
        QFETCH(QColor, kleur);
        schrijf(inhoud);
        f.start();
        QCOMPARE(vlakken(), QList<QColor>(5, kleur));
    }

    void endingTheProgramWritesTheCurrentColour()
    {
        f.start();
        ProgrammaWaarden &waarden = f.omgeving.programma().Waarden();
        waarden.KleurRood = 12;
        waarden.KleurGroen = 34;
        waarden.KleurBlauw = 56;
        QVERIFY(sluit());
        QCOMPARE(lees(), Kop + "12,34,56\r\n");
    }

    void closeAnsweredNeeWritesNothing()
    {
        f.start();
        f.add(QStringLiteral("Huur"), QString(), QStringLiteral("500"));
        QFile::remove(pad());
        f.omgeving.berichten().queue(MessageBoxes::Answer::No);
        QVERIFY(!sluit());
        QVERIFY(!QFile::exists(pad()));

        f.omgeving.berichten().queue(MessageBoxes::Answer::Yes);
        QVERIFY(sluit());
        QCOMPARE(lees(), Kop + "230,230,180\r\n");
    }

    void settingsThatCannotBeWrittenAreReportedAndTheProgramEnds()
    {
        f.start();
        QFile::remove(pad());
        QVERIFY(QDir(f.omgeving.map()).mkdir(QStringLiteral("Geldlog.ini")));
        f.omgeving.berichten().queue(MessageBoxes::Answer::Ok);
        QVERIFY(sluit());
        const MessageBoxes::Box box = f.omgeving.berichten().shown().value(0);
        QVERIFY2(box.text.startsWith(QStringLiteral("De instellingen zijn niet bewaard.\n")),
            qPrintable(box.text));
        QCOMPARE(box.icon, MessageBoxes::Icon::Critical);
        QVERIFY(QDir(f.omgeving.map()).rmdir(QStringLiteral("Geldlog.ini")));
    }

    void backgroundColourReachesOnlyTheWindowAndItsPanels()
    {
        f.start();
        ZetAchtergrondkleur(*f.main, 0, 0, 0);
        QCOMPARE(vlakken(), QList<QColor>(5, QColor(0, 0, 0)));
        QCOMPARE(f.find(QStringLiteral("ListView1"))->palette().color(QPalette::Base),
            QColor(210, 210, 210));
        // The stored components do not change with the colour shown.
        QCOMPARE(f.omgeving.programma().Waarden().KleurRood, 230);
    }
};

QTEST_MAIN(TestInstellingen)
#include "tst_instellingen.moc"
