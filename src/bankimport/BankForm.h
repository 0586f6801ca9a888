#pragma once

#include "common/Ankers.h"
#include "matching/GeleerdBestand.h"

#include <QDate>
#include <QDialog>

class BankRijen;
class HoofdVenster;
class QCheckBox;
class QComboBox;
class QLabel;
class QTreeView;
class VistaButton;
struct Bankafschrift;

// "Bankafschrift inlezen": the transactions of a bank's statement file, each with a check box,
// to add the chosen ones to the open list. The new ones start chosen, those of the list's own
// month only when the list is named after one; those that another saved list holds, whichever
// month it was read into, are not new. Each goes in under the household's own word where
// Geldlog knows it, or one the user chooses or types, or else under the bank's text. The list is
// not written: the user saves the month as usual. What the rows teach of the household's words
// is kept on "Toevoegen".
//
// With no named list in the main window (Geldlog started with the file), the window offers the
// list to add to ("Toevoegen aan"): the saved list of the month most transactions fall in, opened
// at once so the rows are checked against its entries, or a new list of that month, which the
// table in the main window becomes on "Toevoegen".
class BankForm final : public QDialog {
    Q_OBJECT

public:
    BankForm(HoofdVenster &hoofd, const Bankafschrift &afschrift, QWidget *parent = nullptr);
    ~BankForm() override;

protected:
    // Enter adds the chosen rows, as the button "Toevoegen" does; Escape cancels.
    void keyPressEvent(QKeyEvent *event) override;
    // Space in the table sets or clears the check box of its current row.
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void BouwKop(const Bankafschrift &afschrift);
    void BouwTabel();
    void BouwLijstKeuze(const Bankafschrift &afschrift);
    void ToevoegenAan_Click(int index);
    bool NieuweLijstGekozen() const;
    // The month the list the rows go to is named after; invalid when its name is no month.
    QDate DoelMaand() const;
    void OkKnop_Click();
    void ToonKeuze();
    void ToonTelling();
    void ToonAlleenMaand();

    HoofdVenster &m_hoofd;
    GeleerdBestand m_geleerd;
    BankRijen *m_rijen = nullptr;
    // "ING (CSV): 12 posten", to which the counts of the rows' check are added.
    QString m_bestandTelling;
    // The name of the new list that "Toevoegen aan" offers first; empty when it offers none.
    QString m_nieuweLijst;
    // The list that "Toevoegen aan" stands on, to go back to when another may not be opened.
    int m_gekozenLijst = -1;
    Ankers m_ankers;

    QLabel *RekeningLabel = nullptr; // bank, account and period
    QLabel *TellingLabel = nullptr; // kind of file and the counts
    QTreeView *PostenTabel = nullptr;
    QLabel *GekozenLabel = nullptr; // the count of chosen rows
    QLabel *InkomstenLabel = nullptr;
    QLabel *UitgavenLabel = nullptr;
    QCheckBox *AlleenMaand = nullptr; // "Alleen maart 2026"
    QLabel *ToevoegenAanLabel = nullptr;
    QComboBox *ToevoegenAan = nullptr; // the list the rows go to, with no list named
    VistaButton *AnnulerenKnop = nullptr;
    VistaButton *ToevoegenKnop = nullptr;
};

// Reads the statement file at `pad` and opens BankForm on it over `ouder`. A file that cannot be
// read, or that is no statement of a kind Geldlog knows, is refused with a message, and nothing
// changes.
void LeesBankafschriftIn(HoofdVenster &hoofd, QWidget *ouder, const QString &pad);
