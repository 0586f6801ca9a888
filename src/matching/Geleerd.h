#pragma once

#include "bank/Bankafschrift.h"
#include "common/ItemModel.h"
#include "matching/Bron.h"
#include "matching/InLijst.h"

#include <QDate>
#include <QHash>
#include <QStringList>

#include <optional>
#include <span>
#include <vector>

// What Geldlog learned of the household's own words: each bank transaction it met in a list, with
// the description the household gave it there. A transaction that kept the bank's text has no
// word, but is remembered, so that a Wijzigen of its entry later teaches what it is called. So is
// one that `geldlog importeer` put in under a word of Geldlog's own: that word is the household's
// only once it confirms it. Words that differ only in capitals or the blanks around them are one
// word, written as the household wrote it most.
class Geleerd {
public:
    static constexpr int GeenWoord = -1;
    // A household's word is short: a longer description is a note, or a bank's text.
    static constexpr qsizetype LangsteWoord = 50;

    // One learned transaction; its kind and word are numbers into Bronnen() and Woord().
    struct Voorbeeld {
        QDate datum;
        qint64 centen = 0; // received positive, paid negative
        int bron = 0;
        int woord = GeenWoord; // the word it stands under in the list
        int spelling = GeenWoord; // that word as written there, a number for Spelling()
        // The word is Geldlog's proposal that no one looked at yet, not the household's.
        bool voorgesteld = false;
        // The household gave the word in place of another, Geldlog's or its own: a counterparty
        // may go by it from now on.
        bool verbeterd = false;
    };

    // `post` stands in the list as `omschrijving`, the household's: chosen, typed or left
    // standing in the bank window, or found there by ZoekInLijst; an empty one, for a caller
    // that knows the row kept the bank's text, spares telling that text from a word. A
    // transaction learned before takes the new word; the bank's text never replaces a word.
    // `verbeterd`: the household gave it in place of the word Geldlog proposed.
    void Leer(const BankPost &post, const QString &omschrijving, bool verbeterd = false);
    // The transactions of a statement that ZoekInLijst found in a list, each as its entry; an
    // entry that holds Geldlog's own proposal for it still waits for the household.
    void Leer(
        std::span<const BankPost> posten, std::span<const std::optional<LijstTreffer>> treffers);
    // `post` went into a list under `woord`, which Geldlog proposed and no one looked at. It is
    // remembered, so that the household's Wijzigen finds it, but it teaches nothing yet.
    void LeerVoorstel(const BankPost &post, const QString &woord);
    // An entry changed with Wijzigen in the main window. When it is a transaction learned before,
    // known by its amount, its date and the text it stood as (its word, a few days around; or the
    // bank's text, on the day), the new description is its word from now on, a correction where
    // it had another word; a proposal left standing is confirmed. Whether anything was learned, so
    // the caller saves only then.
    bool LeerWijziging(const Item &oud, const Item &nieuw);

    // What `ander`, read from the same file earlier, learned since, taken over: for a file that
    // another Geldlog wrote meanwhile. A word the household gave wins over none and over a
    // proposal, as when it is learned.
    void NeemOver(const Geleerd &ander);
    // Whether anything was learned since it was read.
    bool Veranderd() const { return !m_veranderd.empty(); }

    const std::vector<Voorbeeld> &Voorbeelden() const { return m_voorbeelden; }
    const std::vector<Bron> &Bronnen() const { return m_bronnen; }
    // A word as the household wrote it most often; of ways written equally often, the latest.
    const QString &Woord(int nummer) const;
    const QString &Spelling(int nummer) const { return m_spellingen[nummer]; }
    // The words the household gave at least one transaction, in alphabetical order: for a
    // choice of words.
    QStringList EigenWoorden() const;

    // For the file's reader: the number of a kind or a way of writing a word, added when new, and
    // a transaction added as it stands (its word follows from its spelling).
    int BronNummer(const Bron &bron);
    int SpellingNummer(const QString &spelling);
    void VoegToe(Voorbeeld voorbeeld);
    void Reserveer(qsizetype bronnen, qsizetype voorbeelden);

private:
    struct Identiteit {
        int bron = 0;
        qint64 dag = 0;
        qint64 centen = 0;

        friend bool operator==(const Identiteit &, const Identiteit &) = default;
        friend size_t qHash(const Identiteit &identiteit, size_t seed = 0)
        {
            return qHashMulti(seed, identiteit.bron, identiteit.dag, identiteit.centen);
        }
    };

    // A transaction learned, and the way of writing a text given with it.
    struct Gevonden {
        size_t voorbeeld = 0;
        int spelling = GeenWoord;
        bool nieuw = false; // added just now
    };

    // The way of writing `omschrijving` is with a transaction of this kind, or GeenWoord for the
    // bank's text or no word.
    int SpellingVoor(const QString &omschrijving, const Bron &bron);
    // The transaction `post`, added when new, and `omschrijving` as a way of writing with it;
    // nothing for a date the file cannot hold.
    std::optional<Gevonden> Vind(const BankPost &post, const QString &omschrijving);
    // The transaction of this kind, day and amount, added when new; its number.
    size_t Plek(int bron, QDate datum, qint64 centen, bool *nieuw);
    // Gives the transaction a way of writing its word, as the household's or as a proposal, and
    // whether it is a correction (the same word keeps that mark); GeenWoord never replaces a
    // word, a proposal never a household's.
    void Geef(size_t voorbeeld, int spelling, bool voorgesteld, bool nieuw, bool verbeterd = false);

    std::vector<Voorbeeld> m_voorbeelden;
    std::vector<Bron> m_bronnen;
    QHash<Bron, int> m_bronNummers; // the number of each kind, plus one
    QStringList m_spellingen;
    QHash<QString, int> m_spellingNummers;
    std::vector<int> m_woordVan; // per spelling its word
    QHash<QString, int> m_woordNummers; // per word, by its folded form
    // Per word its most written spelling, made when first asked for after a change.
    mutable std::vector<int> m_voorkeur;
    mutable bool m_voorkeurKlopt = true;
    // Which transaction is which, made when first needed: the file holds many, and reading it
    // should not wait for an index only learning uses.
    QHash<Identiteit, int> m_identiteiten;
    bool m_identiteitenKloppen = true;
    std::vector<size_t> m_veranderd; // the transactions learned or changed since reading
};
