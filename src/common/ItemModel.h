#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <vector>

// One entry of the current list, every cell text as the user sees it.
struct Item {
    QString datum;
    QString omschrijving;
    QString inkomsten;
    QString uitgaven;

    friend bool operator==(const Item &, const Item &) = default;
};

// Characters in one block of memory that grows and shrinks in place where it can, so a batch
// read into it is never copied to make it larger or smaller.
class TekenBlok {
public:
    TekenBlok() = default;
    TekenBlok(const TekenBlok &ander);
    TekenBlok(TekenBlok &&ander) noexcept;
    TekenBlok &operator=(TekenBlok ander) noexcept;
    ~TekenBlok();

    const char16_t *Data() const { return m_data; }
    qsizetype Grootte() const { return m_grootte; }

    // Room for `ruimte` characters at the end; they count once Groei() says how many were written.
    char16_t *Einde(qsizetype ruimte)
    {
        if (m_capaciteit - m_grootte < ruimte)
            Groter(ruimte);
        return m_data + m_grootte;
    }
    void Groei(qsizetype aantal) { m_grootte += aantal; }
    void Kap(qsizetype grootte) { m_grootte = grootte; }
    void Voeg(QStringView tekst);
    void Reserveer(qsizetype capaciteit);
    void Krimp();

private:
    void Groter(qsizetype ruimte);
    void Herplaats(qsizetype capaciteit);

    char16_t *m_data = nullptr;
    qsizetype m_grootte = 0;
    qsizetype m_capaciteit = 0;
};

// Rows of entries packed together: the texts of all cells one after another in one block, and
// per row where its four texts lie. A list of 100,000 entries so takes a few blocks of memory
// instead of one per cell. The entry table keeps its rows in this form, and the list reader
// fills one that the table takes over whole.
class ItemRijen {
public:
    static constexpr int AantalCellen = 4;

    int Aantal() const { return static_cast<int>(m_plekken.size()); }
    // The text of a cell, in the order of Item's members; valid until the rows change.
    QStringView Cel(int rij, int kolom) const;
    Item Rij(int rij) const;

    void Voeg(
        QStringView datum, QStringView omschrijving, QStringView inkomsten, QStringView uitgaven);
    void Voeg(const Item &item);
    void Vervang(int rij, const Item &item);
    void Verwijder(int rij);
    // Appends the rows of `rijen`; when this holds no rows, it takes theirs over without a copy.
    void VoegAchter(ItemRijen &&rijen);
    // Drops every row and gives the memory back.
    void Wis();

    // Room for as many rows as a reader expects, and the room the texts did not use given back.
    void Reserveer(qsizetype rijen);
    void Krimp();

    // A reader decodes each text straight to the end of the batch, with no string of its own:
    // `schrijf(char16_t *uit)` writes the next cell's text of at most `hoogstens` characters at
    // `uit` and returns its end. After the fourth cell SluitRij() adds the row; Verwerp() drops
    // the cells of a row that was not completed.
    template<typename Schrijf> void VoegCel(qsizetype hoogstens, Schrijf &&schrijf)
    {
        char16_t *begin = BeginCel(hoogstens);
        SluitCel(schrijf(begin) - begin);
    }
    void SluitRij();
    void Verwerp();

    // The same rows with the same texts, however they are laid out.
    friend bool operator==(const ItemRijen &a, const ItemRijen &b);

private:
    // Where a row's texts lie: one after another from `begin`. 24 bytes a row.
    struct Plek {
        qsizetype begin = 0;
        std::array<quint32, AantalCellen> lengte {};

        qsizetype Totaal() const;
    };

    void Schrijf(QStringView datum, QStringView omschrijving, QStringView inkomsten,
        QStringView uitgaven, Plek &plek);
    void RuimOpAlsNodig();
    char16_t *BeginCel(qsizetype hoogstens);
    void SluitCel(qsizetype lengte);

    TekenBlok m_tekst;
    std::vector<Plek> m_plekken;
    // Characters of m_tekst that no row uses any more: texts changed or removed.
    qsizetype m_afval = 0;
    // The row a reader is building cell by cell.
    Plek m_open;
    int m_openCellen = 0;
};

// The rows of the entry table `ListView1`: the only copy of the current list. Every window that
// reads or writes entries goes through this model.
class ItemModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Kolom { Datum, Omschrijving, Inkomsten, Uitgaven, AantalKolommen };

    explicit ItemModel(QObject *parent = nullptr);

    int Aantal() const { return m_rijen.Aantal(); }
    // A cell without a copy, valid until the rows change; for whoever goes through all rows.
    QStringView Cel(int rij, int kolom) const { return m_rijen.Cel(rij, kolom); }
    Item Rij(int rij) const { return m_rijen.Rij(rij); }
    const ItemRijen &Rijen() const { return m_rijen; }

    void VoegToe(const Item &item);
    void VoegToe(ItemRijen &&rijen);
    void Wijzig(int rij, const Item &item);
    void Verwijder(int rij);
    void MaakLeeg();

    // Straight answers without the general checks: the view asks them for every row it lays out.
    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    ItemRijen m_rijen;
};
