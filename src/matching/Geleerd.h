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
// word, but is remembered, so that a Wijzigen of its entry later teaches what it is called.
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
        int woord = GeenWoord;
    };

    // `post` stands in the list as `omschrijving`: chosen or typed in the bank window, added with
    // its bank text, or found there by ZoekInLijst; an empty one, for a caller that knows the row
    // kept the bank's text, spares telling that text from a word. A transaction learned before
    // takes the new word; the bank's text never replaces a word.
    void Leer(const BankPost &post, const QString &omschrijving);
    // The transactions of a statement that ZoekInLijst found in a list, each as its entry.
    void Leer(
        std::span<const BankPost> posten, std::span<const std::optional<LijstTreffer>> treffers);
    // An entry changed with Wijzigen in the main window. When it is a transaction learned before,
    // known by its amount, its date and the text it stood as (its word, a few days around; or the
    // bank's text, on the day), the new description is its word from now on. Whether anything was
    // learned, so the caller saves only then.
    bool LeerWijziging(const Item &oud, const Item &nieuw);

    const std::vector<Voorbeeld> &Voorbeelden() const { return m_voorbeelden; }
    const std::vector<Bron> &Bronnen() const { return m_bronnen; }
    const QString &Woord(int nummer) const { return m_woorden[nummer]; }
    // The words given to at least one transaction, in alphabetical order: for a choice of words.
    QStringList EigenWoorden() const;

    // For the file's reader: the number of a kind or a word, added when new, and a transaction
    // added as it stands.
    int BronNummer(const Bron &bron);
    int WoordNummer(const QString &woord);
    void VoegToe(const Voorbeeld &voorbeeld);
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

    // The word `omschrijving` stands for with a transaction of this kind, or GeenWoord.
    int WoordVoor(const QString &omschrijving, const Bron &bron);

    std::vector<Voorbeeld> m_voorbeelden;
    std::vector<Bron> m_bronnen;
    QHash<Bron, int> m_bronNummers; // the number of each kind, plus one
    QStringList m_woorden;
    QHash<QString, int> m_woordNummers;
    // Which transaction is which, made when first needed: the file holds many, and reading it
    // should not wait for an index only learning uses.
    QHash<Identiteit, int> m_identiteiten;
    bool m_identiteitenKloppen = true;
};
