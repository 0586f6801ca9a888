#include "cli/BegrotingOpdracht.h"

#include "budget/BegrotingBestand.h"
#include "budget/BegrotingMaand.h"
#include "cli/Kolommen.h"
#include "cli/OpDag.h"
#include "common/Bedrag.h"
#include "common/Csv.h"
#include "common/IsoDatum.h"
#include "common/Programma.h"
#include "lists/Posten.h"
#include "platform/Clock.h"

#include <QDateTime>
#include <QStringDecoder>
#include <QTextStream>

namespace {

Afloop VerkeerdGebruikt(QTextStream &fout, const QString &waarom)
{
    fout << waarom << '\n' << "Zie \"geldlog --help\"." << '\n';
    return VerkeerdGebruik;
}

// "2026-03" as the first day of that month, through the one reader of dates.
std::optional<QDate> LeesMaand(const QString &tekst)
{
    const std::optional<IsoDatum> datum = LeesIsoDatum(QString(tekst + QStringLiteral("-01")));
    if (!datum || tekst.trimmed().size() != 7)
        return std::nullopt;
    return datum->Dag();
}

Afloop Zet(const Programma &programma, const QString &omschrijving, const QString &bedrag,
    QTextStream &uit, QTextStream &fout)
{
    // An empty amount is no amount here: "0" takes a budget away.
    QString waarom = OmschrijvingFout(omschrijving);
    if (waarom.isEmpty())
        waarom = bedrag.trimmed().isEmpty() ? BedragFout(bedrag) : BegrotingFout(bedrag);
    if (!waarom.isEmpty()) {
        fout << waarom << '\n';
        return VerkeerdGebruik;
    }
    BegrotingBestand bestand(programma);
    if (!bestand.Melding().isEmpty())
        fout << bestand.Melding() << '\n';
    const std::optional<qint64> centen = BegrotingBedrag(bedrag);
    // A description that has a budget keeps the way it is written there.
    const Begroting *oud = bestand.Inhoud().Van(omschrijving);
    const QString naam = oud ? oud->omschrijving : omschrijving.trimmed();
    if (!centen && (!oud || !oud->bedrag)) {
        uit << QStringLiteral("\"%1\" had geen begroting.").arg(naam) << '\n';
        return Gedaan;
    }
    bestand.Inhoud().ZetBedrag(naam, centen);
    QString reden;
    if (!bestand.Bewaar(&reden)) {
        fout << reden << '\n';
        return Geweigerd;
    }
    if (centen)
        uit << QStringLiteral("Begroting \"%1\": € %2 per maand.").arg(naam, CentenTekst(*centen));
    else
        uit << QStringLiteral("Begroting \"%1\" verwijderd.").arg(naam);
    uit << '\n';
    return Gedaan;
}

Afloop Voorstellen(
    const Programma &programma, QDate op, bool opslaan, QTextStream &uit, QTextStream &fout)
{
    const Posten posten = LeesPosten(programma);
    for (const QString &zin : NietMeegeteld(posten))
        fout << zin << '\n';
    const std::vector<BegrotingVoorstel> voorstellen = MaakVoorstellen(posten, op);
    if (voorstellen.empty()) {
        fout << QStringLiteral("Geen uitgaven in %1, dus geen voorstel.").arg(VoorstelMaanden(op))
             << '\n';
        return Gedaan;
    }
    for (const BegrotingVoorstel &voorstel : voorstellen) {
        QByteArray regel;
        VoegCsvCel(regel, voorstel.omschrijving);
        uit << QString::fromUtf8(regel) << ';' << CentenTekst(voorstel.bedrag) << '\n';
    }
    if (!opslaan)
        return Gedaan;

    BegrotingBestand bestand(programma);
    if (!bestand.Melding().isEmpty())
        fout << bestand.Melding() << '\n';
    int opgeslagen = 0;
    for (const BegrotingVoorstel &voorstel : voorstellen) {
        if (bestand.Inhoud().Bedrag(voorstel.omschrijving)
            || !OmschrijvingFout(voorstel.omschrijving).isEmpty())
            continue;
        bestand.Inhoud().ZetBedrag(voorstel.omschrijving, voorstel.bedrag);
        ++opgeslagen;
    }
    if (opgeslagen == 0) {
        uit << "Elke omschrijving met een voorstel heeft al een begroting; er is niets opgeslagen."
            << '\n';
        return Gedaan;
    }
    QString reden;
    if (!bestand.Bewaar(&reden)) {
        fout << reden << '\n';
        return Geweigerd;
    }
    uit << (opgeslagen == 1
            ? QStringLiteral("1 voorstel opgeslagen als begroting.")
            : QStringLiteral("%1 voorstellen opgeslagen als begroting.").arg(opgeslagen))
        << '\n';
    return Gedaan;
}

QStringList Cellen(const QString &omschrijving, const BegrotingTotaal &totaal)
{
    return { omschrijving, CentenTekst(totaal.begroot), CentenTekst(totaal.uitgegeven),
        CentenTekst(totaal.Over()) };
}

QStringList Cellen(const QString &omschrijving, const BegrotingRij &rij)
{
    return Cellen(omschrijving, BegrotingTotaal { rij.begroot.value_or(0), rij.uitgegeven });
}

void SchrijfCsv(const BegrotingMaand &maand, QTextStream &uit)
{
    QByteArray csv = CsvBegin;
    const auto voeg = [&csv](const QStringList &cellen) {
        for (qsizetype kolom = 0; kolom < cellen.size(); ++kolom) {
            if (kolom > 0)
                csv += ';';
            VoegCsvCel(csv, cellen[kolom]);
        }
        csv += "\r\n";
    };
    voeg({ QStringLiteral("Omschrijving"), QStringLiteral("Begroot"), QStringLiteral("Uitgegeven"),
        QStringLiteral("Over") });
    for (const BegrotingRij &rij : maand.Rijen())
        voeg(Cellen(GeenFormule(rij.omschrijving), rij));
    voeg(Cellen(QStringLiteral("Totaal"), maand.Totaal()));
    voeg({ QStringLiteral("Vrij te besteden"), QString(), QString(),
        CentenTekst(maand.VrijTeBesteden()) });
    // Decoded with its byte order mark, which the stream writes out again.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    uit << QString(utf8.decode(csv));
}

void SchrijfTabel(const BegrotingMaand &maand, QTextStream &uit)
{
    if (maand.Rijen().empty()) {
        uit << "Er is nog geen begroting; \"geldlog begroting voorstel --opslaan\" stelt er een "
               "op."
            << '\n';
    } else {
        std::vector<QStringList> regels { { QStringLiteral("Omschrijving"),
            QStringLiteral("Begroot"), QStringLiteral("Uitgegeven"), QStringLiteral("Over") } };
        for (const Uitgavengroep groep : AlleGroepen) {
            bool kop = false;
            for (const BegrotingRij &rij : maand.Rijen()) {
                if (rij.groep != groep)
                    continue;
                if (!kop)
                    regels.push_back(Cellen(GroepNaam(groep), maand.Totaal(groep)));
                kop = true;
                regels.push_back(Cellen(QStringLiteral("  ") + rij.omschrijving, rij));
            }
        }
        regels.push_back(Cellen(QStringLiteral("Totaal"), maand.Totaal()));
        for (const QString &regel : Uitgelijnd(regels, { false, true, true, true }))
            uit << regel << '\n';
        uit << '\n';
    }
    // What is still expected first: the table ends in the sentence the window shows.
    if (const QString verwacht = maand.VerwachtZin(); !verwacht.isEmpty())
        uit << QStringLiteral("Nog verwacht: ") << verwacht << '\n';
    uit << maand.VrijZin() << '\n';
}

} // namespace

