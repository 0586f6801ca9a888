// ISO 20022 CAMT.053 statements (versions .001.02, .04 and .08), read with QXmlStreamReader:
// the account of each statement in the file, and per booked entry its amount and direction,
// booking date, the other party and the remittance text.
#include "bank/BankCodes.h"
#include "bank/Soorten.h"
#include "bank/Verzamelaar.h"
#include "bank/Waarden.h"

#include <QBuffer>
#include <QXmlStreamReader>

#include <array>
#include <utility>

namespace {

// A statement nests a dozen elements deep at most. A file that nests deeper is no statement; it
// is refused before millions of nested elements fill the memory.
constexpr qsizetype DiepsteNesting = 64;

// A text no statement comes near; beyond it the rest of a text is dropped, so memory stays bounded.
constexpr qsizetype LangsteTekst = 64 * 1024;

// What one entry (Ntry) holds, gathered while its elements go by.
struct Boeking {
    int regel = 0;
    QString bedrag;
    QString richting;
    QString status;
    QString datum;
    QString aanvulling; // AddtlNtryInf
    QString crediteur, debiteur; // names of the parties
    QString crediteurRekening, debiteurRekening;
    QStringList ongestructureerd; // every RmtInf/Ustrd
};

// The field of an entry that an element right under Ntry fills with its text; nullptr for the
// other elements.
QString Boeking::*VeldVan(QStringView naam)
{
    static constexpr std::array<std::pair<QStringView, QString Boeking::*>, 5> velden { {
        { u"Amt", &Boeking::bedrag },
        { u"CdtDbtInd", &Boeking::richting },
        { u"Sts", &Boeking::status },
        { u"BookgDt", &Boeking::datum },
        { u"AddtlNtryInf", &Boeking::aanvulling },
    } };
    for (const auto &[element, veld] : velden) {
        if (naam == element)
            return veld;
    }
    return nullptr;
}

bool Herkent(const QStringList &eerste)
{
    for (const QString &regel : eerste) {
        if (regel.contains(u"urn:iso:std:iso:20022:tech:xsd:camt.053"))
            return true;
    }
    return false;
}

void Boek(const Boeking &boeking, Verzamelaar &verzamelaar)
{
    if (boeking.status != u"BOOK")
        return;
    BankPost post;
    post.regel = boeking.regel;
    const std::optional<QDate> datum = LeesDatum(boeking.datum.left(10), u"JJJJ-MM-DD");
    const std::optional<qint64> centen = LeesCenten(boeking.bedrag, u'.');
    const bool betaald = boeking.richting == u"DBIT";
    if (!datum) {
        verzamelaar.Onleesbaar(post.regel, DatumOnleesbaar(boeking.datum), boeking.datum);
        return;
    }
    if (!centen || *centen < 0 || (!betaald && boeking.richting != u"CRDT")) {
        const QString tekst = boeking.richting + u' ' + boeking.bedrag;
        verzamelaar.Onleesbaar(post.regel, BedragOnleesbaar(tekst), tekst);
        return;
    }
    post.datum = *datum;
    post.centen = betaald ? -*centen : *centen;
    post.naam = betaald ? boeking.crediteur : boeking.debiteur;
    post.tegenrekening = betaald ? boeking.crediteurRekening : boeking.debiteurRekening;
    post.omschrijving = boeking.ongestructureerd.isEmpty() ? boeking.aanvulling
                                                           : boeking.ongestructureerd.join(u' ');
    verzamelaar.Voeg(std::move(post));
}

// The text of the element just opened, its child elements' text included; nothing when they
// nest deeper than `ruimte` levels.
std::optional<QString> Tekst(QXmlStreamReader &xml, qsizetype ruimte)
{
    QString tekst;
    for (qsizetype diepte = 1; diepte > 0 && !xml.atEnd();) {
        switch (xml.readNext()) {
        case QXmlStreamReader::StartElement:
            if (++diepte > ruimte)
                return std::nullopt;
            break;
        case QXmlStreamReader::EndElement:
            --diepte;
            break;
        case QXmlStreamReader::Characters:
            tekst += xml.text().left(LangsteTekst - tekst.size());
            break;
        default:
            break;
        }
    }
    return tekst.trimmed();
}

std::optional<Bankafschrift> Lees(QByteArrayView bytes, const QStringList &)
{
    Verzamelaar verzamelaar(QStringLiteral("Bank"), QStringLiteral("CAMT.053"));
    Bankafschrift &afschrift = verzamelaar.Afschrift();
    QString bic;
    // Through a device, so the reader decodes the file a piece at a time: given the bytes whole,
    // it decodes them all at once into a text of twice their size.
    QByteArray ruw = QByteArray::fromRawData(bytes.data(), bytes.size());
    QBuffer bron(&ruw);
    bron.open(QIODevice::ReadOnly);
    QXmlStreamReader xml(&bron);
    QStringList pad; // the names of the open elements
    std::optional<Boeking> boeking;
    bool teDiep = false;
    const auto onder = [&pad](QStringView naam) { return pad.contains(naam); };
    // The text of the element just opened; read to its end, so it does not go onto `pad`.
    const auto tekst = [&] {
        const std::optional<QString> gelezen = Tekst(xml, DiepsteNesting - pad.size());
        teDiep = teDiep || !gelezen;
        return gelezen.value_or(QString());
    };

    while (!xml.atEnd() && !verzamelaar.Vol() && !teDiep) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
            // Entities are how an XML bomb grows; no bank's statement declares any.
            if (!xml.entityDeclarations().isEmpty())
                return std::nullopt;
            break;
        case QXmlStreamReader::StartElement: {
            // A view of the reader's buffer: valid until the reader moves on.
            const QStringView naam = xml.name();
            const QStringView ouder = pad.isEmpty() ? QStringView() : QStringView(pad.back());
            QString Boeking::*const veld = boeking && ouder == u"Ntry" ? VeldVan(naam) : nullptr;
            if (naam == u"Ntry" && ouder == u"Stmt") {
                boeking = Boeking();
                boeking->regel = static_cast<int>(xml.lineNumber());
            } else if (veld) {
                (*boeking).*veld = tekst();
                continue;
            } else if (boeking && naam == u"Ustrd" && ouder == u"RmtInf") {
                boeking->ongestructureerd.append(tekst());
                continue;
            } else if (boeking && naam == u"Nm" && onder(u"RltdPties")) {
                QString &partij = onder(u"Cdtr") ? boeking->crediteur : boeking->debiteur;
                const QString gelezen = tekst(); // read to its end, taken or not
                if ((onder(u"Cdtr") || onder(u"Dbtr")) && partij.isEmpty())
                    partij = gelezen;
                continue;
            } else if (boeking && naam == u"IBAN" && onder(u"RltdPties")) {
                QString &rekening
                    = onder(u"CdtrAcct") ? boeking->crediteurRekening : boeking->debiteurRekening;
                const QString gelezen = tekst();
                if ((onder(u"CdtrAcct") || onder(u"DbtrAcct")) && rekening.isEmpty())
                    rekening = gelezen;
                continue;
            } else if (!boeking && naam == u"IBAN" && onder(u"Acct")) {
                verzamelaar.Rekening(tekst());
                continue;
            } else if (!boeking && (naam == u"BIC" || naam == u"BICFI") && onder(u"Svcr")
                && bic.isEmpty()) {
                bic = tekst();
                continue;
            }
            if (pad.size() == DiepsteNesting)
                return std::nullopt;
            pad.append(naam.toString());
            break;
        }
        case QXmlStreamReader::EndElement:
            if (!pad.isEmpty())
                pad.removeLast();
            if (boeking && xml.name() == u"Ntry") {
                Boek(*boeking, verzamelaar);
                boeking.reset();
            }
            break;
        default:
            break;
        }
    }
    if (teDiep)
        return std::nullopt;
    if (xml.hasError() && !verzamelaar.Vol()) {
        verzamelaar.Onleesbaar(static_cast<int>(xml.lineNumber()),
            QStringLiteral("het bestand is vanaf hier geen leesbare XML."), QString());
    }
    afschrift.bank = EersteBank({ BankVanBic(bic), BankVanIban(afschrift.rekeningen.value(0)) });
    return std::move(afschrift);
}

} // namespace

Soort Camt053()
{
    return { QStringLiteral("CAMT.053 (XML) van elke bank, versies .001.02, .04 en .08"), Herkent,
        Lees };
}
