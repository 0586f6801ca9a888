#pragma once

#include "printing/HuidigePrinter.h"

#include <QDialog>

class HoofdVenster;
class Programma;
class QCheckBox;
class QComboBox;
class QLabel;
class VistaButton;

// Where the user picks the printer, chooses whether the income and the expense columns go on
// paper, and prints the current list. A pick makes that printer the program's current printer
// at once, also when the dialog is then cancelled.
//
// The program's other prints (the year overview) open it for the pick of the printer alone:
// without the choice of columns, "Afdrukken" prints their own pages.
class PrinterForm final : public QDialog {
    Q_OBJECT

public:
    explicit PrinterForm(HoofdVenster &hoofd, QWidget *parent = nullptr);
    // Another print, whose job is named `document` and laid out by `bladzijden`.
    PrinterForm(
        Programma &programma, QString document, Bladzijden bladzijden, QWidget *parent = nullptr);

    // Prints the main window's list, or another print's pages, on the current printer; a
    // failure is told to the user. True when the job was handed over.
    bool PrintLijst();

private:
    PrinterForm(Programma &programma, HoofdVenster *hoofd, QWidget *parent);
    void Combo2_Change();
    void PrintKnop_Click();
    void ZetTitel();
    int LiniaalBreedte(const QString &tekst);

    Programma &m_programma;
    HoofdVenster *m_hoofd = nullptr; // the list's print; none for another
    QString m_document;
    Bladzijden m_bladzijden;
    QComboBox *Combo2;
    QLabel *Label1;
    QLabel *Label3;
    QCheckBox *Check1;
    QCheckBox *Check2;
    VistaButton *CancelKnop;
    VistaButton *PrintKnop;
    QLabel *Label4; // the hidden ruler that measures amounts as on screen
};

// The print menu button: opens the print dialog on the current printer, choosing the system's
// default printer (or else the first installed) the first time. Without any printer installed
// it says so, and when the current printer has gone it says that before the dialog opens.
void Afdrukken(HoofdVenster &hoofd, QWidget *parent);

// Another print, as the print menu button opens the dialog: the printer picked first, then the
// job named `document` laid out by `bladzijden`.
void Afdrukken(
    Programma &programma, QWidget *parent, const QString &document, const Bladzijden &bladzijden);