Afloop Begroot(const Programma &programma, const BegrotingOpdracht &opdracht, QTextStream &uit,
    QTextStream &fout)
{
    QDate op = programma.Klok().now().date();
    if (opdracht.op) {
        QString waarom;
        const std::optional<QDate> gekozen = LeesOpDag(*opdracht.op, &waarom);
        if (!gekozen)
            return VerkeerdGebruikt(fout, waarom);
        op = *gekozen;
    }
    const QStringList &woorden = opdracht.woorden;
    const QString soort = woorden.value(0);
    if (soort == QStringLiteral("zet")) {
        if (woorden.size() != 3) {
            return VerkeerdGebruikt(
                fout, QStringLiteral("Gebruik: geldlog begroting zet <omschrijving> <bedrag>"));
        }
        if (opdracht.op || opdracht.opslaan || opdracht.csv) {
            return VerkeerdGebruikt(fout,
                QStringLiteral("\"begroting zet\" neemt geen opties: --op, --opslaan en --csv "
                               "horen bij de andere vormen."));
        }
        return Zet(programma, woorden[1], woorden[2], uit, fout);
    }
    if (soort == QStringLiteral("voorstel")) {
        if (woorden.size() != 1 || opdracht.csv) {
            return VerkeerdGebruikt(fout,
                QStringLiteral(
                    "Gebruik: geldlog begroting voorstel [--op JJJJ-MM-DD] [--opslaan]"));
        }
        return Voorstellen(programma, op, opdracht.opslaan, uit, fout);
    }
    if (woorden.size() > 1 || opdracht.opslaan) {
        return VerkeerdGebruikt(
            fout, QStringLiteral("Gebruik: geldlog begroting [JJJJ-MM] [--op JJJJ-MM-DD] [--csv]"));
    }
    QDate maand = op;
    if (!woorden.isEmpty()) {
        const std::optional<QDate> gekozen = LeesMaand(woorden.first());
        if (!gekozen) {
            return VerkeerdGebruikt(fout,
                QStringLiteral("De maand \"%1\" is niet van de vorm JJJJ-MM, zoals 2026-03.")
                    .arg(woorden.first()));
        }
        maand = *gekozen;
    }

    QStringList meldingen;
    const Posten posten = LeesPosten(programma);
    meldingen += NietMeegeteld(posten);
    const BegrotingBestand bestand(programma);
    if (!bestand.Melding().isEmpty())
        meldingen.append(bestand.Melding());
    const Vooruitzicht vooruitzicht(programma, posten, op, &meldingen);
    for (const QString &melding : std::as_const(meldingen))
        fout << melding << '\n';
    const BegrotingMaand begroting(
        posten, bestand.Inhoud(), vooruitzicht, maand, op, BegrotingMaand::Omvang::Begroot);
    if (opdracht.csv)
        SchrijfCsv(begroting, uit);
    else
        SchrijfTabel(begroting, uit);
    return Gedaan;
}
