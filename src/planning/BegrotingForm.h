#pragma once

#include "budget/BegrotingBestand.h"
#include "budget/Vooruitzicht.h"
#include "lists/Posten.h"

#include <QDate>
#include <QDialog>
#include <QStringList>

class BegrotingModel;
class Programma;
class QComboBox;
class QLabel;
class QTreeView;
class VistaButton;

// "Begroting": a month of the budget. Per description its budget, changed in place and stored at
// once, what went out this month and what is left, last year's average beside it, totals per
// group, and at the bottom what is still free to spend until the month's end, with the contracts
// still expected in its tooltip. "Voorstel" fills every empty budget from last year's average.
// The lists are read once, when it opens; it writes nothing but the budgets.
class BegrotingForm final : public QDialog {
    Q_OBJECT

public:
    explicit BegrotingForm(Programma &programma, QWidget *parent = nullptr);
    ~BegrotingForm() override;

private:
    void ToonMaand();
    void ToonVrij();
    void ToonMeldingen();
    void VoorstelKnop_Click();
    bool Bewaar();

    Programma &m_programma;
    QDate m_vandaag;
    Posten m_posten;
    BegrotingBestand m_bestand;
    Vooruitzicht m_vooruitzicht;
    QStringList m_meldingen; // what does not count; the budgets file's own is told beside them
    BegrotingModel *m_model = nullptr;

    QLabel *MaandLabel = nullptr;
    QComboBox *MaandKeuze = nullptr; // this month first, then every month with entries
    QTreeView *BegrotingTabel = nullptr;
    QLabel *MeldingLabel = nullptr; // grey: what does not count
    QLabel *VrijLabel = nullptr; // "Vrij te besteden tot en met 31 maart: € 312,40"
    VistaButton *VoorstelKnop = nullptr;
    VistaButton *SluitKnop = nullptr;
};

// Opens the budget over `ouder`, modal, on the program's Data folder.
void ToonBegroting(Programma &programma, QWidget *ouder);
