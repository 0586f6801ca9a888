// One Geldlog per display: a later start hands its statement to the Geldlog that runs.
#include "MainFixture.h"
#include "app/Overdracht.h"

#include <QDir>
#include <QTest>

#include <atomic>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

class TstOverdracht : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // After a Geldlog that crashed and left its socket behind, from another folder: the path
    // handed over reads from the folder of the Geldlog that runs.
    void geeftEenPadUitEenAndereMapOver()
    {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
        qputenv("DISPLAY", ":7");
        sockaddr_un achtergelaten { AF_UNIX, {} };
        {
            Overdracht eerder { QString() };
            const QDir map(runtime.path(), u"*.socket"_qs, QDir::Name, QDir::System);
            qstrncpy(achtergelaten.sun_path,
                QFile::encodeName(map.absoluteFilePath(map.entryList().value(0))).constData(),
                sizeof achtergelaten.sun_path);
        }
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QCOMPARE(
            ::bind(socket, reinterpret_cast<sockaddr *>(&achtergelaten), sizeof achtergelaten), 0);
        ::close(socket);

        Overdracht draaiend { QString() };
        MainFixture f;
        f.start();
        draaiend.Ontvang(*f.main);
        f.omgeving.berichten().queue(MessageBoxes::Answer::Ok);
        const QString later = runtime.filePath(u"later"_qs);
        QVERIFY(QDir().mkdir(later) && QDir::setCurrent(later));
        std::atomic<int> overgedragen = -1;
        std::jthread start([&] { overgedragen = Overdracht(u"../a.csv"_qs).Overgedragen(); });
        QTRY_VERIFY_WITH_TIMEOUT(overgedragen >= 0, 20000);
        QCOMPARE(overgedragen, 1);
        QTRY_COMPARE(f.omgeving.berichten().shown().size(), 1);
        QCOMPARE(f.omgeving.berichten().shown().first().text,
            u"Het bestand \"%1\" bestaat niet."_qs.arg(runtime.filePath(u"a.csv"_qs)));
        f.omgeving.berichten().verifyDone();
    }
};

QTEST_MAIN(TstOverdracht)
#include "tst_overdracht.moc"
