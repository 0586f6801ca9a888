#include "app/Main.h"
#include "common/Programma.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/QtPrinter.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setApplicationName(QStringLiteral("Geldlog"));
    QApplication::setApplicationVersion(QStringLiteral(GELDLOG_VERSION));

    SystemClock klok;
    QtMessageBoxes berichten;
    QtPrinters printers;
    Programma programma(QApplication::applicationDirPath(), berichten, klok, printers);

    Main venster(programma);
    venster.show();
    return QApplication::exec();
}
