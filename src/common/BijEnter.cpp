#include "common/BijEnter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {

class EnterFilter final : public QObject {
public:
    EnterFilter(QWidget &invoer, std::function<void()> actie)
        : QObject(&invoer)
        , m_actie(std::move(actie))
    {
        invoer.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto *toets = static_cast<QKeyEvent *>(event);
        if (toets->key() != Qt::Key_Return && toets->key() != Qt::Key_Enter)
            return QObject::eventFilter(watched, event);
        m_actie();
        return true;
    }

private:
    std::function<void()> m_actie;
};

} // namespace

void BijEnter(QWidget &invoer, std::function<void()> actie)
{
    new EnterFilter(invoer, std::move(actie));
}
