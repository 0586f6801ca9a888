#pragma once

// Ends the program once the window it watches has been painted and the paint handed to the
// display: how the start-up benchmark's programs stop, the bare one and the main window alike.

#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdlib>

class EindNaVerven final : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, [] { std::_Exit(0); });
        return QObject::eventFilter(watched, event);
    }
};
