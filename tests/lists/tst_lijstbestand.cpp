#include "lists/LijstBestand.h"

#include "LijstGroep.h"
#include "ModelRows.h"
#include "SchijfVol.h"
#include "TestProgramma.h"
#include "common/Bedrag.h"
#include "platform/Ansi.h"

#include <QBuffer>
#include <QDir>
#include <QSignalSpy>
#include <QTest>

#include <cerrno>

namespace {

Item Rij(const QString &datum, const QString &omschrijving, const QString &inkomsten,
    const QString &uitgaven)
{
    return { datum, omschrijving, inkomsten, uitgaven };
}

ItemRijen Reeks(std::initializer_list<Item> items)
{
    ItemRijen rijen;
    for (const Item &item : items)
        rijen.Voeg(item);
    return rijen;
}

std::optional<qint64> Saldo(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return LeesSaldo(buffer);
}

// A device that takes `ruimte` bytes and then fails as a full disk does.
class VolleBuffer final : public QBuffer {
public:
    explicit VolleBuffer(qint64 ruimte)
        : m_ruimte(ruimte)
    {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 writeData(const char *data, qint64 len) override
    {
        if (size() + len > m_ruimte) {
            errno = ENOSPC;
            return -1;
        }
        return QBuffer::writeData(data, len);
    }

private:
    qint64 m_ruimte;
};

} // namespace

class LijstBestandTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void twoEntriesAreTenCrLfLines()
    {
        TestProgramma test;
        ItemModel model;
        model.VoegToe(Rij(u"2018-01-05"_qs, u"Salaris"_qs, u"2100,00"_qs, QString()));
        model.VoegToe(Rij(u"2018-01-06"_qs, u"Huur"_qs, QString(), u"650,50"_qs));
        QString fout;
        QVERIFY(SaveLijst(test.programma(), model, u"2018 Januari"_qs, &fout));
        QCOMPARE(fout, QString());

        QCOMPARE(test.leesData(u"2018 Januari.lst"_qs),
            QByteArray("2018-01-05\r\nSalaris\r\n2100,00\r\n\r\n"
                       "----------------------------\r\n"
                       "2018-01-06\r\nHuur\r\n\r\n650,50\r\n"
                       "----------------------------\r\n"));

        ItemModel geladen;
        LaadLijst(test.programma(), geladen, u"2018 Januari"_qs);
        QCOMPARE(ModelRows(geladen), ModelRows(model));
    }

    void onlyTheDateLosesItsBlanks_data()
    {
        QTest::addColumn<Item>("item");
        QTest::addColumn<QByteArray>("bestand");
        QTest::newRow("date with blanks") << Rij(u"  2018-02-01 "_qs, u"a"_qs, u"1"_qs, u"2"_qs)
                                          << Groep("2018-02-01", "a", "1", "2");
        QTest::newRow("date with a tab keeps it") << Rij(u"\t2018-02-01"_qs, u"a"_qs, u"1"_qs,
            u"2"_qs) << Groep("\t2018-02-01", "a", "1", "2");
        QTest::newRow("description with blanks") << Rij(u"d"_qs, u" Boodschappen  "_qs, u"1"_qs,
            u"2"_qs) << Groep("d", " Boodschappen  ", "1", "2");
        QTest::newRow("amounts with blanks") << Rij(u"d"_qs, u"a"_qs, u" 12,50"_qs, u"3,00 "_qs)
                                             << Groep("d", "a", " 12,50", "3,00 ");
        QTest::newRow("empty texts")
            << Rij(u" "_qs, QString(), QString(), QString()) << Groep("", "", "", "");
        // A line break in a cell would shift every later entry; it is written as a blank.
        QTest::newRow("line breaks in cells") << Rij(u"2018-02-01"_qs, u"Huur\r\nmaart\rapril"_qs,
            u"1\n"_qs, u"2"_qs) << Groep("2018-02-01", "Huur  maart april", "1 ", "2");
    }

