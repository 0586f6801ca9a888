#pragma once

#include <QDialog>

class HoofdVenster;
class QComboBox;
class QLabel;
class VistaButton;

// Starts a new, empty list in the main window, named after a year and a month or whatever the
// user types into the two boxes. Nothing is written to disk until the list is saved.
class NieuwForm final : public QDialog {
    Q_OBJECT

public:
    explicit NieuwForm(HoofdVenster &hoofd, QWidget *parent = nullptr);

private:
    void OkKnopClick();

    HoofdVenster &m_hoofd;
    QComboBox *Combo2;
    QComboBox *Combo1;
    QLabel *Label1;
    QLabel *Label2;
    VistaButton *CancelKnop;
    VistaButton *OkKnop;
};
