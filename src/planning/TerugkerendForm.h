#pragma once

#include "common/Ankers.h"
#include "common/ItemModel.h"

#include <QDialog>

class ContractenModel;
class Programma;
class QLabel;
class QTreeView;
class VistaButton;

// "Terugkerende betalingen": the contracts and other payments that come back, found in the
// learned bank transactions and the lists, with their changes and ends; the ticked ones go into
// the fixed costs. Opened from the fixed-costs window they go into its table, as if typed there,
// and its export stores them; opened from the main window, straight into the fixed costs' file.
class TerugkerendForm final : public QDialog {
    Q_OBJECT

public:
    // `vasteLasten`: the fixed-costs window's table, or nullptr for the file.
    TerugkerendForm(Programma &programma, ItemModel *vasteLasten, QWidget *parent = nullptr);
    ~TerugkerendForm() override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void ToevoegenKnop_Click();
    void ToonKeuze();

    Programma &m_programma;
    ItemModel m_eigenVasteLasten; // the file's, when no window's table is given
    ItemModel *m_vasteLasten = nullptr;
    ContractenModel *m_model = nullptr;
    Ankers m_ankers;

    QLabel *UitlegLabel = nullptr;
    QTreeView *ContractenTabel = nullptr;
    QLabel *MeldingLabel = nullptr; // grey: what could not be read, what was added
    VistaButton *ToevoegenKnop = nullptr;
    VistaButton *SluitenKnop = nullptr;
};

// Opens "Terugkerende betalingen" over `ouder`, modal.
void ToonTerugkerend(Programma &programma, ItemModel *vasteLasten, QWidget *ouder);
