#pragma once

#include "common/HoofdVenster.h"
#include "common/ItemModel.h"

#include <QWidget>

#include <array>

class InvoerPaneel;
class QFrame;
class QLabel;
class QTimer;
class QTreeView;
class SaldoOverzicht;
class VistaButton;

// The main window: the entry table of the current list, the inputs for one entry, the menu,
// the list's name and balance, the help screen and the clock. It stays open for the whole run;
// every other window is opened from here and writes its result back into it.
class Main final : public QWidget, public HoofdVenster {
    Q_OBJECT

public:
    // When the window comes on the screen. `Meteen`, as the program starts: before its controls
    // are made, so the window system maps it while they are made; its first paint still waits
    // for all of them. `Later`: when its owner shows it.
    enum class Tonen { Later, Meteen };

    explicit Main(Programma &programma, Tonen tonen = Tonen::Later);
    ~Main() override;

    // HoofdVenster
    Programma &programma() override { return m_programma; }
    ItemModel &items() override { return m_items; }
    QLabel &Label6() override { return *m_label6; }
    QLabel &Label7() override { return *m_label7; }
    QLabel &Label8() override { return *m_label8; }
    QLabel &InkLabel() override { return *m_inkLabel; }
    QLabel &UitLabel() override { return *m_uitLabel; }
    void ToonTabel() override;
    void ToonRij(int rij) override;
    QList<QWidget *> AchtergrondVlakken() override;
    void HerlaadOmschrijvingen() override;

    // Opens the window "Bankafschrift inlezen" on a bank's statement file.
    void LeesBankafschriftIn(const QString &pad);

protected:
    void closeEvent(QCloseEvent *event) override;
    // A statement file dropped on the window is read in.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void BouwTabel();
    void BouwInvoer();
    void BouwMenu();
    void BouwNaamPaneel();
    void BouwSaldoPaneel();
    QString InstellingenPad() const;

    void Knop_Click(int index);
    void MenuKnop_Click(int index);
    void HelpKnop_Click();
    void GrafiekKnop_Click();
    void Timer1_Timer();
    void KiesBankafschrift();

    // Entry editing
    void ItemToevoegen();
    void ItemWijzigen();
    void ItemVerwijderen();
    void ListView1_ItemClick();
    int GeselecteerdeRij() const;

    Programma &m_programma;
    ItemModel m_items;

    QTreeView *m_listView1 = nullptr;
    QLabel *m_helpPic = nullptr;
    QLabel *m_label1 = nullptr;
    QLabel *m_label6 = nullptr;
    QLabel *m_inkLabel = nullptr;
    QLabel *m_uitLabel = nullptr;
    QLabel *m_klokLabel = nullptr;
    QTimer *m_timer1 = nullptr;

    QFrame *m_frame2 = nullptr;
    QFrame *m_frame3 = nullptr;
    QFrame *m_frame4 = nullptr;

    InvoerPaneel *m_invoer = nullptr; // Frame1
    std::array<VistaButton *, 3> m_knop {};
    QLabel *m_label9 = nullptr;
    VistaButton *m_vasteLastenKnop = nullptr;

    std::array<VistaButton *, 6> m_menuKnop {};
    std::array<QLabel *, 6> m_menuLabel {};

    QLabel *m_label7 = nullptr;
    QLabel *m_label8 = nullptr;
    VistaButton *m_helpKnop = nullptr;
    VistaButton *m_grafiekKnop = nullptr;
    VistaButton *m_bankKnop = nullptr;
    VistaButton *m_exitKnop = nullptr;

    QLabel *m_label10 = nullptr;
    VistaButton *m_showKnop = nullptr;
    VistaButton *m_jaarKnop = nullptr;
    QTreeView *m_list1 = nullptr;
    QLabel *m_label11 = nullptr;
    QLabel *m_label12 = nullptr;
    SaldoOverzicht *m_overzicht = nullptr;
};