    void onlyTheDateLosesItsBlanks()
    {
        QFETCH(Item, item);
        QFETCH(QByteArray, bestand);
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QString fout;
        QVERIFY(SchrijfLijst(buffer, Reeks({ item }), &fout));
        QCOMPARE(buffer.data(), bestand);
    }

    void everyByteButCrAndLfSurvivesLoadAndSave()
    {
        QByteArray bytes;
        for (int byte = 0; byte < 256; ++byte) {
            if (byte != '\r' && byte != '\n')
                bytes.append(static_cast<char>(byte));
        }
        TestProgramma test;
        const QByteArray bestand = Groep("2018-03-01", bytes, bytes, bytes.right(100));
        test.schrijfData(u"bytes.lst"_qs, bestand);

        ItemModel model;
        LaadLijst(test.programma(), model, u"bytes"_qs);
        QCOMPARE(model.Aantal(), 1);
        QCOMPARE(model.Rij(0).omschrijving.size(), 254);
        QCOMPARE(model.Rij(0).omschrijving.at(0x80 - 2), QChar(0x20AC));

        QVERIFY(SaveLijst(test.programma(), model, u"kopie"_qs, nullptr));
        QCOMPARE(test.leesData(u"kopie.lst"_qs), bestand);
    }

    void charactersAreStoredInWindows1252_data()
    {
        QTest::addColumn<QString>("omschrijving");
        QTest::addColumn<QByteArray>("opgeslagen");
        QTest::newRow("euro") << u"€ 5"_qs << QByteArray("\x80 5");
        QTest::newRow("accents") << u"Café Zoë"_qs << QByteArray("Caf\xe9 Zo\xeb");
        QTest::newRow("outside the code page") << u"Ā中"_qs << QByteArray("??");
    }

    void charactersAreStoredInWindows1252()
    {
        QFETCH(QString, omschrijving);
        QFETCH(QByteArray, opgeslagen);
        TestProgramma test;
        ItemModel model;
        model.VoegToe(Rij(u"d"_qs, omschrijving, QString(), QString()));
        QVERIFY(SaveLijst(test.programma(), model, u"tekens"_qs, nullptr));
        QCOMPARE(test.leesData(u"tekens.lst"_qs), Groep("d", opgeslagen, "", ""));
    }

    // What loading shows and what the overview counts, in cents, for the same file: the same
    // complete groups, less the groups dated "-", which the overview counts and opening skips.
    void readingAFile_data()
    {
        QTest::addColumn<QByteArray>("bestand");
        QTest::addColumn<QStringList>("rijen");
        QTest::addColumn<qint64>("saldo");

        const QByteArray a = Groep("2018-04-01", "Loon", "100,00", "");
        const QByteArray b = Groep("2018-04-02", "Huur", "", "30,00");
        const QString ra = u"2018-04-01 | Loon | 100,00 | "_qs;
        const QString rb = u"2018-04-02 | Huur |  | 30,00"_qs;

        QTest::newRow("two groups") << a + b << QStringList { ra, rb } << qint64(7000);
        QTest::newRow("empty file") << QByteArray() << QStringList() << qint64(0);
        QTest::newRow("group dated - is skipped but counted")
            << a + Groep("-", "Vaste last", "", "12,50") + b << QStringList { ra, rb }
            << qint64(5750);
        QTest::newRow("- with a blank is a date")
            << Groep("- ", "x", "1", "") << QStringList { u"-  | x | 1 | "_qs } << qint64(100);
        QTest::newRow("extra empty line at the end") << a + b + "\r\n"
                                                     << QStringList { ra, rb } << qint64(7000);
        QTest::newRow("last group cut off") << a + b + "2018-04-03\r\nx\r\n5,00\r\n"
                                            << QStringList { ra, rb } << qint64(7000);
        QTest::newRow("cut off before its separator") << a + b + "2018-04-03\r\nx\r\n5,00\r\n\r\n"
                                                      << QStringList { ra, rb } << qint64(7000);
        QTest::newRow("cut off in the first group")
            << QByteArray("2018-04-03\r\nx") << QStringList() << qint64(0);
        QTest::newRow("separator without terminator")
            << a + b.chopped(2) << QStringList { ra, rb } << qint64(7000);
        QTest::newRow("any text as separator")
            << QByteArray("d\r\no\r\n1\r\n2\r\nwat dan ook\r\n")
            << QStringList { u"d | o | 1 | 2"_qs } << qint64(-100);
        QTest::newRow("lines ended by LF")
            << QByteArray("d\no\n1\n2\n-\n") << QStringList { u"d | o | 1 | 2"_qs } << qint64(-100);
        QTest::newRow("lines ended by CR")
            << QByteArray("d\ro\r1\r2\r-\r") << QStringList { u"d | o | 1 | 2"_qs } << qint64(-100);
        QTest::newRow("texts as read")
            << Groep(" d ", " o ", " 1x", "abc") << QStringList { u" d  |  o  |  1x | abc"_qs }
            << qint64(100);
        // Each amount counts as shown, so the balance is what the shown amounts make.
        QTest::newRow("more than two decimals")
            << Groep("d", "o", "2100,00", "") + Groep("d", "o", "", "2,675")
                + Groep("d", "o", "", "825,325")
            << QStringList { u"d | o | 2100,00 | "_qs, u"d | o |  | 2,675"_qs,
                   u"d | o |  | 825,325"_qs }
            << qint64(127199);
    }

