#include "platform/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

BusyCursor::BusyCursor()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor()
{
    release();
}

void BusyCursor::release()
{
    if (m_active) {
        QGuiApplication::restoreOverrideCursor();
        m_active = false;
    }
}
