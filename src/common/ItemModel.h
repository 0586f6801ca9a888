#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <vector>

// One entry of the current list, every cell text as the user sees it.
struct Item
{
    QString datum;
    QString omschrijving;
    QString inkomsten;
    QString uitgaven;

    friend bool operator==(const Item &, const Item &) = default;
};

// The rows of the entry table `ListView1`: the only copy of the current list. Every window that
// reads or writes entries goes through this model.
class ItemModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Kolom { Datum, Omschrijving, Inkomsten, Uitgaven, AantalKolommen };

    explicit ItemModel(QObject *parent = nullptr);

    int Aantal() const { return static_cast<int>(m_items.size()); }
    const Item &Rij(int rij) const { return m_items.at(static_cast<size_t>(rij)); }
    const std::vector<Item> &Items() const { return m_items; }

    void VoegToe(Item item);
    void VoegToe(std::vector<Item> items);
    void Wijzig(int rij, Item item);
    void Verwijder(int rij);
    void MaakLeeg();

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    std::vector<Item> m_items;
};
