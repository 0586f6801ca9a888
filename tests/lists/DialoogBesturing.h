#pragma once

#include "controls/VistaButton.h"

#include <QObject>
#include <QString>
#include <QTest>

// Finding a dialog's controls by their names and using them as the user does.

template<typename T>
T *Kind(const QObject &venster, const QString &naam)
{
    T *kind = venster.findChild<T *>(naam);
    if (!kind)
        qFatal("no control %s", qPrintable(naam));
    return kind;
}

inline void Klik(const QObject &venster, const QString &knop)
{
    QTest::mouseClick(Kind<VistaButton>(venster, knop), Qt::LeftButton);
}

// Empties a text box as the user would: select all, then delete.
inline void MaakLeeg(QWidget *invoer)
{
    QTest::keyClick(invoer, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(invoer, Qt::Key_Delete);
}
