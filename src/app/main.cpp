#include "app/Main.h"
#include "app/ProgrammaMap.h"
#include "common/Programma.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/QtPrinter.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setApplicationName(QStringLiteral("Geldlog"));
    QApplication::setApplicationVersion(QStringLiteral(GELDLOG_VERSION));
    // Lets the desktop match the window to the menu entry and its icon.
    QApplication::setDesktopFileName(QStringLiteral("geldlog"));

    SystemClock klok;
    QtMessageBoxes berichten;
    QtPrinters printers;
    Programma programma(KiesProgrammaMap(QApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)),
        berichten, klok, printers);

    Main venster(programma);
    venster.show();
    // "geldlog afschrift.csv", as the file manager's "Openen met" starts it: the statement is
    // read in once the main window stands.
    if (const QStringList argumenten = QApplication::arguments(); argumenten.size() == 2) {
        const QString pad = argumenten[1];
        QTimer::singleShot(0, &venster, [&venster, pad] { venster.LeesBankafschriftIn(pad); });
    }
    return QApplication::exec();
}
