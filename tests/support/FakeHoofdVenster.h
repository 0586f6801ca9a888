#pragma once

#include "common/HoofdVenster.h"
#include "common/ItemModel.h"
#include "common/Omschrijvingen.h"

#include <QComboBox>
#include <QLabel>
#include <QStringList>
#include <QWidget>

class Programma;

// A main window of the test's own: real labels with the texts the program starts with, the
// entry table's model, whether the table is shown or hidden behind the help screen, its
// description input and its background colour.
class FakeHoofdVenster final : public HoofdVenster {
public:
    explicit FakeHoofdVenster(Programma &programma)
        : m_programma(programma)
    {
    }

    Programma &programma() override { return m_programma; }
    ItemModel &items() override { return m_items; }
    QLabel &Label6() override { return m_label6; }
    QLabel &Label7() override { return m_label7; }
    QLabel &Label8() override { return m_label8; }
    QLabel &InkLabel() override { return m_inkLabel; }
    QLabel &UitLabel() override { return m_uitLabel; }
    void ToonTabel() override { m_tabelZichtbaar = true; }
    void ToonRij(int rij) override { m_getoondeRij = rij; }
    QList<QWidget *> AchtergrondVlakken() override { return { &m_venster }; }
    void HerlaadOmschrijvingen() override
    {
        LaadOmschrijvingen(m_combo4, m_programma);
        ++m_herladen;
    }

    bool tabelZichtbaar() const { return m_tabelZichtbaar; }
    // The row last scrolled into view, -1 when none was.
    int getoondeRij() const { return m_getoondeRij; }
    void verbergTabel() { m_tabelZichtbaar = false; }

    // How often the descriptions were loaded again, and the items of the last load.
    int herladen() const { return m_herladen; }
    QStringList omschrijvingen() const
    {
        QStringList items;
        for (int i = 0; i < m_combo4.count(); ++i)
            items << m_combo4.itemText(i);
        return items;
    }

    QColor achtergrond() const { return m_venster.palette().color(QPalette::Window); }

    // The five labels in one list, so one comparison shows what changed.
    QStringList labels() const
    {
        return { m_label6.text(), m_label7.text(), m_label8.text(), m_inkLabel.text(),
            m_uitLabel.text() };
    }

private:
    Programma &m_programma;
    ItemModel m_items;
    QLabel m_label6 { QStringLiteral("Aantal Items : 0") };
    QLabel m_label7 { QStringLiteral("Naam..... : ") };
    QLabel m_label8 { QStringLiteral("Saldo..... : ") };
    QLabel m_inkLabel { QStringLiteral("€ 00,00") };
    QLabel m_uitLabel { QStringLiteral("€ 00,00") };
    bool m_tabelZichtbaar = true;
    int m_getoondeRij = -1;
    QWidget m_venster;
    QComboBox m_combo4;
    int m_herladen = 0;
};
