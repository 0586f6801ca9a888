// Files in Data that the program did not write, or not as it writes them: huge, random, not
// files at all, or very many. Each opens without a crash or a hang, and reads what is sound.
#include "DialoogBesturing.h"
#include "FakeHoofdVenster.h"
#include "TestProgramma.h"
#include "lists/LijstBestand.h"
#include "listwindows/OpenForm.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QRandomGenerator>
#include <QTest>

#include <optional>

namespace {

const QByteArray Groep = "2026-01-01\r\nBrood\r\n\r\n1,00\r\n----------------------------\r\n";

// Data/<naam> as a folder, a link to nothing, or a file of these bytes.
enum class Soort { Bestand, Map, LosseLink };

} // namespace

Q_DECLARE_METATYPE(Soort)
Q_DECLARE_METATYPE(std::optional<qint64>)

class TestVreemdeBestanden : public QObject {
    Q_OBJECT

    std::unique_ptr<TestProgramma> m_test;

    void maak(const QString &naam, Soort soort, const QByteArray &inhoud)
    {
        const QString pad = m_test->dataMap() + naam;
        switch (soort) {
        case Soort::Bestand:
            m_test->schrijfData(naam, inhoud);
            break;
        case Soort::Map:
            QVERIFY(QDir().mkdir(pad));
            break;
        case Soort::LosseLink:
            QVERIFY(QFile::link(m_test->map() + QStringLiteral("/weg.lst"), pad));
            break;
        }
    }

private Q_SLOTS:
    void init() { m_test = std::make_unique<TestProgramma>(); }
    void cleanup()
    {
        m_test->berichten().verifyDone();
        m_test.reset();
    }

    void aStrangeListFileOpens_data()
    {
        QTest::addColumn<Soort>("soort");
        QTest::addColumn<QByteArray>("inhoud");
        QTest::addColumn<int>("rijen");
        QTest::addColumn<std::optional<qint64>>("saldo");
        QTest::addColumn<bool>("getoond");

        const int groepen = 50 * 1024 * 1024 / Groep.size() + 1;
        QTest::newRow("a list of 50 MB") << Soort::Bestand << Groep.repeated(groepen) << groepen
                                         << std::optional<qint64>(-100 * groepen) << true;
        QTest::newRow("50 MB without a line end")
            << Soort::Bestand << QByteArray(50 * 1024 * 1024, 'x') << 0 << std::optional<qint64>(0)
            << true;
        QTest::newRow("a folder") << Soort::Map << QByteArray() << 0 << std::optional<qint64>()
                                  << false;
        QTest::newRow("a link to nothing")
            << Soort::LosseLink << QByteArray() << 0 << std::optional<qint64>() << false;
    }

    void aStrangeListFileOpens()
    {
        QFETCH(Soort, soort);
        QFETCH(QByteArray, inhoud);
        QFETCH(int, rijen);
        QFETCH(std::optional<qint64>, saldo);
        QFETCH(bool, getoond);
        maak(QStringLiteral("Vreemd.lst"), soort, inhoud);
        inhoud.clear();

        QCOMPARE(OpgeslagenLijsten(m_test->programma()),
            getoond ? QStringList { QStringLiteral("Vreemd") } : QStringList());
        ItemModel items;
        items.VoegToe(Item { QStringLiteral("2026-02-02"), QStringLiteral("Oud"), {}, {} });
        LaadLijst(m_test->programma(), items, QStringLiteral("Vreemd"));
        QCOMPARE(items.Aantal(), rijen);
        QCOMPARE(OpenGeldlog(m_test->programma(), QStringLiteral("Vreemd.lst")), saldo);
    }

    void randomBytesOpenAsWhateverGroupsTheyHold_data()
    {
        QTest::addColumn<quint32>("zaad");
        for (const quint32 zaad : { 1u, 2u, 3u })
            QTest::addRow("seed %u", zaad) << zaad;
    }

    void randomBytesOpenAsWhateverGroupsTheyHold()
    {
        QFETCH(quint32, zaad);
        QRandomGenerator toeval(zaad);
        QByteArray inhoud(1024 * 1024, Qt::Uninitialized);
        toeval.fillRange(reinterpret_cast<quint32 *>(inhoud.data()), inhoud.size() / 4);
        // Line ends often enough to make groups of junk.
        for (qsizetype i = 0; i < inhoud.size(); i += 1 + toeval.bounded(40))
            inhoud[i] = toeval.bounded(2) ? '\n' : '\r';
        m_test->schrijfData(QStringLiteral("Toeval.lst"), inhoud);

        ItemModel items;
        LaadLijst(m_test->programma(), items, QStringLiteral("Toeval"));
        QVERIFY(items.Aantal() > 0);
        // The entries read are saved and come back as they were read, every byte of them, less
        // what a save does to a date: the blanks around it go, and a date that is then "-"
        // marks a fixed cost, which a list does not load.
        QList<Item> verwacht;
        for (int rij = 0; rij < items.Aantal(); ++rij) {
            Item item = items.Rij(rij);
            while (item.datum.startsWith(u' '))
                item.datum.remove(0, 1);
            while (item.datum.endsWith(u' '))
                item.datum.chop(1);
            if (item.datum != u"-")
                verwacht << item;
        }
        QString fout;
        QVERIFY2(SaveLijst(m_test->programma(), items, QStringLiteral("Kopie"), &fout),
            qPrintable(fout));
        ItemModel kopie;
        LaadLijst(m_test->programma(), kopie, QStringLiteral("Kopie"));
        QList<Item> terug;
        for (int rij = 0; rij < kopie.Aantal(); ++rij)
            terug << kopie.Rij(rij);
        QVERIFY(terug == verwacht);
        OpenGeldlog(m_test->programma(), QStringLiteral("Toeval.lst"));
    }

    void aThousandListsAndOtherFilesInData()
    {
        QStringList verwacht;
        for (int i = 0; i < 1000; ++i) {
            const QString naam = QStringLiteral("Lijst %1").arg(i, 4, 10, QLatin1Char('0'));
            m_test->schrijfData(naam + QStringLiteral(".lst"), Groep);
            verwacht << naam;
        }
        // What a killed save or a user may leave beside them; none of it is a list to open.
        maak(QStringLiteral("Lijst 0001.lst.aBc123"), Soort::Bestand, Groep);
        maak(QStringLiteral("Map.lst"), Soort::Map, {});
        maak(QStringLiteral("Weg.lst"), Soort::LosseLink, {});
        maak(QStringLiteral("Kas: 2018.lst"), Soort::Bestand, Groep);

        QCOMPARE(OpgeslagenLijsten(m_test->programma()), verwacht);
        FakeHoofdVenster hoofd(m_test->programma());
        OpenForm form(hoofd);
        QListWidget *lijst = Kind<QListWidget>(form, QStringLiteral("List1"));
        QCOMPARE(lijst->count(), 1000);
        QCOMPARE(lijst->item(999)->text(), verwacht.last());

        qint64 totaal = 0;
        for (const QString &naam : verwacht)
            totaal += OpenGeldlog(m_test->programma(), naam + QStringLiteral(".lst")).value_or(0);
        QCOMPARE(totaal, -100000);
    }
};

QTEST_MAIN(TestVreemdeBestanden)
#include "tst_vreemdebestanden.moc"
