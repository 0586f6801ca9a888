#pragma once

#include "common/ItemModel.h"

#include <QObject>
#include <QString>

class QComboBox;
class QDate;
class QLabel;
class QLineEdit;
class QWidget;

// The inputs for one entry, laid out alike in the main window and the fixed-costs window:
// year, month and day, the description, and the income and expense boxes with their labels.
// A click into one amount box empties the other, so an entry gets one amount only.
class InvoerPaneel final : public QObject
{
    Q_OBJECT

public:
    enum class StartDag { Vandaag, Eerste };

    // Builds the inputs into `frame` at their designed places, set to `vandaag`.
    InvoerPaneel(QWidget &frame, const QDate &vandaag, StartDag startDag);

private:
    // The frame gets the inputs' colours and font before the inputs are made (so this member
    // comes first): each input then takes them over at birth, which keeps the start-up quick.
    QWidget &m_frame;

public:
    QComboBox *const Combo1;  // year, "2000" to "2050"
    QComboBox *const Combo2;  // month name
    QComboBox *const Combo3;  // day, editable
    QComboBox *const Combo4;  // description, editable and sorted
    QLineEdit *const Text2;   // income
    QLineEdit *const Text3;   // expense
    QLabel *const Label2;
    QLabel *const Label3;
    QLabel *const Label4;
    QLabel *const Label5;

    // The message for the first check the inputs fail, or "" when they may be taken.
    // Both amounts filled is refused with `beideMelding`, which differs per window.
    QString InvoerFout(const QString &beideMelding) const;

    // The date text of the year, month and day inputs.
    QString Datum() const;

    // Every "." in the amount boxes becomes ",", shown in the boxes.
    void VervangPunten();

    // Shows a stored entry in the inputs; a part that does not fit its input leaves it as it is.
    void ToonItem(const Item &item);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void KiesJaar(const QString &jaar);
    void KiesMaand(const QString &maand);
};
