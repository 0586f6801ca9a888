#pragma once

#include "budget/Uitgavengroep.h"

#include <QString>
#include <QStringView>

#include <map>
#include <optional>
#include <vector>

// What a description is known by: without the blanks around it and case folded, as the year
// overview groups its rows. "Boodschappen" and " boodschappen" share one budget.
QString OmschrijvingSleutel(QStringView omschrijving);

// The household's budget of one description.
struct Begroting {
    QString omschrijving; // as the household wrote it, without blanks around it
    std::optional<qint64> bedrag; // per month in whole cents, above zero; none: no budget
    std::optional<Uitgavengroep> groep; // the household's choice; none: the group proposed for it

    friend bool operator==(const Begroting &, const Begroting &) = default;
};

// Every description's budget, one per description.
class Begrotingen {
public:
    // The budget of the description, case and blanks aside; none when it has neither an amount
    // nor a group.
    const Begroting *Van(QStringView omschrijving) const;
    std::optional<qint64> Bedrag(QStringView omschrijving) const;

    // A monthly amount for the description, or with none (or 0) none at all; its group stays, and
    // so does the way the description is written once it has a budget.
    void ZetBedrag(const QString &omschrijving, std::optional<qint64> bedrag);
    // The group chosen for the description, or with none the one proposed again.
    void ZetGroep(const QString &omschrijving, std::optional<Uitgavengroep> groep);

    // The changes that made `nu` of `eerder`, made here too: a description's budget and group as
    // `nu` has them, or none where `nu` took them away. The others stay as they are here.
    void NeemOver(const Begrotingen &eerder, const Begrotingen &nu);

    // All of them, in the order of their descriptions with case folded.
    std::vector<Begroting> Alle() const;
    bool IsLeeg() const { return m_begrotingen.empty(); }

    friend bool operator==(const Begrotingen &, const Begrotingen &) = default;

private:
    void Zet(Begroting begroting);

    std::map<QString, Begroting> m_begrotingen; // by OmschrijvingSleutel
};

// Why a typed budget is refused, in Dutch, or "" when it is one: an amount as the program takes
// one everywhere (BedragFout), not below zero. An empty text is no refusal: it takes the budget
// away, as 0 does.
QString BegrotingFout(const QString &invoer);
// The monthly amount of a typed budget that BegrotingFout takes; none for "", 0 or a refused one.
std::optional<qint64> BegrotingBedrag(const QString &invoer);

// Why a description cannot have a budget, in Dutch, or "" when it can: it is empty, or holds a
// control character, which the budget file cannot keep.
QString OmschrijvingFout(const QString &omschrijving);
