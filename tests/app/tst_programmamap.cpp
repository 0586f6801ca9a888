// Which folder the program keeps its files in: beside itself, or in the user's data folder
// when it is installed, laying out Data there on the first start.
#include "app/ProgrammaMap.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray Starter = "Boodschappen\r\nHuur\r\n";

void Schrijf(const QString &pad, const QByteArray &inhoud)
{
    QDir().mkpath(QFileInfo(pad).absolutePath());
    QFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly) || bestand.write(inhoud) != inhoud.size())
        qFatal("cannot write %s", qPrintable(pad));
}

QByteArray Lees(const QString &pad)
{
    QFile bestand(pad);
    return bestand.open(QIODevice::ReadOnly) ? bestand.readAll() : QByteArray("<none>");
}

// Every path below `map`, so a test sees anything that was written there.
QStringList Inhoud(const QString &map)
{
    QStringList paden;
    QDirIterator it(
        map, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        paden << QDir(map).relativeFilePath(it.next());
    paden.sort();
    return paden;
}

} // namespace

class TestProgrammaMap : public QObject {
    Q_OBJECT

    QTemporaryDir m_root;
    QString m_bin;
    QString m_gebruiker;

    // The program as a package installs it: usr/bin and usr/share/geldlog.
    void installeer()
    {
        QVERIFY(QDir().mkpath(m_bin));
        Schrijf(m_root.path() + QStringLiteral("/usr/share/geldlog/Omschrijving.txt"), Starter);
    }

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_root.isValid());
        QDir(m_root.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_root.path()));
        m_bin = m_root.path() + QStringLiteral("/usr/bin");
        m_gebruiker = m_root.path() + QStringLiteral("/home/.local/share/Geldlog");
    }

    void aFolderWithDataBesideTheProgramIsTheProgramFolder_data()
    {
        QTest::addColumn<bool>("geinstalleerd");
        QTest::newRow("portable copy") << false;
        QTest::newRow("installed, but with Data beside it") << true;
    }

    void aFolderWithDataBesideTheProgramIsTheProgramFolder()
    {
        QFETCH(bool, geinstalleerd);
        if (geinstalleerd)
            installeer();
        QVERIFY(QDir().mkpath(m_bin + QStringLiteral("/Data")));
        const QStringList voor = Inhoud(m_root.path());

        QCOMPARE(KiesProgrammaMap(m_bin, m_gebruiker), m_bin);
        QCOMPARE(Inhoud(m_root.path()), voor);
    }

    void aPortableCopyWithoutDataStaysWhereItIsAndCreatesNothing()
    {
        QVERIFY(QDir().mkpath(m_bin));
        QCOMPARE(KiesProgrammaMap(m_bin, m_gebruiker), m_bin);
        QCOMPARE(Inhoud(m_root.path()),
            QStringList({ QStringLiteral("usr"), QStringLiteral("usr/bin") }));
    }

    void theFirstStartOfAnInstalledProgramLaysOutDataInTheUsersFolder()
    {
        installeer();
        const QStringList installatie = Inhoud(m_root.path() + QStringLiteral("/usr"));

        QCOMPARE(KiesProgrammaMap(m_bin, m_gebruiker), m_gebruiker);
        const QString kopie = m_gebruiker + QStringLiteral("/Data/Omschrijving.txt");
        QCOMPARE(Lees(kopie), Starter);
        QVERIFY(QFileInfo(kopie).isWritable());
        QCOMPARE(Inhoud(m_gebruiker),
            QStringList({ QStringLiteral("Data"), QStringLiteral("Data/Omschrijving.txt") }));
        // Nothing is written where the program is installed.
        QCOMPARE(Inhoud(m_root.path() + QStringLiteral("/usr")), installatie);
    }

    void aLaterStartKeepsWhatTheUserHas_data()
    {
        QTest::addColumn<QByteArray>("eigen");
        QTest::newRow("own descriptions") << QByteArray("Kapper\r\n");
        QTest::newRow("descriptions removed") << QByteArray();
    }

    void aLaterStartKeepsWhatTheUserHas()
    {
        QFETCH(QByteArray, eigen);
        installeer();
        const QString bestand = m_gebruiker + QStringLiteral("/Data/Omschrijving.txt");
        Schrijf(bestand, eigen);
        if (eigen.isEmpty())
            QVERIFY(QFile::remove(bestand));

        QCOMPARE(KiesProgrammaMap(m_bin, m_gebruiker), m_gebruiker);
        QCOMPARE(Lees(bestand), eigen.isEmpty() ? QByteArray("<none>") : eigen);
    }

    void withoutAUsersFolderTheInstalledProgramStaysBesideItself()
    {
        installeer();
        QCOMPARE(KiesProgrammaMap(m_bin, QString()), m_bin);
        QVERIFY(!QFileInfo::exists(m_bin + QStringLiteral("/Data")));
    }

    void aUsersFolderThatCannotBeMadeIsStillTheProgramFolder()
    {
        // Its saves then fail with the reason the Data folder is missing, as any save without it.
        installeer();
        Schrijf(m_root.path() + QStringLiteral("/home/.local"), "a file in the way");
        QCOMPARE(KiesProgrammaMap(m_bin, m_gebruiker), m_gebruiker);
        QVERIFY(!QFileInfo::exists(m_gebruiker));
    }
};

QTEST_GUILESS_MAIN(TestProgrammaMap)
#include "tst_programmamap.moc"
