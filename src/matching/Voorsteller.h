#pragma once

#include "bank/Bankafschrift.h"
#include "matching/BekendePosten.h"
#include "matching/Geleerd.h"

#include <QDate>
#include <QFlags>
#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// The rules by which the household's word for a transaction is known, tried in this order; the
// first that is sure decides.
enum class Regel {
    // The counterparty's account always had this word, or has since the household changed it:
    // twice, or once in place of another word in the bank window or by Wijzigen.
    Rekening = 0x1,
    // So has the kind of transaction: cash from any machine.
    Soort = 0x2,
    // So has the counterparty's name, without store number and place (Tegenpartij).
    Naam = 0x4,
    // Of a counterparty's words, the one of about this amount and direction, where that word's
    // amounts recur: a salary and a holiday allowance, a premium and an excess.
    Bedrag = 0x8,
    // Of a counterparty's words, the one the words of this description went with.
    Omschrijving = 0x10,
    // A counterparty's word of nearly every time, when nothing in the transaction points to
    // another of its words.
    Meestal = 0x20,
    // The words of name and description, over all counterparties, each as consistently as it
    // went with one word; a word seen once, or with one counterparty only, counts for nothing.
    Woorden = 0x40,
    // No rule of its own: a payment service's account and name are no key, only the words of
    // what was paid for.
    Betaaldienst = 0x80,
};
Q_DECLARE_FLAGS(Regels, Regel)
Q_DECLARE_OPERATORS_FOR_FLAGS(Regels)

inline constexpr Regels AlleRegels { Regel::Rekening, Regel::Soort, Regel::Naam, Regel::Bedrag,
    Regel::Omschrijving, Regel::Meestal, Regel::Woorden, Regel::Betaaldienst };

// A word for a transaction, and why (VoorstelUitleg).
struct Voorstel {
    QString woord;
    Regel regel = Regel::Rekening; // the rule that decided
    int aantal = 0; // the earlier transactions so named that knew it
    int van = 0; // of how many of the counterparty's, where it was not every time
    QString herkend; // the counterparty they had in common ("Eneco"); empty for all of them
    QString met; // the word of their descriptions they had in common ("pizza"), if that decided
    QDate laatst; // the last of them
    bool ontvangen = false; // received from the counterparty, rather than paid to it
    bool geldopname = false; // known by the kind of transaction, a cash withdrawal
};

// Proposes the household's word for new transactions from what was learned, when it is sure of
// it: a wrong word is worse than the bank's text. Only the household's own words teach it, not
// those Geldlog proposed that no one confirmed. It holds what it needs of what was learned, so
// learning more asks for a new one; made in a few milliseconds for years of transactions.
class Voorsteller {
public:
    explicit Voorsteller(const Geleerd &geleerd, Regels regels = AlleRegels);

    std::optional<Voorstel> StelVoor(const BankPost &post) const;
    // The words the household gave the earlier transactions of this one's counterparty (its
    // account, else any cash machine for cash, else its name) in its direction, as it wrote them
    // most; none when nothing of it was learned, or it is a payment service.
    QStringList WoordenVan(const BankPost &post) const;
    // The transactions learned, to know the entries that are already the record of one.
    const BekendePosten &Bekend() const { return m_bekend; }

private:
    struct WoordTelling {
        int woord = 0;
        int aantal = 0;
        QDate laatst;
        qint64 kleinste = 0;
        qint64 grootste = 0;
    };
    // One direction of a counterparty or a kind of transaction: its words, its amounts and the
    // words of its descriptions.
    struct Kant {
        std::vector<WoordTelling> woorden;
        std::vector<std::pair<qint64, int>> bedragen; // amount and word, by amount
        QHash<int, std::vector<WoordTelling>> tokens; // per word of the descriptions
        int aantal = 0;
        int nieuwste = Geleerd::GeenWoord; // the word of the last transaction
        int sinds = 0; // how many of the last ones had it
        bool verbeterd = false; // the last ones' word was given in place of another
    };
    struct Groep {
        QString naam; // as the tooltip names it
        bool geldopname = false;
        std::array<Kant, 2> kanten; // received, paid
    };
    // How a word of a text went with the household's words over all counterparties.
    struct TokenWoord {
        int woord = 0;
        int aantal = 0;
        QDate laatst;
        int bron = -1; // the first counterparty it was seen with
        bool meerBronnen = false; // seen with another one too, or on other days of a service
    };
    struct TokenTelling {
        int aantal = 0;
        std::vector<TokenWoord> woorden;
    };
    struct Vraag;
    using Stap = std::optional<Voorstel> (Voorsteller::*)(Vraag &) const;
    struct RegelStap {
        Regel regel;
        Stap stap;
    };
    static const std::array<RegelStap, 7> Tabel;

    int Richting(qint64 centen) const;
    const Kant *KantVan(const QString &sleutel, int richting, const Groep **groep) const;
    std::optional<Voorstel> DoorGroep(Vraag &vraag, const QString &sleutel, Regel regel) const;
    std::optional<Voorstel> DoorRekening(Vraag &vraag) const;
    std::optional<Voorstel> DoorSoort(Vraag &vraag) const;
    std::optional<Voorstel> DoorNaam(Vraag &vraag) const;
    std::optional<Voorstel> DoorBedrag(Vraag &vraag) const;
    std::optional<Voorstel> DoorOmschrijving(Vraag &vraag) const;
    std::optional<Voorstel> DoorMeestal(Vraag &vraag) const;
    std::optional<Voorstel> DoorWoorden(Vraag &vraag) const;
    Voorstel Maak(const WoordTelling &telling, Regel regel, const Vraag &vraag) const;
    // Whether the transaction is plainly something else than the counterparty's `woord`, though
    // that was its only or nearly only word: an amount unlike that word's recurring ones, with a
    // description none of its transactions had (a bonus from the employer of the salaries, the
    // excess from the insurer of the premiums). A new amount alone keeps the word, as when the
    // rent was raised.
    bool IsIetsAnders(const Vraag &vraag, const Kant &kant, const WoordTelling &woord) const;

    Regels m_regels;
    BekendePosten m_bekend;
    QStringList m_woorden; // per word as the household writes it most
    QHash<QString, int> m_sleutels;
    std::vector<Groep> m_groepen;
    QHash<QString, int> m_tokens;
    QStringList m_tokenTeksten;
    std::vector<std::array<TokenTelling, 2>> m_tokenTellingen;
};
