#include "common/GeenEscape.h"

#include <QDialog>
#include <QEvent>
#include <QKeyEvent>

namespace {

// Sees the key only once no control of the dialog took it, as QDialog itself would.
class EscapeFilter final : public QObject {
public:
    explicit EscapeFilter(QDialog &dialoog)
        : QObject(&dialoog)
    {
        dialoog.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        return (event->type() == QEvent::KeyPress
                   && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape)
            || QObject::eventFilter(watched, event);
    }
};

} // namespace

void GeenEscape(QDialog &dialoog)
{
    new EscapeFilter(dialoog);
}
