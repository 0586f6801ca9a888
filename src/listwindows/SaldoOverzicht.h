#pragma once

#include "listwindows/SaldoRijen.h"

#include <QObject>
#include <QPointer>

class Programma;
class QLabel;
class VistaButton;

// The balance overview's scan, run by its "Show" button: the balance of every saved list in
// the Data folder into the table, one list a second with the name of the list just read
// beside it, then "Gereed..." and the grand total.
//
// The window stays usable during the pauses; only the button waits until the scan is done, so
// two scans never mix their rows. Closing the window ends the scan at the next pause.
class SaldoOverzicht final : public QObject {
    Q_OBJECT

public:
    // `showKnop` starts the scan; `label12` shows the list being read, `label11` the total:
    // labels wide enough for their texts, as the scan does not resize them.
    SaldoOverzicht(Programma &programma, VistaButton &showKnop, QLabel &label12, QLabel &label11,
        QObject *parent = nullptr);

    // The rows of the last scan, for the overview's table.
    SaldoRijen &Rijen() { return m_rijen; }

    bool Bezig() const { return m_bezig; }

    void ShowKnop_Click();

private:
    // False when the window closed during a pause and the scan stopped there.
    bool Scan();
    bool Afgebroken() const;

    Programma &m_programma;
    QPointer<VistaButton> m_showKnop;
    QPointer<QLabel> m_label12;
    QPointer<QLabel> m_label11;
    SaldoRijen m_rijen;
    qint64 m_totaal = 0; // the grand total in whole cents, as TotaalSaldo holds it in euros
    bool m_bezig = false;
};
