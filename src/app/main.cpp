#include "app/Main.h"
#include "app/Overdracht.h"
#include "app/ProgrammaMap.h"
#include "app/QtVertaling.h"
#include "app/Toepassing.h"
#include "cli/Opdrachtregel.h"
#include "common/Programma.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/QtPrinter.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// The names the user's data folder is found by, the same with or without a window.
void Benoem()
{
    QCoreApplication::setApplicationName(QStringLiteral("Geldlog"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GELDLOG_VERSION));
}

QString ProgrammaMap()
{
    return KiesProgrammaMap(QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

// A command runs without a display: no window system is needed, and none is opened.
int Opdracht(int argc, char *argv[], const QStringList &eigenArgumenten)
{
    QCoreApplication application(argc, argv);
    Benoem();
    QTextStream uit(stdout);
    QTextStream fout(stderr);
    return VoerOpdrachtUit(ProgrammaMap(), eigenArgumenten, uit, fout);
}

QStringList Argumenten(int argc, char *argv[])
{
    QStringList argumenten;
    for (int i = 0; i < argc; ++i)
        argumenten.append(QString::fromLocal8Bit(argv[i]));
    return argumenten;
}

void MeldGeenBeeldscherm()
{
    std::fputs("Geldlog vindt geen beeldscherm voor zijn venster; de opdrachten werken ook zonder "
               "(\"geldlog --help\").\n",
        stderr);
}

// While the application is made: a display that is named but cannot be opened (its server gone,
// an ssh session without its X forwarding) ends in Qt's fatal message and an abort. It is told
// as no display at all, and the program ends as it does without one. Qt's warnings on the way,
// which name the display, are printed as Qt prints them.
void BijHetMaken(QtMsgType soort, const QMessageLogContext &context, const QString &tekst)
{
    if (soort != QtFatalMsg) {
        std::fputs(qPrintable(qFormatLogMessage(soort, context, tekst) + u'\n'), stderr);
        return;
    }
    MeldGeenBeeldscherm();
    std::_Exit(Geweigerd);
}

// Whether the window can be shown: without a display Qt ends the program with a message of its
// own, in English. A platform that needs none (offscreen, vnc) may be chosen as Qt takes it.
bool HeeftBeeldscherm(const QStringList &argumenten)
{
    if (!qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return true;
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith(u"xcb") && !platform.startsWith(u"wayland"))
        return true;
    return std::any_of(argumenten.begin(), argumenten.end(), [](const QString &argument) {
        return argument.startsWith(u"-platform") || argument.startsWith(u"--platform");
    });
}

// The main window, with the bank statement of "geldlog afschrift.csv" as the file manager's
// "Openen met" starts it (`bankafschrift`; empty without one): read in once the window stands.
int Venster(int &argc, char *argv[], const QString &bankafschrift)
{
    // A Geldlog running on this display takes the file, so the month it holds is not lost.
    Overdracht overdracht(bankafschrift);
    if (overdracht.Overgedragen())
        return 0;

    qInstallMessageHandler(BijHetMaken);
    const std::unique_ptr<QApplication> toepassing = MaakToepassing(argc, argv);
    qInstallMessageHandler(nullptr);
    Benoem();
    // Lets the desktop match the window to the menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("geldlog"));

    SystemClock klok;
    QtMessageBoxes berichten;
    QtPrinters printers;
    Programma programma(ProgrammaMap(), berichten, klok, printers);

    Main venster(programma, Main::Tonen::Meteen);
    VertaalQtNaEersteVerf(venster);
    overdracht.Ontvang(venster);
    if (!bankafschrift.isEmpty()) {
        QTimer::singleShot(
            0, &venster, [&venster, bankafschrift] { venster.LeesBankafschriftIn(bankafschrift); });
    }
    return QApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    // Decided before any application object exists: a command, or a word that is none, must be
    // answered without a display, and a statement handed to a running Geldlog at little cost.
    // Qt's own options go to the application; the rest is the program's.
    const QStringList argumenten = Argumenten(argc, argv);
    const QStringList eigen = EigenArgumenten(argumenten);
    if (IsOpdracht(eigen))
        return Opdracht(argc, argv, eigen);
    if (!HeeftBeeldscherm(argumenten)) {
        MeldGeenBeeldscherm();
        return Geweigerd;
    }
    return Venster(argc, argv, eigen.value(1));
}
