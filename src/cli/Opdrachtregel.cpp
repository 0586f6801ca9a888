#include "cli/Opdrachtregel.h"

#include "bank/BankBestand.h"
#include "bank/Bankafschrift.h"
#include "cli/BegrotingOpdracht.h"
#include "cli/ExporteerOpdracht.h"
#include "cli/ImporteerOpdracht.h"
#include "cli/JaarOpdracht.h"
#include "cli/OpDag.h"
#include "cli/OverzichtOpdracht.h"
#include "cli/TerugkerendOpdracht.h"
#include "cli/Uitvoer.h"
#include "cli/ZoekOpdracht.h"
#include "common/IsoDatum.h"
#include "common/Programma.h"
#include "platform/Clock.h"
#include "platform/MessageBoxes.h"
#include "platform/QtPrinter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

#include <algorithm>

namespace {

const QString Importeren = QStringLiteral("importeer");
const QString Exporteren = QStringLiteral("exporteer");
const QString Overzien = QStringLiteral("overzicht");
const QString JaarOverzien = QStringLiteral("jaar");
const QString Zoeken = QStringLiteral("zoek");
const QString Terugkeren = QStringLiteral("terugkerend");
const QString Begroten = QStringLiteral("begroting");

// The names of the options that are answered without a command, as the parser knows them.
const QStringList HulpNamen { QStringLiteral("h"), QStringLiteral("?"), QStringLiteral("help") };
const QStringList VersieNamen { QStringLiteral("v"), QStringLiteral("version") };
const QString MaandNaam = QStringLiteral("maand");
const QString AlleNaam = QStringLiteral("alle");
const QString ProefNaam = QStringLiteral("proef");
const QString VervangNaam = QStringLiteral("vervang");
const QString CsvNaam = QStringLiteral("csv");
const QString JaarNaam = QStringLiteral("jaar");
const QString OpNaam = QStringLiteral("op");
const QString OpslaanNaam = QStringLiteral("opslaan");

// An option's name as typed: "-h", "--help".
QString OptieTekst(const QString &naam)
{
    return (naam.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + naam;
}

bool IsOptie(const QString &woord)
{
    return woord.size() > 1 && woord.startsWith(u'-');
}

// How many words an option of Qt's own takes: itself, or itself and its value.
enum class QtOptie { Geen, Alleen, MetWaarde };

// Qt's options for a window of its own, as the application takes them: with one dash or two, a
// value after them or after "=". Those of the X11 platform count on any platform, as none of them
// names a file.
QtOptie AlsQtOptie(const QString &woord)
{
    static const QStringList alleen { QStringLiteral("reverse"), QStringLiteral("widgetcount"),
        QStringLiteral("testability"), QStringLiteral("nograb"), QStringLiteral("dograb") };
    static const QStringList metWaarde { QStringLiteral("platform"),
        QStringLiteral("platformpluginpath"), QStringLiteral("platformtheme"),
        QStringLiteral("plugin"), QStringLiteral("qmljsdebugger"),
        QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowicon"),
        QStringLiteral("qwindowtitle"), QStringLiteral("session"), QStringLiteral("style"),
        QStringLiteral("stylesheet"), QStringLiteral("display"), QStringLiteral("geometry"),
        QStringLiteral("title"), QStringLiteral("icon"), QStringLiteral("name"),
        QStringLiteral("visual") };
    if (!IsOptie(woord))
        return QtOptie::Geen;
    QStringView naam = QStringView(woord).sliced(woord.startsWith(u"--") ? 2 : 1);
    const qsizetype gelijk = naam.indexOf(u'=');
    if (gelijk >= 0)
        return metWaarde.contains(naam.first(gelijk)) ? QtOptie::Alleen : QtOptie::Geen;
    if (alleen.contains(naam))
        return QtOptie::Alleen;
    return metWaarde.contains(naam) ? QtOptie::MetWaarde : QtOptie::Geen;
}

bool IsOpdrachtNaam(const QString &woord)
{
    return woord == Importeren || woord == Exporteren || woord == Overzien || woord == JaarOverzien
        || woord == Zoeken || woord == Terugkeren || woord == Begroten;
}

// Whether a word that names no command is meant as a file: it names a folder or an extension.
bool NoemtBestand(const QString &woord)
{
    return woord.contains(u'/') || woord.contains(QDir::separator()) || woord.contains(u'.');
}

QString HulpTekst()
{
    QString tekst = QStringLiteral(
        "Gebruik: geldlog [bankafschrift]\n"
        "       geldlog <opdracht> ...\n"
        "\n"
        "Zonder opdracht opent Geldlog zijn venster, met een bankafschrift ook het venster\n"
        "\"Bankafschrift inlezen\".\n"
        "\n"
        "Opdrachten:\n"
        "  importeer <bestand> <lijst>      Zet de nieuwe posten van een bankafschrift in de\n"
        "                                   lijst; een lijst die er nog niet is, wordt gemaakt.\n"
        "                                   Posten die er al in staan, komen er niet nog eens in.\n"
        "                                   In een lijst die een maand noemt (\"2026 Maart\")\n"
        "                                   alleen de posten van die maand; de andere worden\n"
        "                                   genoemd. Nieuwe posten krijgen je eigen omschrijving\n"
        "                                   waar Geldlog die zeker weet. Van zo'n voorstel leert\n"
        "                                   Geldlog pas als je het bevestigt: met Wijzigen, of\n"
        "                                   door het in het venster te laten staan.\n"
        "      --maand JJJJ-MM              Alleen de posten van die maand.\n"
        "      --alle                       Alle posten, uit welke maand ook.\n"
        "      --proef                      Toont wat er zou worden toegevoegd; schrijft niets.\n"
        "  exporteer <lijst> <bestand.csv>  Schrijft de lijst als CSV voor een rekenblad.\n"
        "      --vervang                    Schrijft over een bestand dat er al is.\n"
        "  overzicht                        Het saldo van elke opgeslagen lijst en het totaal.\n"
        "  jaar <JJJJ>                      Per omschrijving wat er in elke maand van dat jaar\n"
        "                                   binnenkwam en uitging, met de totalen.\n"
        "      --csv                        Als CSV voor een rekenblad.\n"
        "  zoek <tekst>                     Elke post waarvan de omschrijving de tekst bevat,\n"
        "                                   met datum, lijst en bedrag, en hun totaal.\n"
        "      --jaar JJJJ                  Alleen de posten van dat jaar.\n"
        "  terugkerend                      De contracten en andere betalingen die terugkomen,\n"
        "                                   gevonden in de bankafschriften en de lijsten.\n"
        "      --op JJJJ-MM-DD              Zoals ze op die dag stonden (anders vandaag).\n"
        "      --csv                        Als CSV voor een rekenblad.\n"
        "  begroting [JJJJ-MM]              Per omschrijving met een begroting: begroot,\n"
        "                                   uitgegeven en over, en wat er in de maand nog\n"
        "                                   vrij te besteden is.\n"
        "      --op JJJJ-MM-DD              Zoals de maand er op die dag voor stond (standaard:\n"
        "                                   vandaag).\n"
        "      --csv                        Als CSV voor een rekenblad.\n"
        "  begroting zet <omschrijving> <bedrag>\n"
        "                                   Begroot een bedrag per maand; 0 haalt het weg.\n"
        "  begroting voorstel               Per omschrijving wat die in de twaalf maanden voor\n"
        "                                   deze maand gemiddeld kostte, naar boven afgerond.\n"
        "      --op JJJJ-MM-DD              De twaalf maanden voor de maand van die dag.\n"
        "      --opslaan                    Begroot die bedragen voor de omschrijvingen zonder\n"
        "                                   begroting.\n"
        "\n"
        "Opties:\n"
        "  -h, --help                       Toont deze hulp.\n"
        "  -v, --version                    Toont de versie.\n"
        "\n"
        "Afloop: 0 gedaan, 1 geweigerd (er is niets geschreven), 2 verkeerd gebruik.\n"
        "\n"
        "Geldlog kent deze bankafschriften:\n");
    for (const QString &soort : BekendeSoorten())
        tekst += QStringLiteral("  ") + soort + u'\n';
    return tekst;
}

Afloop VerkeerdGebruikt(QTextStream &fout, const QString &waarom)
{
    fout << waarom << '\n' << "Zie \"geldlog --help\"." << '\n';
    return VerkeerdGebruik;
}

// "2026-03" as the first day of that month, read as every date of Geldlog is.
std::optional<QDate> Maand(const QString &tekst)
{
    if (tekst.size() != 7)
        return std::nullopt;
    const std::optional<IsoDatum> datum = LeesIsoDatum(tekst + QStringLiteral("-01"));
    if (!datum)
        return std::nullopt;
    return datum->Dag();
}

// "2026" as a year; nothing for any other text.
std::optional<int> Jaartal(const QString &tekst)
{
    static const QRegularExpression vorm(QStringLiteral("^\\d{4}$"));
    if (!vorm.match(tekst).hasMatch() || tekst.toInt() == 0)
        return std::nullopt;
    return tekst.toInt();
}

QString GeenJaartal(const QString &tekst)
{
    return QStringLiteral("Het jaar \"%1\" is geen jaartal.").arg(tekst);
}

// What the parser could not take, in Dutch: its own texts are English.
QString OnleesbareOpties(const QCommandLineParser &parser)
{
    if (!parser.unknownOptionNames().isEmpty()) {
        return QStringLiteral("Onbekende optie \"%1\".")
            .arg(OptieTekst(parser.unknownOptionNames().first()));
    }
    return QStringLiteral(
        "De opties zijn niet te lezen: --maand neemt een maand (--maand JJJJ-MM), --jaar een "
        "jaar (--jaar JJJJ), --op een dag (--op JJJJ-MM-DD); --alle, --proef, --vervang, --csv, "
        "--opslaan, --help en --version nemen niets.");
}

// Words that name no command: a bank file that the window would have shown, or a mistake.
Afloop GeenOpdracht(const QStringList &woorden, QTextStream &fout)
{
    const QString &eerste = woorden.first();
    if (!NoemtBestand(eerste) && !QFileInfo::exists(eerste)) {
        fout << QStringLiteral(
            "Onbekende opdracht \"%1\". \"geldlog --help\" toont wat Geldlog kent.")
                    .arg(eerste)
             << '\n';
        return VerkeerdGebruik;
    }
    if (woorden.size() > 1)
        return VerkeerdGebruikt(
            fout, QStringLiteral("Geldlog leest één bankafschrift tegelijk in."));
    QString reden;
    if (!LeesBankBestand(eerste, &reden)) {
        fout << reden << '\n';
        return Geweigerd;
    }
    // A readable file with an option before it ("geldlog --proef afschrift.csv").
    return VerkeerdGebruikt(fout,
        QStringLiteral("Geldlog toont een bankafschrift in zijn venster; "
                       "\"geldlog importeer <bestand> <lijst>\" zet het in een lijst."));
}

// The services a command never uses, for a program value that needs them.
struct ZonderVenster {
    QtMessageBoxes berichten;
    SystemClock klok;
    QtPrinters printers;
};

} // namespace

QStringList EigenArgumenten(const QStringList &argumenten)
{
    QStringList eigen;
    for (qsizetype i = 0; i < argumenten.size(); ++i) {
        switch (i == 0 ? QtOptie::Geen : AlsQtOptie(argumenten[i])) {
        case QtOptie::Geen:
            eigen.append(argumenten[i]);
            break;
        case QtOptie::Alleen:
            break;
        case QtOptie::MetWaarde:
            ++i; // its value, when one follows
            break;
        }
    }
    return eigen;
}

bool IsOpdracht(const QStringList &eigenArgumenten)
{
    if (eigenArgumenten.size() < 2)
        return false;
    const QString &eerste = eigenArgumenten[1];
    // Any option left is the parser's to answer or refuse.
    if (IsOptie(eerste))
        return true;
    const QFileInfo bestand(eerste);
    return IsOpdrachtNaam(eerste) || eigenArgumenten.size() > 2 || !bestand.exists()
        || bestand.isDir();
}

namespace {

Afloop VoerUit(
    const QString &programmaMap, const QStringList &argumenten, QTextStream &uit, QTextStream &fout)
{
    QCommandLineParser parser;
    const QCommandLineOption hulp(HulpNamen, QStringLiteral("Toont deze hulp."));
    const QCommandLineOption versie(VersieNamen, QStringLiteral("Toont de versie."));
    const QCommandLineOption maand(
        MaandNaam, QStringLiteral("Alleen de posten van die maand."), QStringLiteral("JJJJ-MM"));
    const QCommandLineOption alle(AlleNaam, QStringLiteral("Alle posten, uit welke maand ook."));
    const QCommandLineOption proef(
        ProefNaam, QStringLiteral("Toont wat er zou worden toegevoegd."));
    const QCommandLineOption vervang(
        VervangNaam, QStringLiteral("Schrijft over een bestand dat er al is."));
    const QCommandLineOption csv(CsvNaam, QStringLiteral("Als CSV."));
    const QCommandLineOption jaar(
        JaarNaam, QStringLiteral("Alleen de posten van dat jaar."), QStringLiteral("JJJJ"));
    const QCommandLineOption op(
        OpNaam, QStringLiteral("Zoals het op die dag stond."), QStringLiteral("JJJJ-MM-DD"));
    const QCommandLineOption opslaan(OpslaanNaam, QStringLiteral("Slaat de voorstellen op."));
    parser.addOptions({ hulp, versie, maand, alle, proef, vervang, csv, jaar, op, opslaan });
    if (!parser.parse(argumenten))
        return VerkeerdGebruikt(fout, OnleesbareOpties(parser));
    if (parser.isSet(hulp)) {
        uit << HulpTekst();
        return Gedaan;
    }
    if (parser.isSet(versie)) {
        uit << "Geldlog " << GELDLOG_VERSION << '\n';
        return Gedaan;
    }

    const QStringList opdracht = parser.positionalArguments();
    if (opdracht.isEmpty())
        return VerkeerdGebruikt(fout, QStringLiteral("Geef een opdracht."));
    const QString &naam = opdracht.first();
    if (!IsOpdrachtNaam(naam))
        return GeenOpdracht(opdracht, fout);
    if (naam != Importeren && (parser.isSet(maand) || parser.isSet(alle) || parser.isSet(proef))) {
        return VerkeerdGebruikt(
            fout, QStringLiteral("De opties --maand, --alle en --proef horen bij \"importeer\"."));
    }
    if (parser.isSet(maand) && parser.isSet(alle)) {
        return VerkeerdGebruikt(fout,
            QStringLiteral("Kies --maand voor één maand of --alle voor alle maanden, niet beide."));
    }
    if (naam != Exporteren && parser.isSet(vervang))
        return VerkeerdGebruikt(
            fout, QStringLiteral("De optie --vervang hoort bij \"exporteer\"."));
    if (naam != JaarOverzien && naam != Terugkeren && naam != Begroten && parser.isSet(csv)) {
        return VerkeerdGebruikt(fout,
            QStringLiteral("De optie --csv hoort bij \"jaar\", \"terugkerend\" en \"begroting\"."));
    }
    if (naam != Terugkeren && naam != Begroten && parser.isSet(op)) {
        return VerkeerdGebruikt(
            fout, QStringLiteral("De optie --op hoort bij \"terugkerend\" en \"begroting\"."));
    }
    if (naam != Begroten && parser.isSet(opslaan)) {
        return VerkeerdGebruikt(
            fout, QStringLiteral("De optie --opslaan hoort bij \"begroting voorstel\"."));
    }
    if (naam != Zoeken && parser.isSet(jaar))
        return VerkeerdGebruikt(fout, QStringLiteral("De optie --jaar hoort bij \"zoek\"."));
    ZonderVenster diensten;
    const Programma programma(programmaMap, diensten.berichten, diensten.klok, diensten.printers);

    if (naam == Importeren) {
        if (opdracht.size() != 3) {
            return VerkeerdGebruikt(
                fout, QStringLiteral("Gebruik: geldlog importeer <bestand> <lijst>"));
        }
        ImporteerOpdracht importeer { opdracht[1], opdracht[2], std::nullopt, parser.isSet(alle),
            parser.isSet(proef) };
        if (parser.isSet(maand)) {
            importeer.maand = Maand(parser.value(maand));
            if (!importeer.maand) {
                return VerkeerdGebruikt(fout,
                    QStringLiteral("De maand \"%1\" is niet van de vorm JJJJ-MM, zoals 2026-03.")
                        .arg(parser.value(maand)));
            }
        }
        return Importeer(programma, importeer, uit, fout);
    }
    if (naam == Exporteren) {
        if (opdracht.size() != 3) {
            return VerkeerdGebruikt(
                fout, QStringLiteral("Gebruik: geldlog exporteer <lijst> <bestand.csv>"));
        }
        return Exporteer(programma, opdracht[1], opdracht[2], parser.isSet(vervang), uit, fout);
    }
    if (naam == Overzien) {
        if (opdracht.size() != 1)
            return VerkeerdGebruikt(fout, QStringLiteral("Gebruik: geldlog overzicht"));
        return Overzicht(programma, uit, fout);
    }
    if (naam == JaarOverzien) {
        if (opdracht.size() != 2)
            return VerkeerdGebruikt(fout, QStringLiteral("Gebruik: geldlog jaar <JJJJ> [--csv]"));
        const std::optional<int> gekozen = Jaartal(opdracht[1]);
        if (!gekozen)
            return VerkeerdGebruikt(fout, GeenJaartal(opdracht[1]));
        return Jaar(programma, *gekozen, parser.isSet(csv), uit, fout);
    }
    if (naam == Zoeken) {
        if (opdracht.size() != 2) {
            return VerkeerdGebruikt(
                fout, QStringLiteral("Gebruik: geldlog zoek <tekst> [--jaar JJJJ]"));
        }
        std::optional<int> gekozen;
        if (parser.isSet(jaar)) {
            gekozen = Jaartal(parser.value(jaar));
            if (!gekozen)
                return VerkeerdGebruikt(fout, GeenJaartal(parser.value(jaar)));
        }
        return Zoek(programma, opdracht[1], gekozen, uit, fout);
    }
    if (naam == Terugkeren) {
        if (opdracht.size() != 1) {
            return VerkeerdGebruikt(
                fout, QStringLiteral("Gebruik: geldlog terugkerend [--op JJJJ-MM-DD] [--csv]"));
        }
        QDate dag = programma.Klok().now().date();
        if (parser.isSet(op)) {
            QString waarom;
            const std::optional<QDate> gekozen = LeesOpDag(parser.value(op), &waarom);
            if (!gekozen)
                return VerkeerdGebruikt(fout, waarom);
            dag = *gekozen;
        }
        return Terugkerend(programma, dag, parser.isSet(csv), uit, fout);
    }
    if (naam == Begroten) {
        return Begroot(programma,
            { opdracht.mid(1), parser.isSet(op) ? std::optional(parser.value(op)) : std::nullopt,
                parser.isSet(opslaan), parser.isSet(csv) },
            uit, fout);
    }
    Q_UNREACHABLE();
    return VerkeerdGebruik;
}

} // namespace

Afloop VoerOpdrachtUit(
    const QString &programmaMap, const QStringList &argumenten, QTextStream &uit, QTextStream &fout)
{
    return MetUitvoer(uit, fout, [&](QTextStream &schoonUit, QTextStream &schoonFout) {
        return VoerUit(programmaMap, argumenten, schoonUit, schoonFout);
    });
}