    void readingAFile()
    {
        QFETCH(QByteArray, bestand);
        QFETCH(QStringList, rijen);
        QFETCH(qint64, saldo);
        TestProgramma test;
        test.schrijfData(u"lijst.lst"_qs, bestand);

        ItemModel model;
        LaadLijst(test.programma(), model, u"lijst"_qs);
        QCOMPARE(ModelRows(model), rijen);

        QCOMPARE(OpenGeldlog(test.programma(), u"lijst.lst"_qs), std::optional(saldo));
    }

    void balance_data()
    {
        QTest::addColumn<QList<QByteArray>>("inkomsten");
        QTest::addColumn<QList<QByteArray>>("uitgaven");
        QTest::addColumn<QString>("saldo");
        QTest::newRow("example") << QList<QByteArray> { "100,00", "50,25" }
                                 << QList<QByteArray> { "30,00", "" } << u"120,25"_qs;
        QTest::newRow("point as thousands separator reads up to the second point")
            << QList<QByteArray> { "1.234,56" } << QList<QByteArray> { "" } << u"1,23"_qs;
        QTest::newRow("decimal comma")
            << QList<QByteArray> { "12,50" } << QList<QByteArray> { "0,5" } << u"12,00"_qs;
        QTest::newRow("text is nothing")
            << QList<QByteArray> { "geen" } << QList<QByteArray> { "-" } << u"0,00"_qs;
        QTest::newRow("negative amount")
            << QList<QByteArray> { "-5" } << QList<QByteArray> { " 2,5" } << u"-7,50"_qs;
        // Single precision would make this 123456792,00.
        QTest::newRow("large amount") << QList<QByteArray> { "123456789,12" }
                                      << QList<QByteArray> { "0" } << u"123456789,12"_qs;
        QTest::newRow("many cents") << QList<QByteArray>(100000, "0,01")
                                    << QList<QByteArray>(100000, "0,02") << u"-1000,00"_qs;
    }

    void balance()
    {
        QFETCH(QList<QByteArray>, inkomsten);
        QFETCH(QList<QByteArray>, uitgaven);
        QFETCH(QString, saldo);
        QByteArray bestand;
        for (qsizetype i = 0; i < inkomsten.size(); ++i)
            bestand += Groep("2018-05-01", "x", inkomsten.at(i), uitgaven.at(i));
        const std::optional<qint64> gelezen = Saldo(bestand);
        QVERIFY(gelezen.has_value());
        QCOMPARE(CentenTekst(*gelezen), saldo);
    }

    void pointAsThousandsSeparatorCountsAsDecimalPoint()
    {
        QCOMPARE(Saldo(Groep("d", "x", "1.234,56", "")), std::optional<qint64>(123));
    }

