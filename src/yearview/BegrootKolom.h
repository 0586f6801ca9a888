#pragma once

#include "budget/Begrotingen.h"

#include <QAbstractProxyModel>

#include <optional>
#include <vector>

class JaarModel;

// The year overview's table with the budgets: the column "Begroot" beside the description, and
// each month that a description with a budget went over it marked, in bold red with the excess in
// its tooltip. The table itself, and so its CSV and its printed page, stay as they are.
class BegrootKolom final : public QAbstractProxyModel {
    Q_OBJECT

public:
    // Where the column stands, and where a column of the year's table comes to stand.
    static constexpr int Kolom = 1;
    static int Van(int jaarKolom) { return jaarKolom < Kolom ? jaarKolom : jaarKolom + 1; }

    explicit BegrootKolom(JaarModel &jaar, QObject *parent = nullptr);

    void ZetBegrotingen(Begrotingen begrotingen);

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QModelIndex mapToSource(const QModelIndex &proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex &sourceIndex) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    void ZoekBedragen();

    JaarModel &m_jaar;
    Begrotingen m_begrotingen;
    std::vector<std::optional<qint64>> m_bedragen; // per row of the table, looked up once
};
