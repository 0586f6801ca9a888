#pragma once

#include "controls/VistaButton.h"

#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <QRect>
#include <QString>
#include <QTest>

// Finding a dialog's controls by their names and using them as the user does.

template<typename T> T *Kind(const QObject &venster, const QString &naam)
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

inline QString KleurTekst(const QColor &kleur)
{
    return QStringLiteral("(%1, %2, %3)").arg(kleur.red()).arg(kleur.green()).arg(kleur.blue());
}

// The window's own colour where no control covers it.
inline QColor Achtergrond(QWidget &venster, QPoint waar)
{
    return venster.grab().toImage().pixelColor(waar);
}

// The columns of a data-driven check of the controls a window shows: the place in pixels
// (a width or height of -1 is not checked), the field and text colours (an invalid colour is
// not checked) and the text (a null text is not checked).
inline void BesturingKolommen()
{
    QTest::addColumn<QString>("naam");
    QTest::addColumn<QRect>("plaats");
    QTest::addColumn<QColor>("achter");
    QTest::addColumn<QColor>("voor");
    QTest::addColumn<QString>("tekst");
}

// Checks the current row of those columns on the control of that name in `venster`.
inline void ControleerBesturing(const QObject &venster)
{
    QFETCH(QString, naam);
    QFETCH(QRect, plaats);
    QFETCH(QColor, achter);
    QFETCH(QColor, voor);
    QFETCH(QString, tekst);

    QWidget *besturing = Kind<QWidget>(venster, naam);
    QCOMPARE(besturing->parent(), &venster);
    QCOMPARE(besturing->pos(), plaats.topLeft());
    if (plaats.width() >= 0)
        QCOMPARE(besturing->width(), plaats.width());
    if (plaats.height() >= 0)
        QCOMPARE(besturing->height(), plaats.height());

    // The widget that shows the text: an editable combo box shows it in its line edit.
    QWidget *veld = besturing;
    if (auto *combo = qobject_cast<QComboBox *>(besturing))
        veld = combo->lineEdit();
    const bool invoer = qobject_cast<QLineEdit *>(veld) || qobject_cast<QListWidget *>(veld);
    const QPalette palet = veld->palette();
    if (achter.isValid()) {
        QVERIFY2(invoer, "only inputs have a field colour");
        QCOMPARE(KleurTekst(palet.color(QPalette::Base)), KleurTekst(achter));
    }
    if (voor.isValid())
        QCOMPARE(KleurTekst(palet.color(invoer ? QPalette::Text : QPalette::WindowText)),
            KleurTekst(voor));

    if (!tekst.isNull()) {
        QString getoond;
        if (auto *knop = qobject_cast<VistaButton *>(veld))
            getoond = knop->Caption();
        else if (auto *label = qobject_cast<QLabel *>(veld))
            getoond = label->text();
        else if (auto *regel = qobject_cast<QLineEdit *>(veld))
            getoond = regel->text();
        else
            QFAIL("a control without a text");
        QCOMPARE(getoond, tekst);
    }
}
