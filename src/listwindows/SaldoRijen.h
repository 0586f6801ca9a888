#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>

// The rows of the balance overview's table: one per list that could be read, in the order of the
// scan. The first column stays empty and out of sight; the second shows the balance. A row's
// tooltip names its list, since the table itself shows only amounts.
class SaldoRijen final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Kolom { Leeg, Saldo, AantalKolommen };

    struct Rij {
        QString lijst; // the list's name, without ".lst"
        qint64 centen = 0; // the balance in whole cents
    };

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void MaakLeeg();
    void VoegToe(const QString &lijst, qint64 centen);

    const QList<Rij> &Rijen() const { return m_rijen; }

private:
    QList<Rij> m_rijen;
};
