#include "Huishouden.h"

#include "IngRegels.h"
#include "common/Bedrag.h"
#include "common/MaandNamen.h"

#include <QRandomGenerator>

#include <algorithm>
#include <initializer_list>
#include <tuple>

namespace {

const QString EigenRekening = QStringLiteral("NL41INGB0006212385");

// A counterparty as the bank writes it: its name and account.
struct Partij {
    const char *naam;
    const char *iban;
};

// A shop paid by card: its name as the card terminal gives it, and the household's word for it.
struct Winkel {
    const char *naam;
    const char *woord;
};

const Partij Verhuurder { "Stichting Portaal", "NL72RABO0309284711" };
const Partij Eneco { "Eneco Consumenten B.V.", "NL29ABNA0244468733" };
const Partij Water { "PWN Waterleidingbedrijf", "NL50INGB0000014565" };
const Partij Zorgverzekeraar { "Zilveren Kruis Zorgverzekeringen N.V.", "NL88INGB0000004490" };
const Partij Ziggo { "Ziggo Services B.V.", "NL74INGB0000652442" };
const Partij Odido { "Odido Netherlands B.V.", "NL95INGB0000090490" };
const Partij Netflix { "Netflix International B.V.", "NL62ABNA0462839102" };
const Partij Spotify { "Spotify AB", "NL73CITI2032342087" };
const Partij CentraalBeheer { "Centraal Beheer", "NL33INGB0000008777" };
const Partij Kinderopvang { "Kinderopvang Kindergarden", "NL18RABO0123459876" };
const Partij BasicFit { "Basic-Fit Nederland B.V.", "NL51DEUT0265262461" };
const Partij Zwemschool { "Zwemschool De Otter", "NL06RABO0301234567" };
const Partij Gemeente { "Gemeente Haarlem", "NL15BNGH0285001234" };
const Partij Belastingdienst { "Belastingdienst", "NL86INGB0002445588" };
const Partij Svb { "Sociale Verzekeringsbank", "NL13INGB0000003412" };
const Partij Ns { "NS GROEP IZ NS REIZIGERS", "NL78INGB0000658898" };
const Partij Werkgever { "Bouwbedrijf Jansen B.V.", "NL39RABO0300065264" };
const Partij Zorggroep { "Zorggroep Meander", "NL97ABNA0412345678" };
const Partij Mollie { "Stichting Mollie Payments", "NL23ABNA0813409387" };
const Partij Buckaroo { "Stichting Derdengelden Buckaroo", "NL09RABO0147852369" };
const Partij Adyen { "Adyen", "NL48ADYB2017400157" };
const Partij TikkieDienst { "AAB INZ TIKKIE", "NL13ABNA0417164300" };
const Partij Bol { "bol.com", "NL27INGB0000026500" };
const Partij Booking { "Booking.com B.V.", "NL43ABNA0419390405" };
const Partij Zakgeld { "L de Vries", "NL61INGB0007720193" };
const Partij ZalandoRetour { "Zalando Payments GmbH", "NL14DEUT0319804918" };
const Partij School { "Stichting OBS De Regenboog", "NL44RABO0155667788" };
const Partij Fotograaf { "Fotografie Kiekjes", "NL87INGB0006543210" };
const Partij Oppas { "Noor Visser", "NL30ASNB0707123456" };
// The bank's own: its costs, and the household's savings account, both without an account.
const Partij BankKosten { "Kosten OranjePakket", "" };
const Partij Spaarrekening { "Oranje Spaarrekening V12345678", "" };
const Partij NaarSpaarrekening { "Naar Oranje Spaarrekening V12345678", "" };

// The cash machines the household uses: one kind of transaction wherever the machine stands.
const std::initializer_list<const char *> Geldautomaten { "Geldmaat Grote Markt HAARLEM NLD",
    "Geldmaat Schalkwijk HAARLEM NLD", "Geldmaat Zijlstraat HAARLEM NLD",
    "Geldmaat Cronjéstraat HAARLEM NLD", "Geldmaat Rijksstraatweg HAARLEM NLD",
    "Geldmaat Raadhuisplein HEEMSTEDE NLD", "Geldmaat Binnenweg HEEMSTEDE NLD",
    "Geldmaat Kalverstraat AMSTERDAM NLD", "Geldmaat Centraal Station AMSTERDAM NLD",
    "Geldmaat Kerkstraat ZANDVOORT NLD", "Geldmaat Dorpsstraat BLOEMENDAAL NLD",
    "Geldmaat Marktplein HOOFDDORP NLD" };

class Huishouden {
public:
    Huishouden(int jaar, quint32 zaad)
        : m_toeval(zaad)
        , m_jaar(jaar)
    {
    }

    HuishoudJaar Maak();

private:
    struct Transactie {
        QDate betaald; // the day the household paid it, and typed it
        QDate geboekt; // the day the bank booked it
        QString naam;
        QString tegenrekening;
        QString code;
        QString mutatiesoort;
        qint64 centen = 0; // received positive
        QString mededelingen;
        QString woord;
        bool getypt = true;
        bool vast = false; // exported from the fixed costs on the first of the month
        int contract = -1;
    };

