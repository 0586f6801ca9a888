#pragma once

#include <QDialog>
#include <QImage>

#include <array>

class HoofdVenster;
class QLabel;
class QLineEdit;
class QListWidget;
class QScrollBar;
class VistaButton;

// The settings window: the user's standard descriptions, offered in the description inputs,
// and the main window's background colour, previewed on the main window while the bars move.
// OK stores both: the descriptions in their file, the colour in the program's values. Cancel
// keeps the file and the stored colour, and puts the stored colour back on the main window.
class EditForm final : public QDialog {
    Q_OBJECT

public:
    explicit EditForm(HoofdVenster &hoofd, QWidget *parent = nullptr);

private:
    void BouwLijst();
    void BouwKleur();

    void LeesOmschrijvingen();
    void ToonAantal();
    void AddKnopClick();
    void List1Click();
    void DeleteKnopClick();
    void OkKnopClick();
    void StopStreep();
    void TekenStreep(int x);

    void HScroll1Change();
    void ResetKnopClick();
    // Sets the bars, with one preview of their end colour.
    void ZetBalken(int rood, int groen, int blauw);

    HoofdVenster &m_hoofd;

    QListWidget *List1 = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *Text1 = nullptr;
    QLabel *Bar = nullptr;
    VistaButton *DeleteKnop = nullptr;
    QLabel *Label5 = nullptr;
    VistaButton *AddKnop = nullptr;
    VistaButton *CancelKnop = nullptr;
    VistaButton *OkKnop = nullptr;
    QLabel *Label1 = nullptr;

    QLabel *Label3 = nullptr;
    std::array<QScrollBar *, 3> HScroll1 {};
    QLabel *Label6 = nullptr;
    QLabel *Label4 = nullptr;
    VistaButton *ResetKnop = nullptr;

    // What is drawn into Bar stays, as in a picture box that keeps its drawing.
    QImage m_streep;
    bool m_bezig = false;
};
