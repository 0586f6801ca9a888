#pragma once

#include "recurring/Contract.h"

#include <QAbstractTableModel>
#include <QDate>

#include <vector>

class ItemModel;
class ItemRijen;

// The contracts of "Terugkerende betalingen" as rows: the incomes under a head row with what they
// come to per month, then the costs under theirs, each group by amount. A contract that is not yet
// among the fixed costs, or whose amount there is not its usual amount any more, can be ticked.
class ContractenModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Kolom { Omschrijving, Tegenpartij, Elke, Bedrag, Volgende, LetOp, AantalKolommen };

    ContractenModel(std::vector<Contract> contracten, QDate vandaag, QObject *parent = nullptr);

    // Which contracts the fixed costs hold already; a tick that no longer has a use goes.
    void ZetVasteLasten(const ItemRijen &vasteLasten);
    bool IsKop(int rij) const { return m_rijen[static_cast<size_t>(rij)].contract < 0; }
    int AantalGekozen() const;

    struct Toegevoegd {
        int nieuw = 0;
        int bijgewerkt = 0;
    };
    // The ticked contracts into `vasteLasten`, whose rows ZetVasteLasten was given: a new fixed
    // cost under the household's word, or the amount of the fixed cost it is. ZetVasteLasten with
    // the new rows then clears the ticks.
    Toegevoegd VoegGekozenToe(ItemModel &vasteLasten) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    void KeuzeGewijzigd();

private:
    struct Rij {
        int contract = -1; // -1: the head row of a group
        bool inkomsten = false;
        int vasteLast = -1; // its row among the fixed costs, or -1
        bool vastZelfdeBedrag = false;
        bool gekozen = false;
    };

    const Contract &ContractVan(const Rij &rij) const
    {
        return m_contracten[static_cast<size_t>(rij.contract)];
    }
    bool Kiesbaar(const Rij &rij) const;
    QString LetOpTekst(const Rij &rij) const;
    QVariant Kleur(const Rij &rij, int kolom) const;

    std::vector<Contract> m_contracten;
    QDate m_vandaag;
    std::vector<Rij> m_rijen;
};
