#pragma once

#include "common/ItemModel.h"

#include <QDate>
#include <QHash>
#include <QIdentityProxyModel>

#include <vector>

struct Bankafschrift;

// The transactions of a bank statement as the entries they become, each with a check box: which
// of them the user adds to the open list. The rows are fixed once made; only the choice changes.
// Rows the list holds already are shown grey with the reason, rows the bank's file holds but
// Geldlog could not read in red, without a check box that can be set.
class BankRijen final : public QIdentityProxyModel {
    Q_OBJECT

public:
    enum class Staat { Nieuw, AlInLijst, Onleesbaar };

    // The transactions and unreadable rows of `afschrift` in the order of the file, checked
    // against the open list's entries `lijst`. With a valid `maand` (any day of it) only the new
    // transactions of that month start chosen, otherwise every new one.
    BankRijen(const Bankafschrift &afschrift, const ItemRijen &lijst, QDate maand,
        QObject *parent = nullptr);

    Staat StaatVan(int rij) const { return m_rijen[rij].staat; }
    bool Gekozen(int rij) const { return m_rijen[rij].gekozen; }
    // An unreadable row cannot be chosen.
    void Kies(int rij, bool gekozen);
    // On: the transactions outside the month are no longer chosen. Off: the new ones among them
    // are chosen too. The transactions of the month keep the user's choice.
    void ZetAlleenMaand(bool alleenMaand);

    int AantalGekozen() const { return m_aantalGekozen; }
    qint64 GekozenInkomsten() const { return m_inkomsten; }
    qint64 GekozenUitgaven() const { return m_uitgaven; }
    int AantalAlInLijst() const { return m_aantalAlInLijst; }
    int AantalOnleesbaar() const { return static_cast<int>(m_redenen.size()); }

    // The chosen rows as entries of the list, in the order of the file.
    ItemRijen GekozenRijen() const;

    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

Q_SIGNALS:
    // The choice of one or more rows changed: the count and totals of the chosen rows with it.
    void KeuzeGewijzigd();

private:
    struct Rij {
        qint64 centen = 0;
        QDate datum;
        Staat staat = Staat::Nieuw;
        bool gekozen = false;
    };

    bool InMaand(const Rij &rij) const;
    // Whether the row's choice changed: an unreadable row stays unchosen.
    static bool ZetGekozen(Rij &rij, bool gekozen);
    // The count and totals of the chosen rows, counted again after a change.
    void TelGekozen();

    // The entries themselves, shown through this model with the check boxes added.
    ItemModel m_items;
    std::vector<Rij> m_rijen;
    // Why each unreadable row could not be read, by its row.
    QHash<int, QString> m_redenen;
    QDate m_maand;
    int m_aantalGekozen = 0;
    int m_aantalAlInLijst = 0;
    qint64 m_inkomsten = 0;
    qint64 m_uitgaven = 0;
};
