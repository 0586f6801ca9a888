#include "app/Overdracht.h"

#include "app/Main.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTimer>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// Plain sockets rather than Qt's local sockets: those live in Qt Network, a library of its own
// (with Kerberos and the proxy libraries behind it) that every start would load.

namespace {

// A message is the file's path as the file system names it, ended by a zero byte; without a path
// only the window comes to the front. The program that takes it answers with one byte.
constexpr char Einde = '\0';
constexpr char Genomen = 'J';
// No path comes near this; a sender that goes on is no Geldlog.
constexpr qsizetype LangsteBericht = 64 * 1024;
// A Geldlog busy printing may take a while to answer; one that never does leaves the start to go
// its own way after all.
constexpr int AntwoordMs = 10000;
constexpr int VerbindPogingen = 20;
constexpr useconds_t TussenPogingen = 50000;

// "<runtime folder>/geldlog-:0-1a2b3c4d", for this user's Geldlog on this display, and this copy of
// it: a portable copy beside an installed one keeps a folder of its own, so each runs on its own.
// Empty without a display or a runtime folder.
QByteArray Plek()
{
    // The application that would say where the program lies is not made yet; Linux says it.
    const QByteArray programma
        = QFile::encodeName(QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath());
    const QString kopie = QString::number(qHash(programma), 16);
    QString scherm = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (scherm.isEmpty()) {
        scherm = qEnvironmentVariable("DISPLAY");
        // ":0.1" is screen 1 of the display ":0".
        if (const qsizetype dubbelepunt = scherm.lastIndexOf(u':'); dubbelepunt >= 0) {
            if (const qsizetype punt = scherm.indexOf(u'.', dubbelepunt); punt > 0)
                scherm.truncate(punt);
        }
    }
    const QString map = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (scherm.isEmpty() || map.isEmpty())
        return {};
    return QFile::encodeName(
        map + QStringLiteral("/geldlog-") + scherm.replace(u'/', u'_') + u'-' + kopie);
}

bool Adres(const QByteArray &pad, sockaddr_un &adres)
{
    adres = {};
    adres.sun_family = AF_UNIX;
    if (pad.size() >= qsizetype(sizeof adres.sun_path))
        return false;
    std::memcpy(adres.sun_path, pad.constData(), pad.size());
    return true;
}

bool SchrijfAlles(int socket, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const ssize_t geschreven = ::send(socket, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (geschreven < 0 && errno == EINTR)
            continue;
        if (geschreven <= 0)
            return false;
        bytes = bytes.sliced(geschreven);
    }
    return true;
}

bool WachtOpAntwoord(int socket)
{
    pollfd wacht { socket, POLLIN, 0 };
    int klaar;
    do
        klaar = ::poll(&wacht, 1, AntwoordMs);
    while (klaar < 0 && errno == EINTR);
    char antwoord = 0;
    return klaar == 1 && ::recv(socket, &antwoord, 1, 0) == 1 && antwoord == Genomen;
}

// Hands `bericht` to the Geldlog that holds the lock. It may hold the lock a moment before it
// listens, so a refused connection is tried again a few times.
bool GeefAan(const sockaddr_un &adres, const QByteArray &bericht)
{
    for (int poging = 0; poging < VerbindPogingen; ++poging) {
        const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (socket < 0)
            return false;
        if (::connect(socket, reinterpret_cast<const sockaddr *>(&adres), sizeof adres) == 0) {
            const bool genomen = SchrijfAlles(socket, bericht) && WachtOpAntwoord(socket);
            ::close(socket);
            return genomen;
        }
        const int fout = errno;
        ::close(socket);
        if (fout != ECONNREFUSED && fout != ENOENT && fout != EAGAIN && fout != EINTR)
            return false;
        ::usleep(TussenPogingen);
    }
    return false;
}

// The file read in once no dialog is open in the window any more: the one that is open is
// finished first, as the user would do it.
void LeesInWanneerVrij(const QPointer<Main> &venster, const QString &pad)
{
    if (!venster)
        return;
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(250, venster, [venster, pad] { LeesInWanneerVrij(venster, pad); });
        return;
    }
    venster->LeesBankafschriftIn(pad);
}

