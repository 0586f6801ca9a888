// SWIFT MT940 statements: a transaction's ":61:" line (value date, booking date, direction and
// amount) and the ":86:" details after it. A field runs on over the lines that follow it; they
// were cut at a fixed width, even inside a word, so they are joined without a blank.
#include "bank/BankCodes.h"
#include "bank/Details.h"
#include "bank/Regels.h"
#include "bank/Soorten.h"
#include "bank/Verzamelaar.h"
#include "bank/Waarden.h"

namespace {

// A field is a few lines of 65 characters; what a broken file runs on beyond this is dropped, so
// memory stays bounded.
constexpr qsizetype LangsteVeld = 64 * 1024;

// The tag of a line that starts a field (":61:" gives "61"), or nothing.
QStringView Tag(QStringView regel)
{
    if (regel.size() < 4 || regel[0] != u':')
        return {};
    const qsizetype einde = regel.indexOf(u':', 1);
    if (einde < 3 || einde > 4 || !regel[1].isDigit() || !regel[2].isDigit())
        return {};
    return regel.sliced(1, einde - 1);
}

bool Herkent(const QStringList &eerste)
{
    for (const QString &regel : eerste) {
        if (Tag(regel) == u"20")
            return true;
    }
    return false;
}

bool IsCijfers(QStringView tekst)
{
    for (const QChar c : tekst) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

// A ":61:" field into `post`, or the reason it is unreadable.
std::optional<QString> LeesTransactie(QStringView veld, BankPost &post)
{
    const std::optional<QDate> valuta = LeesDatum(veld.left(6), u"JJMMDD");
    if (!valuta)
        return DatumOnleesbaar(veld.left(6));
    QStringView rest = veld.sliced(6);
    post.datum = *valuta;
    if (rest.size() >= 4 && IsCijfers(rest.left(4))) {
        // The booking date holds no year: the value date's, or the one next to it at a turn.
        const int maand = rest.left(2).toInt();
        int jaar = valuta->year();
        if (maand - valuta->month() > 6)
            --jaar;
        else if (valuta->month() - maand > 6)
            ++jaar;
        const QDate boeking(jaar, maand, rest.sliced(2, 2).toInt());
        if (!boeking.isValid())
            return DatumOnleesbaar(veld.left(10));
        post.datum = boeking;
        rest = rest.sliced(4);
    }
    bool ontvangen = false;
    if (rest.startsWith(u"RC") || rest.startsWith(u"RD")) {
        ontvangen = rest[1] == u'D'; // a debit taken back
        rest = rest.sliced(2);
    } else if (rest.startsWith(u'C') || rest.startsWith(u'D')) {
        ontvangen = rest[0] == u'C';
        rest = rest.sliced(1);
    } else {
        return BedragOnleesbaar(rest.left(16));
    }
    if (!rest.isEmpty() && rest[0].isLetter())
        rest = rest.sliced(1); // the funds code
    qsizetype lengte = 0;
    while (lengte < rest.size() && (rest[lengte].isDigit() || rest[lengte] == u','))
        ++lengte;
    const std::optional<qint64> centen = LeesCenten(rest.left(lengte), u',');
    // The type of transaction follows the amount: "N", "F" or "S".
    const bool typeVolgt = lengte == rest.size() || QStringView(u"NFS").contains(rest[lengte]);
    if (!centen || lengte == 0 || !typeVolgt)
        return BedragOnleesbaar(rest.left(lengte + 1));
    post.centen = ontvangen ? *centen : -*centen;
    return std::nullopt;
}

// A line that ends a message: "-" alone, or "-}" where the message stands in blocks (trailer
// blocks may follow on the same line). A longer line that starts with "-" is text running on.
bool EindeBericht(QStringView regel)
{
    regel = regel.trimmed();
    return regel == u"-" || regel.startsWith(u"-}");
}

// The own account from ":25:", without the currency some banks write after it.
QString Rekening(QStringView veld)
{
    veld = veld.trimmed();
    if (veld.size() > 3 && veld.right(3).toString().toUpper() == veld.right(3)
        && veld.right(3).front().isLetter() && veld[veld.size() - 4].isDigit())
        veld.chop(3);
    return veld.toString();
}

// The bank a file's header names: ING's "{1:F01INGBNL2A…" or ABN AMRO's "ABNANL2A".
QString BankUitKop(const QStringList &eerste)
{
    const QString regel = eerste.value(0).trimmed();
    if (regel.startsWith(u"{1:F01"))
        return BankVanBic(QStringView(regel).sliced(6));
    return Tag(regel).isEmpty() ? BankVanBic(regel) : QString();
}

std::optional<Bankafschrift> Lees(QByteArrayView bytes, const QStringList &eerste)
{
    Verzamelaar verzamelaar(QStringLiteral("Bank"), QStringLiteral("MT940"));
    Bankafschrift &afschrift = verzamelaar.Afschrift();

    // The field being read: its tag, its text so far and its first line.
    QString tag;
    QString veld;
    int veldRegel = 0;
    std::optional<BankPost> open; // a transaction whose details may still follow
    bool detailsOpen = false;

    const auto sluitPost = [&] {
        if (open)
            verzamelaar.Voeg(std::move(*open));
        open.reset();
        detailsOpen = false;
    };
    const auto sluitVeld = [&] {
        if (tag == u"61") {
            sluitPost();
            BankPost post;
            post.regel = veldRegel;
            if (const std::optional<QString> reden = LeesTransactie(veld, post))
                verzamelaar.Onleesbaar(veldRegel, *reden, QStringLiteral(":61:") + veld);
            else
                open = std::move(post);
            detailsOpen = open.has_value();
        } else if (tag == u"86" && detailsOpen) {
            LeesDetails(veld, *open);
            detailsOpen = false;
        } else if (!tag.isEmpty()) {
            sluitPost();
            if (tag == u"25")
                verzamelaar.Rekening(Rekening(veld));
        }
        tag.clear();
        veld.clear();
    };

    Regels regels(bytes);
    while (!verzamelaar.Vol() && regels.Volgende()) {
        const QStringView regel = regels.Tekst();
        const QStringView nieuweTag = Tag(regel);
        if (!nieuweTag.isEmpty()) {
            sluitVeld();
            tag = nieuweTag.toString();
            veld = regel.sliced(nieuweTag.size() + 2).toString();
            veldRegel = regels.Nummer();
        } else if (EindeBericht(regel) || regel.startsWith(u'{') || regel.startsWith(u'}')) {
            sluitVeld(); // the end of a message, or a header block
        } else if (!tag.isEmpty() && veld.size() < LangsteVeld) {
            veld += regel.left(LangsteVeld - veld.size());
        }
    }
    sluitVeld();
    sluitPost();

    afschrift.bank = EersteBank({ BankVanIban(afschrift.rekeningen.value(0)), BankUitKop(eerste) });
    return std::move(afschrift);
}

} // namespace

Soort Mt940()
{
    return { QStringLiteral("MT940 van elke bank"), Herkent, Lees };
}
