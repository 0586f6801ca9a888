#pragma once

#include <QDate>
#include <QDialog>

class BankRijen;
class HoofdVenster;
class QCheckBox;
class QLabel;
class QTreeView;
class VistaButton;
struct Bankafschrift;

// "Bankafschrift inlezen": the transactions of a bank's statement file, each with a check box,
// to add the chosen ones to the open list. The new ones start chosen, those of the list's own
// month only when the list is named after one. Nothing is written to disk: the user saves the
// month as usual.
class BankForm final : public QDialog {
    Q_OBJECT

public:
    BankForm(HoofdVenster &hoofd, const Bankafschrift &afschrift, QWidget *parent = nullptr);
    ~BankForm() override;

protected:
    // Enter adds the chosen rows, as the button "Toevoegen" does; Escape cancels.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void BouwKop(const Bankafschrift &afschrift);
    void OkKnop_Click();
    void ToonKeuze();

    HoofdVenster &m_hoofd;
    // The month the open list is named after; invalid when its name is no month.
    QDate m_maand;
    BankRijen *m_rijen = nullptr;

    QLabel *RekeningLabel = nullptr; // bank, account and period
    QLabel *TellingLabel = nullptr; // kind of file and the counts
    QTreeView *PostenTabel = nullptr;
    QLabel *GekozenLabel = nullptr; // the count of chosen rows
    QLabel *InkomstenLabel = nullptr;
    QLabel *UitgavenLabel = nullptr;
    QCheckBox *AlleenMaand = nullptr; // "Alleen maart 2026"
    VistaButton *AnnulerenKnop = nullptr;
    VistaButton *ToevoegenKnop = nullptr;
};

// Reads the statement file at `pad` and opens BankForm on it over `ouder`. A file that cannot be
// read, or that is no statement of a kind Geldlog knows, is refused with a message, and nothing
// changes.
void LeesBankafschriftIn(HoofdVenster &hoofd, QWidget *ouder, const QString &pad);
