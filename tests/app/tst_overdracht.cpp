// One Geldlog per display: a later start hands its statement to the Geldlog that runs, as a
// path that reads from any folder, also after a Geldlog that ended without removing its socket.
#include "MainFixture.h"
#include "app/Overdracht.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

class TstOverdracht : public QObject {
    Q_OBJECT

    QTemporaryDir m_runtime; // the user's runtime folder, where the socket lies

    // A socket where the Geldlog that runs would listen, as one that crashed leaves it behind.
    static void LaatSocketAchter(const QString &pad)
    {
        sockaddr_un adres {};
        adres.sun_family = AF_UNIX;
        const QByteArray naam = QFile::encodeName(pad);
        std::memcpy(adres.sun_path, naam.constData(), naam.size());
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(::bind(socket, reinterpret_cast<const sockaddr *>(&adres), sizeof adres) == 0);
        ::close(socket);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_runtime.isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
        qputenv("DISPLAY", ":7");
        qunsetenv("WAYLAND_DISPLAY");
    }

    void geeftOverAanDeGeldlogDieDraait_data()
    {
        QTest::addColumn<bool>("achtergelaten");
        QTest::addColumn<QString>("bankafschrift"); // from the later start's folder %map
        QTest::newRow("naar voren") << false << QString();
        QTest::newRow("pad uit een andere map") << false << u"afschrift.csv"_qs;
        QTest::newRow("socket achtergelaten") << true << u"../afschrift.csv"_qs;
    }

    void geeftOverAanDeGeldlogDieDraait()
    {
        QFETCH(bool, achtergelaten);
        QFETCH(QString, bankafschrift);
        if (achtergelaten) {
            QString socket;
            {
                Overdracht eerder { QString() };
                const QDir map(m_runtime.path(), u"*.socket"_qs, QDir::Name, QDir::System);
                socket = map.absoluteFilePath(map.entryList().value(0));
            }
            LaatSocketAchter(socket);
        }
        Overdracht draaiend { QString() };
        QVERIFY(!draaiend.Overgedragen());
        MainFixture f;
        f.start();
        draaiend.Ontvang(*f.main);

        // The later start runs in a folder of its own, and ends once the running one took it.
        const QString hier = QDir::currentPath();
        QTemporaryDir later;
        QVERIFY(QDir::setCurrent(later.path()));
        if (!bankafschrift.isEmpty())
            f.omgeving.berichten().queue(MessageBoxes::Answer::Ok);
        std::atomic<int> overgedragen = -1;
        std::jthread start([&] { overgedragen = Overdracht(bankafschrift).Overgedragen(); });
        QTRY_VERIFY_WITH_TIMEOUT(overgedragen >= 0, 20000);
        QCOMPARE(overgedragen, 1);
        QVERIFY(QDir::setCurrent(hier));
        if (bankafschrift.isEmpty()) {
            QCoreApplication::processEvents();
            QCOMPARE(f.omgeving.berichten().shown().size(), 0);
            return;
        }
        QTRY_COMPARE(f.omgeving.berichten().shown().size(), 1);
        QCOMPARE(f.omgeving.berichten().shown().first().text,
            u"Het bestand \"%1\" bestaat niet."_qs.arg(
                QDir::cleanPath(later.filePath(bankafschrift))));
        f.omgeving.berichten().verifyDone();
    }
};

QTEST_MAIN(TstOverdracht)
#include "tst_overdracht.moc"