// The window to the front, or the dialog open in it, and then the file read in.
void Toon(Main &venster, const QString &pad)
{
    QWidget *voor = QApplication::activeModalWidget();
    if (!voor)
        voor = &venster;
    venster.setWindowState(venster.windowState() & ~Qt::WindowMinimized);
    voor->raise();
    voor->activateWindow();
    if (!pad.isEmpty())
        LeesInWanneerVrij(&venster, pad);
}

// One later start that hands something over: read until its message is whole, answered, then
// shown. Gone once done, or when the sender goes away without a whole message.
class Verbinding final : public QObject {
public:
    Verbinding(int socket, Main &venster)
        : QObject(&venster)
        , m_socket(socket)
        , m_venster(venster)
        , m_lezer(socket, QSocketNotifier::Read, this)
    {
        connect(&m_lezer, &QSocketNotifier::activated, this, &Verbinding::Lees);
    }
    ~Verbinding() override { ::close(m_socket); }

private:
    void Lees()
    {
        char blok[4096];
        for (;;) {
            const ssize_t gelezen = ::recv(m_socket, blok, sizeof blok, 0);
            if (gelezen < 0 && errno == EINTR)
                continue;
            if (gelezen < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
                return;
            if (gelezen <= 0 || m_bericht.size() + gelezen > LangsteBericht)
                break;
            m_bericht.append(blok, gelezen);
            if (const qsizetype einde = m_bericht.indexOf(Einde); einde >= 0) {
                // Only what the sender still waits for is shown; one that gave up opens its
                // own window. Shown from the event loop: reading the file in waits for the
                // user in a dialog.
                if (SchrijfAlles(m_socket, QByteArrayView(&Genomen, 1))) {
                    QTimer::singleShot(0, &m_venster,
                        [&venster = m_venster, pad = QFile::decodeName(m_bericht.left(einde))] {
                            Toon(venster, pad);
                        });
                }
                break;
            }
        }
        m_lezer.setEnabled(false);
        deleteLater();
    }

    int m_socket;
    Main &m_venster;
    QSocketNotifier m_lezer;
    QByteArray m_bericht;
};

} // namespace

Overdracht::Overdracht(const QString &bankafschrift)
{
    const QByteArray plek = Plek();
    sockaddr_un adres;
    if (plek.isEmpty() || !Adres(plek + ".socket", adres))
        return;
    m_slot = ::open((plek + ".lock").constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (m_slot < 0)
        return;
    if (::flock(m_slot, LOCK_EX | LOCK_NB) != 0) {
        ::close(m_slot);
        m_slot = -1;
        // Another Geldlog holds it. The path is sent whole, as the other runs in another folder.
        QByteArray bericht;
        if (!bankafschrift.isEmpty())
            bericht = QFile::encodeName(QFileInfo(bankafschrift).absoluteFilePath());
        m_overgedragen = GeefAan(adres, bericht + Einde);
        return;
    }

    // This is the one. A socket still there is one a program that ended left behind.
    ::unlink(adres.sun_path);
    m_luister = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (m_luister < 0)
        return;
    if (::bind(m_luister, reinterpret_cast<const sockaddr *>(&adres), sizeof adres) != 0
        || ::listen(m_luister, 8) != 0) {
        ::close(m_luister);
        m_luister = -1;
        return;
    }
    m_socket = adres.sun_path;
}

Overdracht::~Overdracht()
{
    // The socket goes while the lock is still held: a Geldlog started meanwhile makes its own.
    if (m_luister >= 0) {
        ::close(m_luister);
        ::unlink(m_socket.constData());
    }
    if (m_slot >= 0)
        ::close(m_slot);
}

void Overdracht::Ontvang(Main &venster)
{
    if (m_luister < 0)
        return;
    auto *luisteraar = new QSocketNotifier(m_luister, QSocketNotifier::Read, &venster);
    QObject::connect(luisteraar, &QSocketNotifier::activated, &venster, [this, &venster] {
        int socket;
        while ((socket = ::accept4(m_luister, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC)) >= 0)
            new Verbinding(socket, venster);
    });
}
