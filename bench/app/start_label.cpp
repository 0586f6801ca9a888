// The window the program's start-up is measured against: a bare Qt window with one label, in a
// program of its own that links Qt alone.
#include "EindNaVerven.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Geldlog"));
    label.resize(1092, 630);
    EindNaVerven eind;
    label.installEventFilter(&eind);
    label.show();
    return QApplication::exec();
}