    bool Kans(double kans) { return m_toeval.generateDouble() < kans; }
    int Tussen(int van, int tot) { return static_cast<int>(m_toeval.bounded(van, tot + 1)); }
    template<typename T> const T &Kies(std::initializer_list<T> keuzes)
    {
        return *(keuzes.begin() + m_toeval.bounded(static_cast<int>(keuzes.size())));
    }
    QString Code(int lengte)
    {
        static const char tekens[] = "ABCDEFGHJKLMNPQRSTUVWXYZ0123456789";
        QString code;
        for (int i = 0; i < lengte; ++i)
            code += QLatin1Char(tekens[m_toeval.bounded(34)]);
        return code;
    }
    QString Cijfers(int lengte)
    {
        QString cijfers;
        for (int i = 0; i < lengte; ++i)
            cijfers += QChar(u'0' + m_toeval.bounded(10));
        return cijfers;
    }
    static QDate Werkdag(QDate dag)
    {
        while (dag.dayOfWeek() > 5)
            dag = dag.addDays(1);
        return dag;
    }
    static QString Dag(QDate dag) { return dag.toString(QStringLiteral("dd-MM-yyyy")); }
    QDate Op(int maand, int dag) const
    {
        const QDate eerste(m_jaar, maand, 1);
        return QDate(m_jaar, maand, std::min(dag, eerste.daysInMonth()));
    }
    QString Maand(QDate dag) const
    {
        return MaandNaam(dag.month()).toLower() + u' ' + QString::number(dag.year());
    }
    // The word as the household typed it into a month: now and then in small letters, rarely
    // with a typo.
    QString Getypt(const QString &woord);

    // A contract of the household; the payments made by the calls below until the next one
    // belong to it.
    void Contract(const Partij &partij, const char *woord, Elke elke, bool wisselend = false);
    void Kaart(QDate dag, const QString &naam, qint64 centen, const QString &woord);
    void Geldautomaat(QDate dag);
    void Incasso(QDate dag, const Partij &partij, const QString &omschrijving, qint64 centen,
        const QString &woord, bool vast = false);
    void Overschrijving(QDate dag, const Partij &partij, const QString &omschrijving, qint64 centen,
        const QString &woord);
    void Ideal(QDate dag, const Partij &partij, const QString &omschrijving, qint64 centen,
        const QString &woord);
    void Sparen(QDate dag, qint64 centen, const QString &woord);
    void Tikkie(QDate dag, bool ontvangen);
    void VasteLasten(int maand);
    void Inkomsten(int maand);
    void Dagelijks(QDate dag);
    void Vakanties();
    void Lijkend();
    // What the payments tell of each contract: its amount, first and last payment, and change.
    void VulContractenAan();

