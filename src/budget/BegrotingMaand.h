#pragma once

#include "budget/BegrotingVoorstel.h"
#include "budget/Uitgavengroep.h"
#include "budget/Vooruitzicht.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringView>

#include <optional>
#include <vector>

class Begrotingen;
struct Posten;

// One description in a month of the budget.
struct BegrotingRij {
    QString omschrijving;
    Uitgavengroep groep = Uitgavengroep::HuishoudelijkeUitgaven;
    bool groepGekozen = false; // by the household; otherwise the one proposed
    // Vaste lasten for the description of a running contract, else Huishoudelijke uitgaven.
    Uitgavengroep voorgesteldeGroep = Uitgavengroep::HuishoudelijkeUitgaven;
    std::optional<qint64> begroot; // per month, in whole cents; none without a budget
    qint64 uitgegeven = 0; // expenses less incomes under it in the month, up to the reckoning day
    std::optional<BegrotingVoorstel> voorstel; // what it cost a month in the year before

    // What is left of the budget, below zero when it is overspent; none without a budget.
    std::optional<qint64> Over() const;
};

// The budgeted descriptions of a group, or of all, summed.
struct BegrotingTotaal {
    qint64 begroot = 0;
    qint64 uitgegeven = 0;
    qint64 Over() const;
};

// A month of the budget as it stands on a reckoning day: per description what was budgeted, what
// went out and what is left, the groups' totals, and what the household can still spend freely.
// The month counts the entries of every list by their own date up to the reckoning day; a day
// after the month counts it whole, a day before it nothing yet.
class BegrotingMaand {
public:
    enum class Omvang {
        Begroot, // the descriptions with a budget
        Alle, // also those with a proposal, spending in the month or a group chosen
    };

    BegrotingMaand(const Posten &posten, const Begrotingen &begrotingen,
        const Vooruitzicht &vooruitzicht, QDate maand, QDate op, Omvang omvang);

    QDate EersteDag() const { return m_eersteDag; }
    QDate LaatsteDag() const { return m_eersteDag.addMonths(1).addDays(-1); }
    // By group, in the order of the groups, then by description.
    const std::vector<BegrotingRij> &Rijen() const { return m_rijen; }
    // The row of a description, case and blanks aside; -1 when it has none.
    int RijVan(QStringView omschrijving) const;

    // A budget set or taken away, as the household does in the window.
    void ZetBegroot(int rij, std::optional<qint64> begroot);
    // The group of a row, chosen or proposed again; the rows keep their order by group, so the
    // row may move: its new place is returned.
    int ZetGroep(int rij, std::optional<Uitgavengroep> gekozen);

    BegrotingTotaal Totaal() const;
    BegrotingTotaal Totaal(Uitgavengroep groep) const;

    // What came in less what went out in the month up to the reckoning day, over every entry.
    qint64 Saldo() const { return m_saldo; }
    // The contracts' payments still expected in the rest of the month that count for what is
    // free: the incomes and the costs without a budget (a budget already holds its costs).
    // Incomes first, each by date.
    std::vector<VerwachteBetaling> NogVerwacht() const;
    // The balance, plus what is still expected, less what is left of each budget (an overspent
    // budget takes nothing more).
    qint64 VrijTeBesteden() const;

    // "Vrij te besteden tot en met 31 maart: € 312,40"
    QString VrijZin() const;
    // "Salaris € 2875,40 op 24 maart; Energie € 120,00 op 18 maart"; empty when nothing is.
    QString VerwachtZin() const;

private:
    void Orden();

    QDate m_eersteDag;
    std::vector<BegrotingRij> m_rijen;
    QHash<QString, int> m_rijVan; // by OmschrijvingSleutel
    qint64 m_saldo = 0;
    std::vector<VerwachteBetaling> m_verwacht; // every payment still expected in the month
};
