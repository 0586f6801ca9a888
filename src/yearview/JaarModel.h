#pragma once

#include "reports/JaarTabel.h"

#include <QAbstractTableModel>

// The year overview's table: a row per description found by the search, a column per month and
// the year's total, and the row "Totaal" of the rows shown last. A cell holds income minus
// expenses, red when it is below zero, and is empty where nothing happened.
class JaarModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Kolom { Omschrijving = 0, Jan = 1, Totaalkolom = 13, AantalKolommen = 14 };

    explicit JaarModel(QObject *parent = nullptr);

    // A year's table, shown through the search text as it stands.
    void ZetTabel(JaarTabel tabel);
    void ZetZoektekst(const QString &tekst);

    const JaarTabel &Tabel() const { return m_tabel; }
    // The rows found, by their index in the table.
    const std::vector<int> &Gevonden() const { return m_gevonden; }
    const JaarRij &TotaalRij() const { return m_totaal; }
    // The row of the table shown at `rij`, the total on its last row; nothing past the end.
    const JaarRij *Rij(int rij) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void Zoek();

    JaarTabel m_tabel;
    QString m_zoektekst;
    std::vector<int> m_gevonden;
    JaarRij m_totaal;
};