    void missingFileEmptiesTheTable()
    {
        TestProgramma test;
        ItemModel model;
        model.VoegToe(Rij(u"d"_qs, u"o"_qs, u"1"_qs, u"2"_qs));
        LaadLijst(test.programma(), model, u"bestaat niet"_qs);
        QCOMPARE(model.Aantal(), 0);
        QCOMPARE(OpenGeldlog(test.programma(), u"bestaat niet.lst"_qs), std::nullopt);
    }

    void loadingReplacesTheRowsInOneBatch()
    {
        TestProgramma test;
        test.schrijfData(u"drie.lst"_qs,
            Groep("1", "a", "", "") + Groep("2", "b", "", "") + Groep("3", "c", "", ""));
        ItemModel model;
        model.VoegToe(Rij(u"oud"_qs, u"o"_qs, u"1"_qs, u"2"_qs));
        QSignalSpy ingevoegd(&model, &ItemModel::rowsInserted);
        LaadLijst(test.programma(), model, u"drie"_qs);
        QCOMPARE(ingevoegd.size(), 1);
        QCOMPARE(ModelRows(model),
            (QStringList { u"1 | a |  | "_qs, u"2 | b |  | "_qs, u"3 | c |  | "_qs }));
    }

    void unsafeNameIsRefusedAndNothingWritten_data()
    {
        QTest::addColumn<QString>("naam");
        for (const char16_t teken : u"\\/:*?\"<>|")
            if (teken)
                QTest::addRow("%c", static_cast<char>(teken)) << u"a"_qs + QChar(teken) + u"b"_qs;
        QTest::newRow("up and away") << u"../andere"_qs;
        QTest::newRow("tab") << u"a\tb"_qs;
        QTest::newRow("NUL") << QString::fromUtf16(u"a\0b", 3);
        QTest::newRow("DEL") << u"a\x7f"_qs;
        QTest::newRow("C1 control") << u"a\x85"_qs;
        QTest::newRow("dot") << u"."_qs;
        QTest::newRow("dot dot") << u".."_qs;
        QTest::newRow("empty") << QString();
        QTest::newRow("too long") << QString(252, u'x');
    }

