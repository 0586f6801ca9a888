#pragma once

#include <QDialog>
#include <QImage>

class HoofdVenster;
class QLabel;
class QLineEdit;
class VistaButton;

// Stores the current list under the name the user confirms or types, then shows a short
// progress animation and closes. The list's name and the changed flag go to the main window.
class SaveForm final : public QDialog {
    Q_OBJECT

public:
    explicit SaveForm(HoofdVenster &hoofd, QWidget *parent = nullptr);

private:
    void SaveKnopClick();
    void TekenBalk(int breedte);

    HoofdVenster &m_hoofd;
    QLineEdit *Text1;
    QLabel *Bar;
    QLabel *Label1;
    VistaButton *CancelKnop;
    VistaButton *SaveKnop;

    // What is drawn into Bar stays, as in a picture box that keeps its drawing.
    QImage m_balk;
    bool m_bezig = false;
};
