#pragma once

#include "common/ItemModel.h"

#include <QFrame>
#include <QString>

class QComboBox;
class QDate;
class QLabel;
class QLineEdit;
class MessageBoxes;

// The panel `Frame1` with the inputs for one entry, laid out alike in the main window and the
// fixed-costs window: year, month and day, the description, and the income and expense boxes
// with their labels. Each window adds its own buttons to it. A click into one amount box empties
// the other, so an entry gets one amount only.
class InvoerPaneel final : public QFrame {
    Q_OBJECT

public:
    // A panel at `plaats` (twips converted to pixels) with its inputs set to `vandaag`.
    InvoerPaneel(
        QWidget *ouder, const QRect &plaats, const QColor &achtergrond, const QDate &vandaag);

    QComboBox *Combo1() const { return m_combo1; } // year, "2000" to "2050"
    QComboBox *Combo2() const { return m_combo2; } // month name
    QComboBox *Combo3() const { return m_combo3; } // day, editable
    QComboBox *Combo4() const { return m_combo4; } // description, editable
    QLineEdit *Text2() const { return m_text2; } // income
    QLineEdit *Text3() const { return m_text3; } // expense
    QLabel *Label3() const { return m_label3; } // "Inkomsten (b.v. 123,78 of 45,00)"
    QLabel *Label4() const { return m_label4; } // "Uitgaven"
    QLabel *Label5() const { return m_label5; } // "Omschrijving"

    // Checks the inputs of an entry in this order: a description, one amount filled (both filled
    // is refused with `beideMelding`, which differs per window), that amount a number. The first
    // that fails is shown as the program shows a refused input, a refused amount gets the focus
    // back, and the answer is false.
    bool KeurInvoer(MessageBoxes &berichten, const QString &beideMelding);

    // The same for the day: it must be a day of the chosen month and year.
    bool KeurDag(MessageBoxes &berichten);

    // Every "." in the amount boxes becomes ",", shown in the boxes.
    void VervangPunten();

    // The date text of the year, month and day inputs, as they stand.
    QString InvoerDatum() const;

    // The entry the inputs hold, its texts as they stand. A line break pasted into a box
    // becomes a blank: a cell is one line of text.
    Item InvoerItem() const;
    // The entry as it is added: the same, with both amounts in their formatted form.
    Item NieuwItem() const;

    void MaakBedragenLeeg();

    // Shows a stored entry in the inputs; a part that does not fit its input leaves it as it is.
    void ToonItem(const Item &item);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool Weiger(MessageBoxes &berichten, const QString &melding, QWidget *invoer = nullptr);
    // The typed day without blanks around it.
    QString Dag() const;
    void KiesJaar(const QString &jaar);
    void KiesMaand(const QString &maand);

    QComboBox *m_combo1 = nullptr;
    QComboBox *m_combo2 = nullptr;
    QComboBox *m_combo3 = nullptr;
    QComboBox *m_combo4 = nullptr;
    QLineEdit *m_text2 = nullptr;
    QLineEdit *m_text3 = nullptr;
    QLabel *m_label3 = nullptr;
    QLabel *m_label4 = nullptr;
    QLabel *m_label5 = nullptr;
};