    void unsafeNameIsRefusedAndNothingWritten()
    {
        QFETCH(QString, naam);
        TestProgramma test;
        test.schrijfData(u"andere.lst"_qs, Groep("d", "o", "1", "2"));
        ItemModel model;
        model.VoegToe(Rij(u"nieuw"_qs, u"o"_qs, u"1"_qs, u"2"_qs));

        const QString reden = LijstNaamFout(naam);
        QVERIFY(!reden.isEmpty());
        QString fout;
        QVERIFY(!SaveLijst(test.programma(), model, naam, &fout));
        QCOMPARE(fout, reden);

        QCOMPARE(
            QDir(test.dataMap()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList { u"andere.lst"_qs });
        QCOMPARE(QDir(test.map()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList { u"Data"_qs });
        QCOMPARE(test.leesData(u"andere.lst"_qs), Groep("d", "o", "1", "2"));

        // A name that cannot be saved has no list to load either.
        LaadLijst(test.programma(), model, naam);
        QCOMPARE(model.Aantal(), 0);
    }

    void unsafeNamesGetAShortDutchReason()
    {
        QCOMPARE(LijstNaamFout(u"a?b"_qs),
            u"De naam mag geen \\ / : * ? \" < > | of stuurtekens bevatten."_qs);
        QCOMPARE(LijstNaamFout(u".."_qs), u"De naam mag niet \".\" of \"..\" zijn."_qs);
    }

    void ordinaryNamesAreSaved_data()
    {
        QTest::addColumn<QString>("naam");
        QTest::newRow("year and month") << u"2018 Januari"_qs;
        QTest::newRow("dots") << u"2018.Jan.v2"_qs;
        QTest::newRow("blanks at the ends") << u" x "_qs;
        QTest::newRow("accents and euro") << u"Café €"_qs;
        QTest::newRow("starts with a dot") << u".verborgen"_qs;
        QTest::newRow("longest") << QString(251, u'x');
    }

    void ordinaryNamesAreSaved()
    {
        QFETCH(QString, naam);
        TestProgramma test;
        ItemModel model;
        model.VoegToe(Rij(u"d"_qs, u"o"_qs, u"1"_qs, u"2"_qs));
        QCOMPARE(LijstNaamFout(naam), QString());
        QVERIFY(SaveLijst(test.programma(), model, naam, nullptr));
        QCOMPARE(test.leesData(naam + u".lst"_qs), Groep("d", "o", "1", "2"));
    }

    void missingDataFolderIsReportedAndNotCreated()
    {
        TestProgramma test;
        QVERIFY(QDir(test.dataMap()).removeRecursively());
        ItemModel model;
        model.VoegToe(Rij(u"d"_qs, u"o"_qs, u"1"_qs, u"2"_qs));
        QString fout;
        QVERIFY(!SaveLijst(test.programma(), model, u"x"_qs, &fout));
        QVERIFY2(fout.startsWith(u"De map "_qs) && fout.endsWith(u" bestaat niet."_qs),
            qPrintable(fout));
        QVERIFY(!QFileInfo::exists(test.dataMap()));
    }

    void failedWriteKeepsTheOldFile()
    {
        TestProgramma test;
        const QByteArray oud = Groep("2018-06-01", "oud", "1", "");
        test.schrijfData(u"juni.lst"_qs, oud);
        ItemModel model;
        for (int i = 0; i < 1000; ++i)
            model.VoegToe(Rij(u"2018-06-02"_qs, u"nieuw"_qs, u"2"_qs, QString()));

        QString fout;
        bool opgeslagen = true;
        {
            const SchijfVol grens(1000);
            opgeslagen = SaveLijst(test.programma(), model, u"juni"_qs, &fout);
        }
        QVERIFY(!opgeslagen);
        // The system's reason comes in Dutch, also for a write that got part of its bytes out.
        QCOMPARE(fout,
            u"Kan %1 niet schrijven: het bestand wordt te groot voor deze schijf."_qs.arg(
                QDir::toNativeSeparators(LijstPad(test.programma(), u"juni"_qs))));
        QCOMPARE(test.leesData(u"juni.lst"_qs), oud);
        QCOMPARE(QDir(test.dataMap()).entryList(QDir::Files | QDir::Hidden),
            QStringList { u"juni.lst"_qs });
    }

    // Every row back exactly as written: texts of every length and every character of the code
    // page, empty cells, and a file of many read chunks.
    void hundredThousandRowsComeBackExactly()
    {
        QString tekens;
        for (int byte = 0; byte < 256; ++byte) {
            if (byte != '\r' && byte != '\n')
                tekens += Ansi::decode(QByteArray(1, static_cast<char>(byte)));
        }
        ItemRijen rijen;
        for (int i = 0; i < 100000; ++i) {
            const QStringView t = tekens;
            const QString datum = u"2018-%1"_qs.arg(i);
            rijen.Voeg(datum, t.sliced(i % 200, i % 47),
                i % 3 ? t.sliced(i % 150, i % 5) : QStringView(),
                i % 7 ? QStringView() : t.sliced(i % 100, 1 + i % 40));
        }
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(SchrijfLijst(buffer, rijen, nullptr));
        buffer.close();
        buffer.open(QIODevice::ReadOnly);
        const ItemRijen gelezen = LeesLijst(buffer);
        QCOMPARE(gelezen.Aantal(), rijen.Aantal());
        for (const int rij : { 0, 1, 46, 99999 })
            QCOMPARE(gelezen.Rij(rij), rijen.Rij(rij));
        QVERIFY(gelezen == rijen);
    }

    void failingDeviceIsReported()
    {
        ItemRijen items;
        for (int i = 0; i < 5000; ++i)
            items.Voeg(Rij(u"2018-06-02"_qs, u"nieuw"_qs, u"2"_qs, QString()));
        VolleBuffer buffer(1000);
        QString fout;
        QVERIFY(!SchrijfLijst(buffer, items, &fout));
        QCOMPARE(fout, u"de schijf is vol."_qs);
    }
};

QTEST_MAIN(LijstBestandTest)
#include "tst_lijstbestand.moc"