    QRandomGenerator m_toeval;
    int m_jaar;
    std::vector<Transactie> m_transacties;
    std::vector<Item> m_contant;
    std::vector<HuishoudContract> m_contracten;
    std::vector<bool> m_stopt; // per contract: whether it stopped within the year
    std::vector<HuishoudLijkend> m_lijkend;
    int m_contract = -1; // the contract the payments being made belong to
    qint64 m_energieNa = -14500; // the energy instalment after the yearly settlement
};

QString Huishouden::Getypt(const QString &woord)
{
    if (Kans(1.0 / 15))
        return woord.toLower();
    if (woord.size() >= 5 && Kans(1.0 / 80)) {
        // A letter left out or two swapped, never the first.
        QString fout = woord;
        const int plek = Tussen(1, static_cast<int>(woord.size()) - 2);
        if (Kans(0.5))
            fout.remove(plek, 1);
        else
            std::swap(fout[plek], fout[plek + 1]);
        return fout;
    }
    return woord;
}

void Huishouden::Contract(const Partij &partij, const char *woord, Elke elke, bool wisselend)
{
    const auto gelijk = std::find_if(m_contracten.begin(), m_contracten.end(),
        [&](const HuishoudContract &c) { return c.woord == QString::fromUtf8(woord); });
    if (gelijk != m_contracten.end()) {
        m_contract = static_cast<int>(gelijk - m_contracten.begin());
        return;
    }
    HuishoudContract contract;
    contract.naam = QString::fromUtf8(partij.naam);
    contract.rekening = QString::fromLatin1(partij.iban);
    contract.woord = QString::fromUtf8(woord);
    contract.elke = elke;
    contract.wisselend = wisselend;
    m_contract = static_cast<int>(m_contracten.size());
    m_contracten.push_back(contract);
    m_stopt.push_back(false);
}

void Huishouden::Kaart(QDate dag, const QString &naam, qint64 centen, const QString &woord)
{
    Transactie t;
    t.betaald = dag;
    // Paid by card on one day, booked on it or the next working day.
    t.geboekt = Werkdag(dag.addDays(Kans(0.3) ? 0 : 1));
    t.naam = naam;
    t.code = QStringLiteral("BA");
    t.mutatiesoort = QStringLiteral("Betaalautomaat");
    t.centen = centen;
    t.mededelingen = QStringLiteral("Pasvolgnr: 003 %1 %2:%3 Transactie: %4 Term: %5 %6"
                                    "Valutadatum: %7")
                         .arg(Dag(dag))
                         .arg(Tussen(8, 21), 2, 10, QChar(u'0'))
                         .arg(Tussen(0, 59), 2, 10, QChar(u'0'))
                         .arg(Code(6), QStringLiteral("CT") + Cijfers(6),
                             Kans(0.5) ? QStringLiteral("Apple Pay ") : QString(), Dag(t.geboekt));
    t.woord = woord;
    // The small card payments are the ones a household forgets to type.
    t.getypt = !Kans(std::abs(centen) < 1500 ? 0.12 : 0.04);
    m_transacties.push_back(t);
}

void Huishouden::Geldautomaat(QDate dag)
{
    Kaart(dag, QString::fromUtf8(Kies(Geldautomaten)), -100 * Kies({ 20, 50, 50, 100 }),
        QStringLiteral("Pinnen"));
    m_transacties.back().code = QStringLiteral("GM");
    m_transacties.back().mutatiesoort = QStringLiteral("Geldautomaat");
}

void Huishouden::Incasso(QDate dag, const Partij &partij, const QString &omschrijving,
    qint64 centen, const QString &woord, bool vast)
{
    Transactie t;
    t.geboekt = Werkdag(dag);
    t.betaald = t.geboekt.addDays(-Tussen(0, 1));
    t.naam = QString::fromUtf8(partij.naam);
    t.tegenrekening = QString::fromLatin1(partij.iban);
    t.code = QStringLiteral("IC");
    t.mutatiesoort = QStringLiteral("Incasso");
    t.centen = centen;
    // The mandate and the collector stay the same from one debit to the next.
    const QString machtiging = QString::fromLatin1(partij.iban).right(10);
    t.mededelingen
        = QStringLiteral("Naam: %1 Omschrijving: %2 IBAN: %3 Kenmerk: %4 Machtiging ID: %5 "
                         "Incassant ID: NL%6ZZZ%7 Doorlopende incasso Valutadatum: %8")
              .arg(t.naam, omschrijving, t.tegenrekening, Cijfers(12), machtiging,
                  machtiging.left(2), machtiging.right(8), Dag(t.geboekt));
    t.woord = woord;
    t.vast = vast;
    t.getypt = vast || !Kans(0.03);
    t.contract = m_contract;
    m_transacties.push_back(t);
}

void Huishouden::Overschrijving(QDate dag, const Partij &partij, const QString &omschrijving,
    qint64 centen, const QString &woord)
{
    Incasso(dag, partij, omschrijving, centen, woord);
    Transactie &t = m_transacties.back();
    // Money received is typed when it has come in.
    if (centen > 0)
        t.betaald = t.geboekt;
    t.code = QStringLiteral("OV");
    t.mutatiesoort = QStringLiteral("Overschrijving");
    t.mededelingen = QStringLiteral("Naam: %1 Omschrijving: %2 IBAN: %3 Kenmerk: %4 "
                                    "Valutadatum: %5")
                         .arg(t.naam, omschrijving, t.tegenrekening, Code(12), Dag(t.geboekt));
}

void Huishouden::Ideal(QDate dag, const Partij &partij, const QString &omschrijving, qint64 centen,
    const QString &woord)
{
    Incasso(dag, partij, omschrijving, centen, woord);
    Transactie &t = m_transacties.back();
    // Paid online, booked at once, any day of the week.
    t.betaald = dag;
    t.geboekt = dag;
    t.code = QStringLiteral("ID");
    t.mutatiesoort = QStringLiteral("iDEAL");
    t.mededelingen = QStringLiteral("Naam: %1 Omschrijving: %2 IBAN: %3 Kenmerk: %4 %5:%6 %7 "
                                    "Valutadatum: %4")
                         .arg(t.naam, omschrijving, t.tegenrekening, Dag(dag))
                         .arg(Tussen(8, 23), 2, 10, QChar(u'0'))
                         .arg(Tussen(0, 59), 2, 10, QChar(u'0'))
                         .arg(Cijfers(16));
}

void Huishouden::Sparen(QDate dag, qint64 centen, const QString &woord)
{
    Transactie sparen;
    sparen.geboekt = sparen.betaald = dag;
    sparen.naam = (centen < 0 ? QStringLiteral("Naar ") : QStringLiteral("Van "))
        + QString::fromUtf8(Spaarrekening.naam);
    sparen.code = QStringLiteral("GT");
    sparen.mutatiesoort = QStringLiteral("Online bankieren");
    sparen.centen = centen;
    sparen.mededelingen = QStringLiteral("Valutadatum: %1").arg(Dag(sparen.geboekt));
    sparen.woord = woord;
    sparen.contract = m_contract;
    m_transacties.push_back(sparen);
}

void Huishouden::Tikkie(QDate dag, bool ontvangen)
{
    struct Verzoek {
        const char *tekst;
        const char *woord;
    };
    const Verzoek verzoek = ontvangen
        ? Kies<Verzoek>({ { "Etentje", "Tikkie" }, { "Pizza", "Tikkie" }, { "Bioscoop", "Tikkie" },
            { "Cadeau voor Lisa", "Tikkie" }, { "Boodschappen", "Tikkie" } })
        : Kies<Verzoek>({ { "Etentje vrijdag", "Uit eten" }, { "Pizza", "Uit eten" },
            { "Etentje", "Uit eten" }, { "Sushi", "Uit eten" }, { "Bioscoop", "Uitjes" },
            { "Bowlen", "Uitjes" }, { "Kaartjes concert", "Uitjes" }, { "Uitje buren", "Uitjes" },
            { "Cadeau juf", "Cadeau" }, { "Cadeau voor Lisa", "Cadeau" },
            { "Weekendje weg", "Uitjes" } });
    // Friends by first name or initial; the Mulders are two families, and the babysitter's first
    // name is a friend's too.
    const char *wie = Kies({ "J. de Vries", "M Bakker", "S. Jansen", "L Visser", "K Smit",
        "A. Meijer", "R. Mulder", "E Mulder", "Noor Smit", "Lisa de Boer" });
    const QString omschrijving = QStringLiteral("Tikkie ID %1, %2, %3 %4, NL%5RABO0%6")
                                     .arg(Cijfers(12), QString::fromUtf8(verzoek.tekst),
                                         ontvangen ? QStringLiteral("Door") : QStringLiteral("Van"),
                                         QString::fromUtf8(wie), Cijfers(2), Cijfers(9));
    const qint64 centen = Tussen(500, 4500);
    Ideal(dag, TikkieDienst, omschrijving, ontvangen ? centen : -centen,
        QString::fromUtf8(verzoek.woord));
    if (ontvangen) {
        m_transacties.back().code = QStringLiteral("OV");
        m_transacties.back().mutatiesoort = QStringLiteral("Overschrijving");
    }
}

void Huishouden::VasteLasten(int maand)
{
    const QDate eerste = Op(maand, 1);
    const QString periode = Maand(eerste);
    // The rent is raised in July.
    Contract(Verhuurder, "Huur", Elke::Maand);
    Incasso(Op(maand, 1), Verhuurder,
        QStringLiteral("Huur ") + periode + QStringLiteral(" contract 20331"),
        maand < 7 ? -104652 : -108838, QStringLiteral("Huur"), true);
    // After the yearly settlement in April the instalment follows what was used.
    Contract(Eneco, "Energie", Elke::Maand);
    Incasso(Op(maand, 12), Eneco,
        QStringLiteral("Termijnbedrag ") + periode + QStringLiteral(" klantnummer 1084471"),
        maand < 5 ? -14500 : m_energieNa, QStringLiteral("Energie"), true);
    Contract(Water, "Water", Elke::Maand);
    Incasso(Op(maand, 22), Water, QStringLiteral("Voorschot water ") + periode, -2130,
        QStringLiteral("Water"), true);
    Contract(Zorgverzekeraar, "Zorgverzekering", Elke::Maand);
    Incasso(Op(maand, 26), Zorgverzekeraar,
        QStringLiteral("Premie ") + periode + QStringLiteral(" polis 884512307"), -29840,
        QStringLiteral("Zorgverzekering"), true);
    Contract(Ziggo, "Internet", Elke::Maand);
    Incasso(Op(maand, 24), Ziggo, QStringLiteral("Factuur ") + periode, maand < 7 ? -6250 : -6745,
        QStringLiteral("Internet"), true);
    Contract(Odido, "Telefoon", Elke::Maand, true);
    Incasso(Op(maand, 18), Odido, QStringLiteral("Abonnement ") + periode, -Tussen(2000, 3500),
        QStringLiteral("Telefoon"));
    Contract(Netflix, "Netflix", Elke::Maand);
    Incasso(Op(maand, 5), Netflix, QStringLiteral("Netflix maandabonnement"), -1399,
        QStringLiteral("Netflix"), true);
    Contract(Spotify, "Spotify", Elke::Maand);
    Incasso(Op(maand, 9), Spotify, QStringLiteral("Spotify Premium Family"), -1799,
        QStringLiteral("Spotify"), true);
    Contract(CentraalBeheer, "Verzekeringen", Elke::Maand);
    Incasso(Op(maand, 1), CentraalBeheer, QStringLiteral("Verzekeringen polispakket 20-551"), -4820,
        QStringLiteral("Verzekeringen"), true);
    Contract(Kinderopvang, "Kinderopvang", Elke::Maand);
    Incasso(Op(maand, 25), Kinderopvang, QStringLiteral("Opvang Sem ") + periode, -64210,
        QStringLiteral("Kinderopvang"), true);

    // The swimming lessons end with the diploma in June.
    if (maand <= 6) {
        Contract(Zwemschool, "Zwemles", Elke::Maand);
        m_stopt[static_cast<size_t>(m_contract)] = true;
        Incasso(Op(maand, 3), Zwemschool, QStringLiteral("Zwemles Lotte ") + periode, -5400,
            QStringLiteral("Zwemles"));
    }
    Contract(Ns, "Reiskosten", Elke::Maand, true);
    Incasso(Op(maand, 8), Ns, QStringLiteral("OV-chipkaart afrekening ") + periode,
        -Tussen(1800, 6500), QStringLiteral("Reiskosten"));
    if (maand >= 3) {
        Contract(Gemeente, "Gemeentebelasting", Elke::Maand);
        Incasso(Op(maand, 28), Gemeente,
            QStringLiteral("Gemeentelijke belastingen termijn %1").arg(maand - 2), -6480,
            QStringLiteral("Gemeentebelasting"));
    }
    if (maand == 1 || maand == 7) {
        Contract(Gemeente, "Parkeervergunning", Elke::HalfJaar);
        Incasso(Op(maand, 15), Gemeente, QStringLiteral("Parkeervergunning halfjaar"), -5200,
            QStringLiteral("Parkeervergunning"));
    }
    if (maand % 3 == 1) {
        Contract(Belastingdienst, "Wegenbelasting", Elke::Kwartaal);
        Incasso(Op(maand, 2), Belastingdienst, QStringLiteral("Motorrijtuigenbelasting 14-KLT-3"),
            -9800, QStringLiteral("Wegenbelasting"));
    }
    Contract(Zakgeld, "Zakgeld", Elke::Maand);
    Overschrijving(
        Op(maand, 1), Zakgeld, QStringLiteral("Zakgeld Lotte"), -2000, QStringLiteral("Zakgeld"));
    m_transacties.back().mutatiesoort = QStringLiteral("Periodieke overboeking");
    m_contract = -1;

    // One-offs beside the contracts: the yearly energy settlement, and the excess of the year's
    // care bills in autumn, each of its own amount.
    if (maand == 4) {
        Overschrijving(Op(maand, 28), Eneco,
            QStringLiteral("Jaarafrekening %1 klantnummer 1084471").arg(m_jaar - 1),
            m_energieNa < -14500 ? -Tussen(15000, 30000) : Tussen(12000, 25000),
            QStringLiteral("Energie"));
        if (m_energieNa < -14500) {
            m_transacties.back().code = QStringLiteral("IC");
            m_transacties.back().mutatiesoort = QStringLiteral("Incasso");
        }
    }
    for (const auto &[maandNummer, centen] :
        std::initializer_list<std::pair<int, int>> { { 9, 12000 }, { 10, 8500 }, { 11, 6175 } }) {
        if (maand == maandNummer)
            Incasso(Op(maand, 14), Zorgverzekeraar,
                QStringLiteral("Eigen risico declaratie %1").arg(Cijfers(8)), -centen,
                QStringLiteral("Eigen risico"));
    }

    Contract(BankKosten, "Bankkosten", Elke::Maand);
    Transactie kosten;
    kosten.geboekt = kosten.betaald = Op(maand, 1);
    kosten.naam = QString::fromUtf8(BankKosten.naam);
    kosten.code = QStringLiteral("DV");
    kosten.mutatiesoort = QStringLiteral("Diversen");
    kosten.centen = -330;
    kosten.mededelingen = QStringLiteral("1 %1 t/m %2 ING BANK N.V. Valutadatum: %3")
                              .arg(Maand(eerste.addMonths(-1)))
                              .arg(eerste.addDays(-1).day())
                              .arg(Dag(kosten.geboekt));
    kosten.woord = QStringLiteral("Bankkosten");
    kosten.getypt = Kans(0.5);
    kosten.contract = m_contract;
    m_transacties.push_back(kosten);
    m_contract = -1;
}

void Huishouden::Inkomsten(int maand)
{
    const QString periode = Maand(Op(maand, 1));
    Contract(Werkgever, "Salaris", Elke::Maand);
    Overschrijving(Op(maand, 24), Werkgever, QStringLiteral("Salaris ") + periode, 284617,
        QStringLiteral("Salaris"));
    // Anna's salary is raised in July.
    Contract(Zorggroep, "Salaris Anna", Elke::Maand);
    Overschrijving(Op(maand, 25), Zorggroep,
        QStringLiteral("Salaris ") + periode + QStringLiteral(" pers.nr 20817"),
        maand < 7 ? 142355 : 146625, QStringLiteral("Salaris Anna"));
    Contract(Belastingdienst, "Zorgtoeslag", Elke::Maand);
    Overschrijving(Op(maand, 20), Belastingdienst,
        QStringLiteral("Zorgtoeslag %1 %2").arg(periode).arg(Cijfers(9)), 12300,
        QStringLiteral("Zorgtoeslag"));
    if (maand % 3 == 1) {
        Contract(Svb, "Kinderbijslag", Elke::Kwartaal);
        Overschrijving(Op(maand, 1), Svb, QStringLiteral("Kinderbijslag kwartaal"), 30183,
            QStringLiteral("Kinderbijslag"));
    }
    Contract(NaarSpaarrekening, "Sparen", Elke::Maand);
    Sparen(Op(maand, 25), -20000, QStringLiteral("Sparen"));
    m_contract = -1;

    // One-offs from the same employers and the tax office.
    if (maand == 5) {
        Overschrijving(Op(maand, 24), Werkgever, QStringLiteral("Vakantietoeslag %1").arg(m_jaar),
            241250, QStringLiteral("Vakantiegeld"));
        Overschrijving(Op(maand, 25), Zorggroep,
            QStringLiteral("Vakantiegeld %1 pers.nr 20817").arg(m_jaar), 113884,
            QStringLiteral("Vakantiegeld"));
    }
    if (maand == 12)
        Overschrijving(Op(maand, 15), Werkgever,
            QStringLiteral("Eindejaarsuitkering %1").arg(m_jaar), 152000,
            QStringLiteral("Eindejaarsuitkering"));
    if (maand == 4)
        Overschrijving(Op(maand, 10), Belastingdienst,
            QStringLiteral("Teruggaaf inkomstenbelasting %1").arg(m_jaar - 1), 41200,
            QStringLiteral("Belasting terug"));
    if (maand == 8)
        Sparen(Op(maand, 1), 150000, QStringLiteral("Van spaarrekening"));
    if (maand == 3)
        Overschrijving(Op(maand, 18), ZalandoRetour,
            QStringLiteral("Retour bestelling 10%1").arg(Cijfers(8)), 5995,
            QStringLiteral("Retour"));
    if (maand == 10)
        Overschrijving(Op(maand, 9), Adyen,
            QStringLiteral("Coolblue B.V. retour bestelling %1").arg(Cijfers(8)), 14900,
            QStringLiteral("Retour"));
    // The school is a "Stichting" too, as the landlord is.
    if (maand == 5)
        Ideal(Op(maand, 12), School, QStringLiteral("Schoolreis Sem groep 5"), -3750,
            QStringLiteral("School"));
    if (maand == 9)
        Overschrijving(Op(maand, 16), School,
            QStringLiteral("Stichting OBS De Regenboog ouderbijdrage %1-%2 Lotte")
                .arg(m_jaar)
                .arg(m_jaar + 1),
            -4500, QStringLiteral("School"));
    if (maand == 10)
        Ideal(Op(maand, 7), Fotograaf, QStringLiteral("Schoolfoto Lotte bestelling"), -2495,
            QStringLiteral("School"));
}

// The card payments and webshops of an ordinary day at home.
void Huishouden::Dagelijks(QDate dag)
{
    const bool werkdag = dag.dayOfWeek() <= 5;
    for (const double kans : { 0.95, 0.15 }) {
        if (!Kans(kans))
            continue;
        const Winkel winkel = Kies<Winkel>({ { "ALBERT HEIJN 1403 HAARLEM NLD", "Boodschappen" },
            { "ALBERT HEIJN 1403 HAARLEM NLD", "Boodschappen" },
            { "ALBERT HEIJN 1520 HEEMSTEDE NLD", "Boodschappen" },
            { "Albert Heijn 8613 AMSTERDAM", "Boodschappen" },
            { "Jumbo Haarlem Schalkwijk", "Boodschappen" },
            { "JUMBO 7123 ZANDVOORT", "Boodschappen" }, { "Lidl 1234 Haarlem", "Boodschappen" } });
        // Now and then the household calls its groceries otherwise.
        Kaart(dag, QString::fromUtf8(winkel.naam), -Tussen(800, 12000),
            Kans(0.02) ? QStringLiteral("Eten") : QString::fromUtf8(winkel.woord));
    }
    if (werkdag && Kans(0.55))
        Kaart(dag, QStringLiteral("AH to go 5881 AMSTERDAM"), -Tussen(300, 900),
            QStringLiteral("Lunch"));
    if ((dag.dayOfWeek() == 6 && Kans(0.8)) || (dag.dayOfWeek() == 3 && Kans(0.5)))
        Kaart(dag, QStringLiteral("CCV*BAKKERIJ VERMEER"), -Tussen(400, 1200),
            QStringLiteral("Brood"));
    if (Kans(0.12))
        Kaart(dag,
            QString::fromUtf8(
                Kies({ "Shell 1234 Haarlem", "TANGO HEEMSTEDE", "Esso 4412 Haarlem" })),
            -Tussen(4500, 8000), QStringLiteral("Benzine"));
    if (Kans(0.1))
        Kaart(dag, QString::fromUtf8(Kies({ "Kruidvat 7645 Haarlem", "Etos 3311 Haarlem" })),
            -Tussen(250, 3000), QStringLiteral("Drogist"));
    if (Kans(0.035))
        Kaart(dag, QStringLiteral("HEMA 1234 Haarlem"), -Tussen(300, 4000),
            Kans(0.6) ? QStringLiteral("Huishouden") : QStringLiteral("Kleding"));
    if (Kans(0.03))
        Kaart(dag, QStringLiteral("Action 1234 Haarlem"), -Tussen(200, 3000),
            QStringLiteral("Huishouden"));
    if (Kans(0.07))
        Kaart(dag,
            QString::fromUtf8(Kies({ "Restaurant De Vest", "SumUp *Pizzeria Da Marco",
                "CCV*Brasserie Dijkers", "Eetcafe De Zwaan", "Sushi Time Haarlem",
                "Restaurant Lam & De Wit", "Pannenkoekenhuis Joops" })),
            -Tussen(2500, 9500), QStringLiteral("Uit eten"));
    if (Kans(0.08))
        Ideal(dag, Mollie, QStringLiteral("M%1 %2 Thuisbezorgd.nl").arg(Cijfers(9), Cijfers(16)),
            -Tussen(1800, 4500), QStringLiteral("Afhalen"));
    if (Kans(0.02)) {
        const Winkel winkel = Kies<Winkel>({ { "Pathe Tickets", "Uitjes" },
            { "Zeeman webshop", "Kleding" }, { "Natuurmonumenten", "Goede doelen" } });
        Ideal(dag, Mollie,
            QStringLiteral("M%1 %2 %3")
                .arg(Cijfers(9), Cijfers(16), QString::fromUtf8(winkel.naam)),
            -Tussen(1000, 4000), QString::fromUtf8(winkel.woord));
    }
    // A payment service met for one shop only, until another one uses it too.
    if (dag.dayOfWeek() == 7 && Kans(0.15))
        Ideal(dag, Buckaroo, QStringLiteral("%1 Vue Cinemas tickets").arg(Cijfers(12)),
            -Tussen(1800, 3600), QStringLiteral("Uitjes"));
    if (dag.month() >= 7 && Kans(0.01))
        Ideal(dag, Buckaroo, QStringLiteral("%1 ANWB Wegenwacht contributie").arg(Cijfers(12)),
            -Tussen(3900, 6500), QStringLiteral("Auto"));
    if (Kans(0.1))
        Tikkie(dag, false);
    if (Kans(0.06))
        Tikkie(dag, true);
    if (Kans(0.08))
        Kaart(dag, QString::fromUtf8(Kies({ "Q-Park 123 Haarlem", "Parkeren Haarlem P1" })),
            -Tussen(200, 1200), QStringLiteral("Parkeren"));
    if (werkdag && Kans(0.2))
        Kaart(dag, QStringLiteral("Broodjeszaak Bij Bart"), -Tussen(450, 950),
            QStringLiteral("Lunch"));
    if (werkdag && Kans(0.6))
        Kaart(dag, QStringLiteral("Starbucks 3321 Amsterdam"), -Tussen(280, 520),
            QStringLiteral("Koffie"));
    if (dag.dayOfWeek() == 5 && Kans(0.5))
        Kaart(dag, QStringLiteral("Snackbar De Hoek"), -Tussen(1200, 3200),
            QStringLiteral("Afhalen"));
    if (dag.dayOfYear() % 42 == 10)
        Kaart(dag, QStringLiteral("SumUp *Kapsalon Knip"), -3250, QStringLiteral("Kapper"));
    if (Kans(0.03))
        Kaart(dag, QStringLiteral("Apotheek Schalkwijk"), -Tussen(500, 2500),
            QStringLiteral("Apotheek"));
    if (Kans(0.06))
        Geldautomaat(dag);
    // One web shop for most things, and now and then a present.
    if (Kans(0.035))
        Ideal(dag, Bol, QStringLiteral("Bestelling %1 bol.com").arg(Cijfers(10)),
            -Tussen(1200, 6000),
            Kans(0.17) ? QStringLiteral("Cadeaus") : QStringLiteral("Online winkelen"));
    if (Kans(0.015))
        Ideal(dag, Adyen, QStringLiteral("Coolblue B.V. bestelling %1").arg(Cijfers(8)),
            -Tussen(2500, 40000), QStringLiteral("Elektronica"));
    if (Kans(0.02))
        Ideal(dag, Adyen, QStringLiteral("Zalando SE bestelling %1").arg(Cijfers(10)),
            -Tussen(2000, 12000), QStringLiteral("Kleding"));
    // Savings now and then, beside those of every month.
    if (Kans(0.012))
        Sparen(dag, -5000 * Tussen(1, 8), QStringLiteral("Sparen"));
    // Shops met once or twice a year.
    if (Kans(0.12)) {
        const Winkel winkel = Kies<Winkel>({ { "Intertoys 1234 Haarlem", "Speelgoed" },
            { "Praxis 123 Haarlem", "Klussen" }, { "Gamma 456 Haarlem", "Klussen" },
            { "Karwei 789 Heemstede", "Klussen" }, { "Blokker 2345 Haarlem", "Huishouden" },
            { "De Bijenkorf Amsterdam", "Kleding" }, { "Zara 1234 Haarlem", "Kleding" },
            { "H&M 567 Haarlem", "Kleding" }, { "Decathlon Haarlem", "Sport" },
            { "IKEA Haarlem", "Huishouden" }, { "MediaMarkt Haarlem", "Elektronica" },
            { "Bruna 1234 Haarlem", "Boeken" }, { "Boekhandel Spaarne", "Boeken" },
            { "Pathe Haarlem", "Uitjes" }, { "Artis Amsterdam", "Uitjes" },
            { "Rijksmuseum Amsterdam", "Uitjes" }, { "Dierenarts Haarlem-Noord", "Huisdier" },
            { "Pets Place 123 Haarlem", "Huisdier" }, { "Tandartspraktijk Spaarne", "Tandarts" },
            { "Fietsenmaker Van Dam", "Fiets" }, { "Bloemenhuis Flora", "Cadeau" },
            { "Xenos 441 Haarlem", "Huishouden" }, { "Hornbach Haarlem", "Klussen" },
            { "Dille & Kamille Haarlem", "Cadeau" }, { "Primera 2291 Haarlem", "Cadeau" },
            { "Kinderboerderij De Hout", "Uitjes" }, { "Schoenenwinkel Van Haren 112", "Kleding" },
            { "Coffeecompany Haarlem", "Koffie" } });
        Kaart(dag, QString::fromUtf8(winkel.naam), -Tussen(500, 9000),
            QString::fromUtf8(winkel.woord));
    }
}

// A long weekend in Belgium in May, two weeks in France in August: shops met only there.
void Huishouden::Vakanties()
{
    Ideal(QDate(m_jaar, 2, 20), Booking,
        QStringLiteral("Booking.com reservering %1").arg(Cijfers(10)), -38600,
        QStringLiteral("Vakantie"));
    Ideal(QDate(m_jaar, 4, 11), Mollie,
        QStringLiteral("M%1 Camping Les Fauvettes aanbetaling").arg(Cijfers(9)), -25000,
        QStringLiteral("Vakantie"));
    for (const auto &[dag, naam] : std::initializer_list<std::pair<int, const char *>> {
             { 29, "DELHAIZE 123 GENT BEL" }, { 29, "Q8 4422 BRUGGE BEL" },
             { 30, "RESTAURANT DE KLOK GENT BEL" }, { 30, "SINT-BAAFSKATHEDRAAL GENT BEL" },
             { 31, "DELHAIZE 123 GENT BEL" }, { 31, "FRITUUR T GROOT GENT BEL" } })
        Kaart(QDate(m_jaar, 5, dag), QString::fromUtf8(naam), -Tussen(1500, 9000),
            QStringLiteral("Vakantie"));
    for (QDate dag(m_jaar, 8, 2); dag <= QDate(m_jaar, 8, 16); dag = dag.addDays(1)) {
        const int aantal = Tussen(1, 3);
        for (int i = 0; i < aantal; ++i)
            Kaart(dag,
                QString::fromUtf8(
                    Kies({ "CARREFOUR MARKET 0123 ANNECY FRA", "INTERMARCHE 4456 SEVRIER FRA",
                        "TOTAL ACCESS 7789 LYON FRA", "APRR PEAGE AUTOROUTE",
                        "RESTAURANT LE BISTROT ANNECY", "BOULANGERIE DU LAC ANNECY",
                        "CAMPING LES FAUVETTES", "DECATHLON ANNECY FRA" })),
                -Tussen(300, 9000), QStringLiteral("Vakantie"));
    }
    Kaart(QDate(m_jaar, 8, 2), QStringLiteral("SANEF PEAGE REIMS FRA"), -2870,
        QStringLiteral("Vakantie"));
}

void Huishouden::Lijkend()
{
    for (const auto &[naam, woord, wat] :
        std::initializer_list<std::tuple<const char *, const char *, const char *>> {
            { "ALBERT HEIJN 1403 HAARLEM NLD", "Boodschappen", "boodschappen, elke week" },
            { "CCV*BAKKERIJ VERMEER", "Brood", "de bakker, elke zaterdag" },
            { "Starbucks 3321 Amsterdam", "Koffie", "koffie op werkdagen" },
            { "AH to go 5881 AMSTERDAM", "Lunch", "lunch op werkdagen" },
            { "Snackbar De Hoek", "Afhalen", "de snackbar op vrijdag" },
            { TikkieDienst.naam, "Uit eten", "Tikkies van en aan vrienden" },
            { Oppas.naam, "Oppas", "de oppas, nu eens een keer, dan drie keer per maand" },
            { Mollie.naam, "Afhalen", "webwinkels via een betaaldienst" } })
        m_lijkend.push_back(
            { QString::fromUtf8(naam), QString::fromUtf8(woord), QString::fromUtf8(wat) });
}

void Huishouden::VulContractenAan()
{
    for (size_t c = 0; c < m_contracten.size(); ++c) {
        HuishoudContract &contract = m_contracten[c];
        for (const Transactie &t : m_transacties) {
            if (t.contract != static_cast<int>(c))
                continue;
            if (contract.betalingen++ == 0) {
                contract.eerste = t.geboekt;
                contract.centen = t.centen;
            }
            contract.laatste = t.geboekt;
            if (!contract.wisselend && !contract.gewijzigd.isValid()
                && t.centen != contract.centen) {
                contract.gewijzigd = t.geboekt;
                contract.nieuweCenten = t.centen;
            }
        }
        if (m_stopt[c])
            contract.gestopt = contract.laatste;
    }
}

HuishoudJaar Huishouden::Maak()
{
    // The energy company's settlement in April asks more or gives back, and the instalment
    // follows.
    m_energieNa = Kans(0.5) ? -16800 : -13200;
    for (int maand = 1; maand <= 12; ++maand) {
        VasteLasten(maand);
        Inkomsten(maand);
    }
    Vakanties();
    // The babysitter: now once a month, now three times, at an hourly rate.
    for (int maand = 1; maand <= 12; ++maand) {
        const int keren = Tussen(0, 3);
        for (int keer = 0; keer < keren; ++keer) {
            const QDate dag = Op(maand, Tussen(1, 28));
            Overschrijving(dag, Oppas, QStringLiteral("Oppassen ") + Dag(dag), -750 * Tussen(2, 6),
                QStringLiteral("Oppas"));
        }
    }
    for (QDate dag(m_jaar, 1, 1); dag.year() == m_jaar; dag = dag.addDays(1)) {
        const bool weg = (dag.month() == 5 && dag.day() >= 29 && dag.day() <= 31)
            || (dag.month() == 8 && dag.day() >= 2 && dag.day() <= 16);
        if (!weg)
            Dagelijks(dag);
        // The gym every four weeks; cash at the market on Saturdays.
        if (dag.dayOfYear() % 28 == 6) {
            Contract(BasicFit, "Sport", Elke::VierWeken);
            Incasso(dag, BasicFit, QStringLiteral("Lidmaatschap %1").arg(Cijfers(8)), -2999,
                QStringLiteral("Sport"));
            m_contract = -1;
        }
        if (dag.dayOfWeek() == 6 && !weg && Kans(0.5))
            m_contant.push_back({ dag.toString(Qt::ISODate), QStringLiteral("Markt"), QString(),
                CentenTekst(Tussen(500, 2500)) });
    }
    std::stable_sort(m_transacties.begin(), m_transacties.end(),
        [](const Transactie &a, const Transactie &b) { return a.geboekt < b.geboekt; });
    VulContractenAan();
    Lijkend();

    HuishoudJaar jaar;
    jaar.contracten = m_contracten;
    jaar.lijkend = m_lijkend;
    // The fixed costs as the household entered them at the start of the year; it does not keep
    // them up when the bank's amounts change.
    const std::vector<std::pair<const char *, qint64>> vast { { "Huur", -104652 },
        { "Energie", -14500 }, { "Water", -2130 }, { "Zorgverzekering", -29840 },
        { "Internet", -6250 }, { "Netflix", -1399 }, { "Spotify", -1799 },
        { "Verzekeringen", -4820 }, { "Kinderopvang", -64210 } };
    for (const auto &[woord, centen] : vast)
        jaar.vasteLasten.Voeg(
            { QStringLiteral("-"), QString::fromUtf8(woord), QString(), CentenTekst(-centen) });

    // The months by hand: the fixed costs exported on the first, then what was typed, by date.
    std::array<std::vector<Item>, 12> getypt;
    for (int maand = 1; maand <= 12; ++maand) {
        for (const auto &[woord, centen] : vast)
            getypt[maand - 1].push_back({ Op(maand, 1).toString(Qt::ISODate),
                QString::fromUtf8(woord), QString(), CentenTekst(-centen) });
    }
    qint64 saldo = 250000;
    std::array<QByteArrayList, 12> regels;
    for (const Transactie &t : m_transacties) {
        if (t.geboekt.year() != m_jaar)
            continue;
        saldo += t.centen;
        const auto veld
            = [](const QString &tekst) { return '"' + tekst.toUtf8().replace('"', "\"\"") + '"'; };
        regels[t.geboekt.month() - 1].push_back(
            QByteArrayList { veld(t.geboekt.toString(QStringLiteral("yyyyMMdd"))), veld(t.naam),
                veld(EigenRekening), veld(t.tegenrekening), veld(t.code),
                veld(t.centen < 0 ? QStringLiteral("Af") : QStringLiteral("Bij")),
                veld(CentenTekst(std::abs(t.centen))), veld(t.mutatiesoort), veld(t.mededelingen),
                veld(CentenTekst(saldo)), veld(QString()) }
                .join(';'));
        HuishoudMaand &maand = jaar.maanden[t.geboekt.month() - 1];
        maand.woorden.push_back(t.woord);
        maand.inLijst.push_back(t.vast || (t.getypt && t.betaald.month() == t.geboekt.month()));
        maand.contracten.push_back(t.contract);
        if (t.getypt && !t.vast && t.betaald.year() == m_jaar)
            getypt[t.betaald.month() - 1].push_back({ t.betaald.toString(Qt::ISODate),
                Getypt(t.woord), t.centen >= 0 ? CentenTekst(t.centen) : QString(),
                t.centen < 0 ? CentenTekst(-t.centen) : QString() });
    }
    for (const Item &item : m_contant)
        getypt[QDate::fromString(item.datum, Qt::ISODate).month() - 1].push_back(item);

    for (int maand = 0; maand < 12; ++maand) {
        HuishoudMaand &uit = jaar.maanden[maand];
        // ING lists the newest transaction first.
        std::reverse(regels[maand].begin(), regels[maand].end());
        std::reverse(uit.woorden.begin(), uit.woorden.end());
        std::reverse(uit.inLijst.begin(), uit.inLijst.end());
        std::reverse(uit.contracten.begin(), uit.contracten.end());
        uit.afschrift = IngKop + "\r\n" + regels[maand].join("\r\n") + "\r\n";
        std::stable_sort(getypt[maand].begin(), getypt[maand].end(),
            [](const Item &a, const Item &b) { return a.datum < b.datum; });
        for (const Item &item : getypt[maand])
            uit.lijst.Voeg(item);
    }
    return jaar;
}

} // namespace

HuishoudJaar MaakHuishoudJaar(int jaar, quint32 zaad)
{
    return Huishouden(jaar, zaad).Maak();
}
