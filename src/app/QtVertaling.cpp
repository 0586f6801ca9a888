#include "app/QtVertaling.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>
#include <QWidget>

namespace {

void LaadQtVertaling()
{
    auto *vertaling = new QTranslator(QCoreApplication::instance());
    if (vertaling->load(
            QStringLiteral("qtbase_nl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(vertaling);
    else
        delete vertaling;
}

// Waits for the window's first paint, then loads the translation once that paint is on the
// screen, and goes.
class NaEersteVerf final : public QObject {
public:
    explicit NaEersteVerf(QWidget &venster)
        : QObject(&venster)
    {
        venster.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *bewaakt, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            bewaakt->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                LaadQtVertaling();
                deleteLater();
            });
        }
        return QObject::eventFilter(bewaakt, event);
    }
};

} // namespace

void VertaalQtNaEersteVerf(QWidget &venster)
{
    new NaEersteVerf(venster);
}
