#pragma once

#include "common/ItemModel.h"

#include <QDialog>

#include <array>

class HoofdVenster;
class InvoerPaneel;
class QFrame;
class QLabel;
class QTreeView;
class VistaButton;

// The costs and incomes that come back every month (rent, insurance, salary), kept in a table of
// their own and copied all at once into the main window's list, dated with one chosen day. The
// table is read from its file when the window opens and written by the export only: closing the
// window any other way forgets what was added or deleted.
class VasteLastenForm final : public QDialog {
    Q_OBJECT

public:
    explicit VasteLastenForm(HoofdVenster &hoofd, QWidget *parent = nullptr);

private:
    void BouwInvoer();
    void BouwHelp();

    void Knop_Click(int index);
    void VasteLastToevoegen();
    void VasteLastVerwijderen();
    void TotaalSom();
    void SaveKnop_Click();
    void ToonHelp(bool help);

    HoofdVenster &m_hoofd;
    // The rows of ListView2: the only copy of the fixed costs while the window is open.
    ItemModel m_vasteLasten;

    QTreeView *ListView2 = nullptr;
    QLabel *InLabel = nullptr;
    QLabel *OutLabel = nullptr;
    InvoerPaneel *Frame1 = nullptr;
    std::array<VistaButton *, 2> Knop {};
    VistaButton *GevondenKnop = nullptr; // the contracts found in what Geldlog read
    VistaButton *CancelKnop = nullptr;
    VistaButton *SaveKnop = nullptr;
    VistaButton *HelpKnop = nullptr;
    QFrame *Frame2 = nullptr;
    QLabel *Label1 = nullptr;
    VistaButton *ExitKnop = nullptr;
};
