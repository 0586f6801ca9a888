#pragma once

#include "budget/BegrotingMaand.h"

#include <QAbstractTableModel>

#include <functional>
#include <optional>
#include <vector>

class Begrotingen;

// The table of the window "Begroting": per group a row with its totals and under it a row per
// description, then the row "Totaal". A description's budget and group are changed in place: the
// change goes into the budgets and is stored at once; what cannot be stored is taken back.
class BegrotingModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Kolom { Omschrijving, GroepKolom, Begroot, Gemiddeld, Uitgegeven, Over, AantalKolommen };

    // `bewaar` stores the budgets and says whether that worked (it tells the user why not);
    // `weiger` tells the user, in Dutch, why a typed budget is refused.
    BegrotingModel(Begrotingen &begrotingen, std::function<bool()> bewaar,
        std::function<void(const QString &)> weiger, QObject *parent = nullptr);

    void ZetMaand(BegrotingMaand maand);
    const BegrotingMaand &Maand() const { return *m_maand; }

    // Every description without a budget gets its proposal, and none the household set is
    // changed; all stored at once. How many got one, or none when they could not be stored.
    std::optional<int> VulVoorstellenIn();

    // The row of the table where the description stands; -1 when it has none.
    int TabelRij(QStringView omschrijving) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // The budget as typed ("600", "612,50", empty or 0 for none), the group by its number in
    // AlleGroepen.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    // What is free to spend changed with a budget.
    void VrijGewijzigd();
    // A description moved to the group chosen for it: its row, `tabelRij`, is another one now.
    void GroepGewijzigd(int tabelRij);

private:
    // What a row of the table shows: a group's totals, a description, or the grand total.
    struct Plek {
        enum class Soort { Groep, Rij, Totaal } soort;
        int index; // the group's number, or the row in Maand().Rijen()
    };

    // Changes the budgets and stores them; what cannot be stored is taken back.
    bool Wijzig(const std::function<void(Begrotingen &)> &wijziging);
    void Plaats();
    void ToonBedragen(int tabelRij);
    QVariant RijData(const BegrotingRij &rij, int kolom, int role) const;
    QVariant TotaalData(const BegrotingTotaal &totaal, int kolom, int role) const;
    bool ZetBegroot(int rij, const QString &invoer);
    bool ZetGroep(int rij, int groep);

    Begrotingen &m_begrotingen;
    std::function<bool()> m_bewaar;
    std::function<void(const QString &)> m_weiger;
    std::optional<BegrotingMaand> m_maand;
    std::vector<Plek> m_plekken;
};
