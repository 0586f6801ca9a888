#pragma once

#include "recurring/Contract.h"
#include "recurring/Dag.h"
#include "recurring/Reeksen.h"

#include <QHash>

#include <array>
#include <optional>
#include <span>
#include <vector>

// The series among the payments of one counterparty in one direction: first those of one amount
// each, joined where one goes on at a new price; then the payments of other amounts in their
// gaps; then series whose amounts vary; last, what only looks like a series is let go.
class ReeksGroep {
public:
    // `betalingen` by date, all of one counterparty and direction.
    explicit ReeksGroep(std::span<const Betaling> betalingen);

    std::vector<Contract> Contracten(QDate op);

private:
    // How an interval is met in practice.
    struct Ritme {
        Elke elke;
        int dagen; // its length in days, near enough
        int speling; // how many days a payment may lie from its day: weekends, bank holidays
        int gat; // how many expected payments in a row a series may miss and go on
    };
    static const std::array<Ritme, 5> Ritmes;

    // A candidate series: per member its payment (an index into the group) and which expected
    // payment it is, counted from the anchor.
    struct Keten {
        const Ritme *ritme = nullptr;
        Dag anker;
        std::vector<int> leden;
        std::vector<int> plekken;
        int afwijking = 0; // days from the expected days, over all members
        bool wisselend = false; // built on amounts that differ
        bool opgegeven = false; // given up while built: a shop's payments

        int Aantal() const { return static_cast<int>(leden.size()); }
        int Gemist() const { return plekken.back() - plekken.front() + 1 - Aantal(); }
        bool BeterDan(const Keten &ander) const;
        bool Regelmatig(int minimum) const;
    };

    enum class Maat {
        Gelijk, // every member the same amount
        Nabij, // near the amount before it: a price that changed
        Wisselend, // within four times the amounts before it: a bill, public transport
    };

    qint64 Verwacht(const Keten &keten, int plek) const;
    // `aantal`, when given, gets how many fitted.
    int Zoek(qint64 verwacht, const Ritme &ritme, qint64 na, qint64 bedrag, Maat maat,
        int *aantal = nullptr) const;
    Keten Bouw(int begin, const Ritme &ritme, Maat maat) const;
    std::optional<int> Plek(const Keten &keten, qint64 dag) const;
    void Neem(const Keten &keten);
    void VoegToe(Keten &keten, int lid, int plek);
    void ZoekGelijke();
    void VoegWijzigingenSamen();
    void VulAan(Keten &keten);
    void ZoekWisselende();
    void ZoekBegin(Keten &keten);
    void LaatLijkendeWeg();
    std::optional<Contract> Maak(const Keten &keten, QDate op) const;

    qint64 Centen(int lid) const { return m_betalingen[static_cast<size_t>(lid)].centen; }
    qint64 Nummer(int lid) const { return m_dagen[static_cast<size_t>(lid)].nummer; }
    bool Vrij(int lid) const { return m_vrij[static_cast<size_t>(lid)]; }

    std::span<const Betaling> m_betalingen;
    std::vector<Dag> m_dagen; // per payment
    std::vector<qint64> m_nummers; // per payment, its day's number, to search in
    // Per amount that more than one payment has, those payments by date.
    QHash<qint64, std::vector<int>> m_perBedrag;
    std::vector<bool> m_vrij;
    int m_begin = 0; // the first payment of the years looked at
    std::vector<Keten> m_ketens;
};
