#pragma once

#include "bank/Bankafschrift.h"
#include "matching/Geleerd.h"

#include <QDate>
#include <QFlags>
#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// The ways of knowing a transaction's word, from the surest on.
enum class Laag {
    Rekening = 0x1, // the counterparty's account has always had this word
    Naam = 0x2, // so has its name, without store number and place (Tegenpartij)
    Woorden = 0x4, // the words of name and description went with it, each as consistently as
                   // it did; a word seen once counts for nothing
    Bedrag = 0x8, // direction and amount tell apart what one counterparty is paid or pays for
    Betaaldienst = 0x10, // a payment service's account and name are no key: only the words of
                         // its description are
};
Q_DECLARE_FLAGS(Lagen, Laag)
Q_DECLARE_OPERATORS_FOR_FLAGS(Lagen)

inline constexpr Lagen AlleLagen { Laag::Rekening, Laag::Naam, Laag::Woorden, Laag::Bedrag,
    Laag::Betaaldienst };

// A word for a transaction, and why (VoorstelUitleg).
struct Voorstel {
    QString woord;
    Laag laag = Laag::Rekening; // the way it was known
    int aantal = 0; // the earlier transactions so named that knew it
    QString herkend; // what they had in common: the counterparty ("Eneco") or a word ("pizza")
    QDate laatst; // the last of them
    bool ontvangen = false; // received from the counterparty, rather than paid to it
};

// Proposes the household's word for new transactions from what was learned, when it is sure of
// it: a wrong word is worse than the bank's text. It holds what it needs of what was learned, so
// learning more asks for a new one; made in a few milliseconds for years of transactions.
class Voorsteller {
public:
    explicit Voorsteller(const Geleerd &geleerd, Lagen lagen = AlleLagen);

    std::optional<Voorstel> StelVoor(const BankPost &post) const;

private:
    struct WoordTelling {
        int woord = 0;
        int aantal = 0;
        QDate laatst;
    };
    struct TokenTelling {
        int aantal = 0;
        std::vector<WoordTelling> woorden;
    };
    // Per counterparty's account or name (by number), per direction: its transactions by date.
    using Groep = std::vector<int>;

    int Richting(qint64 centen) const;
    const Groep *GroepVan(const QString &sleutel, int richting) const;
    std::optional<Voorstel> Beoordeel(
        const Groep &groep, qint64 bedrag, Laag laag, std::vector<int> &woorden) const;
    std::optional<Voorstel> DoorWoorden(
        const QStringList &tokens, int richting, const std::vector<int> &toegestaan) const;
    Voorstel Maak(int woord, Laag laag, int aantal, const Geleerd::Voorbeeld &laatste) const;

    Lagen m_lagen;
    std::vector<Geleerd::Voorbeeld> m_voorbeelden; // those with a word
    QStringList m_woorden;
    std::vector<QString> m_namen; // per kind: the counterparty as the tooltip names it
    QHash<QString, int> m_sleutels;
    std::vector<std::array<Groep, 2>> m_groepen;
    QHash<QString, int> m_tokens;
    QStringList m_tokenTeksten;
    std::vector<std::array<TokenTelling, 2>> m_tokenTellingen;
};
