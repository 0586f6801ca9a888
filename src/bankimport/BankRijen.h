#pragma once

#include "bank/Bankafschrift.h"
#include "common/ItemModel.h"
#include "matching/InDataMap.h"
#include "matching/Voorsteller.h"

#include <QAbstractTableModel>
#include <QDate>

#include <optional>
#include <vector>

class Geleerd;

// The transactions of a bank statement as the entries they become, each with a check box: which
// of them the user adds to the open list, and under which description. A transaction the list,
// or another saved list, holds already is shown grey, as the entry it stands as and with the
// reason. A new one gets the household's word where Geldlog is sure of it, or the user's, or else
// keeps the bank's text; the column "Bank" shows the bank's text beside any other description.
// Rows the bank's file holds but Geldlog could not read are red, without a check box that can be
// set. The rows are fixed once made; the choice and the descriptions change.
class BankRijen final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Kolom { Datum, Omschrijving, Bank, Inkomsten, Uitgaven, AantalKolommen };
    enum class Staat { Nieuw, AlInLijst, Onleesbaar };

    // The transactions and unreadable rows of `afschrift` in the order of the file, those that
    // `treffers` found in a list (ZoekInDataMap) as the entries they stand as, the new ones with
    // what `voorsteller` proposes. With a valid `maand` (any day of it) only the new transactions
    // of that month start chosen, otherwise every new one.
    BankRijen(const Bankafschrift &afschrift, DataMapTreffers treffers, QDate maand,
        const Voorsteller &voorsteller, QObject *parent = nullptr);

    const std::vector<BankPost> &Transacties() const { return m_posten; }

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
    int AantalAlInLijst() const { return m_aantalAlInLijst; } // in any list
    int AantalInAndereLijst() const { return m_aantalInAndereLijst; }
    int AantalOnleesbaar() const { return m_aantalOnleesbaar; }

    // The transactions as found again for another list, of the month `maand`, chosen anew as
    // when the rows were made. The descriptions the user gave stay.
    void Vergelijk(DataMapTreffers treffers, QDate maand);

    // The chosen rows as entries of the list, each under its description, in the order of the
    // file.
    ItemRijen GekozenRijen() const;
    // What the rows teach: the transactions the list holds as the entries they stand as, and the
    // chosen ones as the description they are added with. Whether there was any.
    bool Leer(Geleerd &geleerd) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    // The check box of the date, and the description typed or chosen for a transaction: an
    // empty one gives the row back the bank's text.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    // The choice of one or more rows changed: the count and totals of the chosen rows with it.
    void KeuzeGewijzigd();

private:
    struct Rij {
        // The entry with the bank's text; an unreadable row's text is enough of its line.
        Item item;
        int post = -1; // the transaction, in m_posten; -1 for an unreadable row
        Staat staat = Staat::Nieuw;
        bool gekozen = false;
        std::optional<LijstTreffer> treffer; // the entry of the list it stands as
        QString andereLijst; // that list, when it is not the list the rows go into
        std::optional<Voorstel> voorstel; // the household's word, when Geldlog is sure of it
        // The user's description, as the list holds it; empty for the bank's text.
        std::optional<QString> eigen;
        QString reden; // why an unreadable row could not be read
    };

    // The description the row stands as or goes into the list with.
    const QString &OmschrijvingVan(const Rij &rij) const;
    QString TipVan(const Rij &rij) const;
    bool InMaand(const Rij &rij) const;
    // Which transactions the list holds already, and the choice they start with: the new ones,
    // of the month only when there is one.
    void ZetStaten(DataMapTreffers &&treffers);
    // Whether the row's choice changed: an unreadable row stays unchosen.
    static bool ZetGekozen(Rij &rij, bool gekozen);
    // The count and totals of the chosen rows, counted again after a change.
    void TelGekozen();

    std::vector<Rij> m_rijen;
    std::vector<BankPost> m_posten;
    QDate m_maand;
    int m_aantalGekozen = 0;
    int m_aantalAlInLijst = 0;
    int m_aantalInAndereLijst = 0;
    int m_aantalOnleesbaar = 0;
    qint64 m_inkomsten = 0;
    qint64 m_uitgaven = 0;
};
