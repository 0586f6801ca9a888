#include "app/Main.h"
#include "app/ProgrammaMap.h"
#include "app/Toepassing.h"
#include "common/Programma.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/QtPrinter.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    RichtToepassingIn();
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
    return QApplication::exec();
}
