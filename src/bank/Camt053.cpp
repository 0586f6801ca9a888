// ISO 20022 CAMT.053 statements (versions .001.02, .04 and .08), read with QXmlStreamReader:
// per booked entry its amount and direction, booking date, the other party and the remittance
// text.
#include "bank/BankCodes.h"
#include "bank/Soorten.h"
#include "bank/Verzamelaar.h"
#include "bank/Waarden.h"

#include <QXmlStreamReader>

#include <array>
#include <utility>

namespace {

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

std::optional<Bankafschrift> Lees(QByteArrayView bytes, const QStringList &)
{
    Verzamelaar verzamelaar(QStringLiteral("Bank"), QStringLiteral("CAMT.053"));
    Bankafschrift &afschrift = verzamelaar.Afschrift();
    QString bic;
    QXmlStreamReader xml(QByteArray::fromRawData(bytes.data(), bytes.size()));
    QStringList pad; // the names of the open elements
    std::optional<Boeking> boeking;
    const auto onder = [&pad](QStringView naam) { return pad.contains(naam); };
    const auto tekst
        = [&xml] { return xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed(); };

    while (!xml.atEnd() && !verzamelaar.Vol()) {
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
                if ((onder(u"Cdtr") || onder(u"Dbtr")) && partij.isEmpty())
                    partij = tekst();
                else
                    xml.skipCurrentElement();
                continue;
            } else if (boeking && naam == u"IBAN" && onder(u"RltdPties")) {
                QString &rekening
                    = onder(u"CdtrAcct") ? boeking->crediteurRekening : boeking->debiteurRekening;
                if ((onder(u"CdtrAcct") || onder(u"DbtrAcct")) && rekening.isEmpty())
                    rekening = tekst();
                else
                    xml.skipCurrentElement();
                continue;
            } else if (!boeking && naam == u"IBAN" && onder(u"Acct")
                && afschrift.rekening.isEmpty()) {
                afschrift.rekening = tekst();
                continue;
            } else if (!boeking && (naam == u"BIC" || naam == u"BICFI") && onder(u"Svcr")
                && bic.isEmpty()) {
                bic = tekst();
                continue;
            }
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
    if (xml.hasError() && !verzamelaar.Vol()) {
        verzamelaar.Onleesbaar(static_cast<int>(xml.lineNumber()),
            QStringLiteral("het bestand is vanaf hier geen leesbare XML."), QString());
    }
    afschrift.bank = EersteBank({ BankVanBic(bic), BankVanIban(afschrift.rekening) });
    return std::move(afschrift);
}

} // namespace

Soort Camt053()
{
    return { QStringLiteral("CAMT.053 (XML) van elke bank, versies .001.02, .04 en .08"), Herkent,
        Lees };
}
