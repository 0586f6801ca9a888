// The window "Bankafschrift inlezen": which transactions it offers chosen, and what adding them
// or cancelling does to the open list.
#include "bankimport/BankForm.h"

#include "DialoogBesturing.h"
#include "FakeHoofdVenster.h"
#include "ModelRows.h"
#include "SchijfVol.h"
#include "TestProgramma.h"
#include "bank/Bankafschrift.h"
#include "common/Programma.h"
#include "matching/GeleerdBestand.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHelpEvent>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>
#include <QTreeView>

#include <memory>

namespace {

BankPost Post(
    int regel, QDate datum, const QString &naam, const QString &omschrijving, qint64 centen)
{
    return { datum, naam, omschrijving, centen, QString(), regel };
}

// A statement of the turn of February into April, with a transaction twice and a row that could
// not be read among them.
Bankafschrift Afschrift()
{
    Bankafschrift afschrift;
    afschrift.bank = u"ING"_qs;
    afschrift.soort = u"CSV"_qs;
    afschrift.rekeningen = { u"NL20INGB0001234567"_qs };
    afschrift.posten = {
        Post(2, QDate(2026, 2, 27), u"Werkgever BV"_qs, u"Salaris februari"_qs, 234550),
        Post(3, QDate(2026, 3, 2), u"Albert Heijn"_qs, u"Boodschappen"_qs, -2380),
        Post(4, QDate(2026, 3, 2), u"Albert Heijn"_qs, u"Boodschappen"_qs, -2380),
        Post(5, QDate(2026, 3, 5), u"Eneco"_qs, QString(), -11200),
        Post(7, QDate(2026, 4, 1), u"Woonstichting"_qs, u"Huur april"_qs, -82500),
    };
    afschrift.onleesbaar = { { 6, u"het bedrag \"<b>12,5x</b>\" is onleesbaar."_qs,
        u"\"20260306\";\"Kiosk\";\"<b>12,5x</b>\""_qs } };
    return afschrift;
}

const QByteArray AlbertHeijnTweeKeer = "Geldlog geleerde omschrijvingen 1\r\n"
                                       "Boodschappen\t\tAlbert Heijn\t\r\n"
                                       "  2026-02-02 -20,00\r\n  2026-02-09 -90,00\r\n";

const QString Onleesbaar = u"Regel 6: het bedrag \"<b>12,5x</b>\" is onleesbaar."_qs;

// Under the bank's texts, as nothing was learned: the column "Bank" stays empty.
const QStringList AlleRijen {
    u"2026-02-27 | Werkgever BV - Salaris februari |  | 2345,50 | "_qs,
    u"2026-03-02 | Albert Heijn - Boodschappen |  |  | 23,80"_qs,
    u"2026-03-02 | Albert Heijn - Boodschappen |  |  | 23,80"_qs,
    u"2026-03-05 | Eneco |  |  | 112,00"_qs,
    u"2026-04-01 | Woonstichting - Huur april |  |  | 825,00"_qs,
};

} // namespace

class TstBankForm : public QObject {
    Q_OBJECT

    struct Omgeving {
        TestProgramma test;
        FakeHoofdVenster hoofd { test.programma() };
        std::unique_ptr<BankForm> form;
    };
    std::unique_ptr<Omgeving> m;

    BankForm &form() { return *m->form; }
    ProgrammaWaarden &waarden() { return m->test.programma().Waarden(); }
    void open(const QString &lijstNaam, const QList<Item> &lijst = {})
    {
        waarden().LijstNaam = lijstNaam;
        for (const Item &item : lijst)
            m->hoofd.items().VoegToe(item);
        m->form = std::make_unique<BankForm>(m->hoofd, Afschrift());
        m->form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m->form.get()));
    }
    QTreeView *tabel() { return Kind<QTreeView>(form(), u"PostenTabel"_qs); }
    QAbstractItemModel &rijen() { return *tabel()->model(); }

    // Per row as the user sees it: v chosen, o not chosen, g grey (in the list already; G when
    // chosen all the same), r red (unreadable, with its reason, no check box to set).
    QString Keuze()
    {
        QString keuze;
        for (int rij = 0; rij < rijen().rowCount(); ++rij) {
            const QModelIndex cel = rijen().index(rij, 0);
            if (!(rijen().flags(cel) & Qt::ItemIsUserCheckable)) {
                const bool reden = cel.data(Qt::ToolTipRole).toString() == Onleesbaar;
                keuze
                    += reden && cel.data(Qt::CheckStateRole).toInt() == Qt::Unchecked ? u'r' : u'?';
            } else if (cel.data(Qt::ToolTipRole)
                           .toString()
                           .startsWith(u"Staat al in de lijst"_qs)) {
                keuze += cel.data(Qt::CheckStateRole).toInt() == Qt::Checked ? u'G' : u'g';
            } else {
                keuze += cel.data(Qt::CheckStateRole).toInt() == Qt::Checked ? u'v' : u'o';
            }
        }
        return keuze;
    }
    QStringList Totalen()
    {
        return { Kind<QLabel>(form(), u"InkomstenLabel"_qs)->text(),
            Kind<QLabel>(form(), u"UitgavenLabel"_qs)->text() };
    }

private Q_SLOTS:
    void init() { m = std::make_unique<Omgeving>(); }

    void cleanup()
    {
        if (m)
            m->test.berichten().verifyDone();
        m.reset();
    }

    void kiestBijHetOpenenDeNieuwePosten_data()
    {
        QTest::addColumn<QString>("lijstNaam");
        QTest::addColumn<QList<Item>>("lijst");
        QTest::addColumn<QString>("keuze");
        QTest::addColumn<QStringList>("totalen");

        const QStringList maart { u"€ 0,00"_qs, u"€ 159,60"_qs };
        QTest::newRow("maand") << u"Maart 2026"_qs << QList<Item>() << u"ovvvor"_qs << maart;
        QTest::newRow("jaar eerst") << u"2026 Maart"_qs << QList<Item>() << u"ovvvor"_qs << maart;
        const QStringList alles { u"€ 2345,50"_qs, u"€ 984,60"_qs };
        QTest::newRow("andere naam") << u"Vakantie"_qs << QList<Item>() << u"vvvvvr"_qs << alles;
        QTest::newRow("geen maand") << u"2026 Lente"_qs << QList<Item>() << u"vvvvvr"_qs << alles;
        const QStringList niets { u"€ 0,00"_qs, u"€ 0,00"_qs };
        QTest::newRow("december") << u"December 2026"_qs << QList<Item>() << u"ooooor"_qs << niets;
        QTest::newRow("al in de lijst")
            << u"Maart 2026"_qs
            << QList<Item> { { u"2026-03-05"_qs, u"Eneco"_qs, QString(), u"112,00"_qs },
                   { u"2026-02-27"_qs, u"Werkgever BV - Salaris februari"_qs, u"2345,5"_qs,
                       QString() },
                   // Another amount or date is another transaction.
                   { u"2026-04-01"_qs, u"Woonstichting - Huur april"_qs, QString(), u"825,01"_qs } }
            << u"gvvgor"_qs << QStringList { u"€ 0,00"_qs, u"€ 47,60"_qs };
    }

    void kiestBijHetOpenenDeNieuwePosten()
    {
        QFETCH(QString, lijstNaam);
        QFETCH(QList<Item>, lijst);
        QFETCH(QString, keuze);
        QFETCH(QStringList, totalen);
        open(lijstNaam, lijst);
        QAbstractItemModelTester tester(
            &rijen(), QAbstractItemModelTester::FailureReportingMode::QtTest);

        QCOMPARE(ModelRows(rijen()).mid(0, 5), AlleRijen);
        QCOMPARE(Keuze(), keuze);
        QCOMPARE(Totalen(), totalen);
    }

    // A statement of many own accounts names the first few.
    void noemtDeEersteRekeningen()
    {
        Bankafschrift afschrift = Afschrift();
        afschrift.rekeningen += { u"NL1"_qs, u"NL2"_qs, u"NL3"_qs, u"NL4"_qs };
        const BankForm form(m->hoofd, afschrift);
        QCOMPARE(Kind<QLabel>(form, u"RekeningLabel"_qs)->text(),
            u"ING, NL20INGB0001234567, NL1, NL2 en 2 andere, 27 februari – 1 april 2026"_qs);
    }

    // Toevoegen and Enter put exactly the chosen rows after the list's own; Annuleren and
    // Escape leave the list as it was.
    void sluiten_data()
    {
        QTest::addColumn<QString>("hoe");
        QTest::addColumn<bool>("toegevoegd");
        QTest::newRow("Toevoegen") << u"ToevoegenKnop"_qs << true;
        QTest::newRow("Enter") << u"Enter"_qs << true;
        QTest::newRow("Annuleren") << u"AnnulerenKnop"_qs << false;
        QTest::newRow("Escape") << u"Escape"_qs << false;
    }

    void sluiten()
    {
        QFETCH(QString, hoe);
        QFETCH(bool, toegevoegd);
        open(u"Maart 2026"_qs, { { u"2026-03-01"_qs, u"Huur"_qs, QString(), u"800,00"_qs } });
        const QStringList labels = m->hoofd.labels();
        // February's salary after all, Eneco not: Space toggles the current row from any cell.
        for (const int rij : { 0, 3 }) {
            tabel()->setCurrentIndex(rijen().index(rij, 1));
            QTest::keyClick(tabel(), Qt::Key_Space);
        }
        // An unreadable row cannot be chosen.
        QVERIFY(!rijen().setData(rijen().index(5, 0), Qt::Checked, Qt::CheckStateRole));

        if (hoe.endsWith(u"Knop"))
            Klik(form(), hoe);
        else
            QTest::keyClick(tabel(), hoe == u"Enter" ? Qt::Key_Return : Qt::Key_Escape);

        QVERIFY(!form().isVisible());
        QStringList lijst { u"2026-03-01 | Huur |  | 800,00"_qs };
        if (toegevoegd) {
            lijst += { u"2026-02-27 | Werkgever BV - Salaris februari | 2345,50 | "_qs,
                u"2026-03-02 | Albert Heijn - Boodschappen |  | 23,80"_qs,
                u"2026-03-02 | Albert Heijn - Boodschappen |  | 23,80"_qs };
        }
        QCOMPARE(ModelRows(m->hoofd.items()), lijst);
        const QStringList na { u"Aantal Items : 4"_qs, u"Naam..... : "_qs,
            u"Saldo..... : € 1497,90"_qs, u"€ 2345,50"_qs, u"€ 847,60"_qs };
        QCOMPARE(m->hoofd.labels(), toegevoegd ? na : labels);
        QCOMPARE(m->hoofd.getoondeRij(), toegevoegd ? 3 : -1);
        QCOMPARE(waarden().Gewijzigd, toegevoegd);
    }

    // Started with the file, no list named: the saved list of the month most rows fall in is
    // opened first and the rows checked against it; without one, a new list of that month,
    // named as the household names its months, takes them. A table with unsaved rows that may
    // not make way keeps them. A row that another saved list holds (Vakantie holds the same
    // entries) stands grey as well, with that list in its tooltip.
    void voegtToeAanDeMaandVanDeMeestePosten_data()
    {
        QTest::addColumn<QString>("maandLijst");
        QTest::addColumn<bool>("onopgeslagen");
        QTest::addColumn<QString>("gekozenLijst");
        QTest::addColumn<QString>("keuze");
        QTest::addColumn<QString>("lijstNaam");
        QTest::addColumn<int>("aantal");
        QTest::newRow("opgeslagen") << u"maart 2026"_qs << false << u"maart 2026"_qs << u"ogggor"_qs
                                    << u"maart 2026"_qs << 2;
        QTest::newRow("nieuw") << u"2025 Maart"_qs << false << u"Nieuwe lijst \"2026 Maart\""_qs
                               << u"ogggor"_qs << u"2026 Maart"_qs << 0;
        QTest::newRow("nieuw, als de andere maanden")
            << u"FEBRUARI 2026"_qs << false << u"Nieuwe lijst \"MAART 2026\""_qs << u"ogggor"_qs
            << u"MAART 2026"_qs << 0;
        QTest::newRow("niet vervangen")
            << u"maart 2026"_qs << true << QString() << u"vgggvr"_qs << QString() << 3;
    }

    void voegtToeAanDeMaandVanDeMeestePosten()
    {
        QFETCH(QString, maandLijst);
        QFETCH(bool, onopgeslagen);
        QFETCH(QString, gekozenLijst);
        QFETCH(QString, keuze);
        QFETCH(QString, lijstNaam);
        QFETCH(int, aantal);
        const QByteArray maart = "2026-03-02\r\nAlbert Heijn - Boodschappen\r\n\r\n23,80\r\n"
                                 "----------------------------\r\n2026-03-05\r\nEneco\r\n\r\n"
                                 "112,00\r\n----------------------------\r\n";
        m->test.schrijfData(maandLijst + u".lst"_qs, maart);
        m->test.schrijfData(u"Vakantie.lst"_qs, maart);
        waarden().Gewijzigd = onopgeslagen;
        if (onopgeslagen)
            m->test.berichten().queue(MessageBoxes::Answer::No);
        open(QString(),
            onopgeslagen ? QList<Item> { { u"2026-03-01"_qs, u"Huur"_qs, QString(), u"800,00"_qs } }
                         : QList<Item>());

        QCOMPARE(Kind<QComboBox>(form(), u"ToevoegenAan"_qs)->currentText(), gekozenLijst);
        QCOMPARE(Keuze(), keuze);
        QCOMPARE(rijen().index(2, 0).data(Qt::ToolTipRole).toString(),
            u"Staat al in de lijst \"Vakantie\" als \"Albert Heijn - Boodschappen\" (2 maart)"_qs);
        Klik(form(), u"ToevoegenKnop"_qs);
        QCOMPARE(waarden().LijstNaam, lijstNaam);
        QCOMPARE(m->hoofd.items().Aantal(), aantal);
        // Saving asks nothing: the list opened is its own file, a new one has none.
        QCOMPARE(waarden().EigenLijst, gekozenLijst == lijstNaam ? lijstNaam : QString());
    }

    // Toevoegen keeps what the rows taught, or says why not; a damaged learning file is told of
    // once, and learning starts afresh.
    void leertVanDeRijen_data()
    {
        QTest::addColumn<QByteArray>("bestand");
        QTest::addColumn<bool>("schijfVol");
        QTest::addColumn<QString>("bericht");
        QTest::addColumn<QStringList>("woorden"); // learned afterwards
        QTest::newRow("schijf vol")
            << AlbertHeijnTweeKeer << true
            << u"Kan %pad niet schrijven: het bestand wordt te groot voor deze schijf.\n\nDe "
               "posten zijn toegevoegd; wat Geldlog ervan leerde, is niet bewaard."_qs
            << QStringList { u"Boodschappen"_qs };
        QTest::newRow("beschadigd")
            << QByteArray("Huur\r\n") << false
            << u"De geleerde omschrijvingen in %pad zijn niet te lezen: het is geen bestand met "
               "geleerde omschrijvingen. Geldlog begint opnieuw met leren. Het oude bestand is "
               "bewaard als \"Geleerde omschrijvingen (beschadigd).txt\"."_qs
            << QStringList { u"Energie"_qs };
    }

    void leertVanDeRijen()
    {
        QFETCH(QByteArray, bestand);
        QFETCH(bool, schijfVol);
        QFETCH(QString, bericht);
        QFETCH(QStringList, woorden);
        Programma &programma = m->test.programma();
        m->test.schrijfData(u"Geleerde omschrijvingen.txt"_qs, bestand);
        m->test.berichten().queue(MessageBoxes::Answer::Ok);
        open(u"Maart 2026"_qs, { { u"2026-03-03"_qs, u"Energie"_qs, QString(), u"112,00"_qs } });
        // Room for less than the file learned before.
        const auto vol = schijfVol ? std::make_unique<SchijfVol>(100) : nullptr;
        Klik(form(), u"ToevoegenKnop"_qs);
        QCOMPARE(m->test.berichten().shown().value(0).text,
            QString(bericht).replace(u"%pad"_qs, QDir::toNativeSeparators(GeleerdPad(programma))));
        QCOMPARE(
            GeleerdBestand(programma, GeleerdBestand::Gebruik::AlleenLezen).Inhoud().EigenWoorden(),
            woorden);
    }

    // One word whatever its capitals: offered once, as the household wrote it most; the box keeps
    // the spelling typed, and the learning takes it as the same word. Another word typed over the
    // proposal is kept as a correction.
    void eenWoordWatDeHoofdlettersOokZijn_data()
    {
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<QStringList>("geleerd");
        QTest::newRow("hoofdletters") << u"huur"_qs << QStringList { u"huur"_qs };
        QTest::newRow("verbeterd")
            << u"Woonlasten"_qs << QStringList { u"Huur"_qs, u"Woonlasten"_qs };
    }

    void eenWoordWatDeHoofdlettersOokZijn()
    {
        QFETCH(QString, getypt);
        QFETCH(QStringList, geleerd);
        m->test.schrijfData(u"Geleerde omschrijvingen.txt"_qs,
            "Geldlog geleerde omschrijvingen 2\r\nHuur\t\tWoonstichting\tHuur\r\n"
            "  2026-01-01 -825,00\r\n  2026-02-01 -825,00\r\nhuur\t\tWoonstichting\tHuur\r\n"
            "  2026-03-01 -825,00\r\n");
        open(u"April 2026"_qs);
        const QModelIndex huur = rijen().index(4, 1);
        QCOMPARE(huur.data().toString(), u"Huur"_qs);
        tabel()->edit(huur);
        auto *keuze = Kind<QComboBox>(*tabel(), u"WoordKeuze"_qs);
        QStringList woorden;
        for (int i = 0; i < keuze->count(); ++i)
            woorden.append(keuze->itemText(i));
        QCOMPARE(woorden, QStringList { u"Huur"_qs });
        keuze->setEditText(getypt);
        QTest::keyClick(keuze->lineEdit(), Qt::Key_Return);
        QCOMPARE(huur.data().toString(), getypt);
        Klik(form(), u"ToevoegenKnop"_qs);
        QCOMPARE(m->hoofd.items().Rij(0).omschrijving, getypt);
        QCOMPARE(GeleerdBestand(m->test.programma(), GeleerdBestand::Gebruik::AlleenLezen)
                     .Inhoud()
                     .EigenWoorden(),
            geleerd);
        QCOMPARE(m->test.leesData(u"Geleerde omschrijvingen.txt"_qs).contains("\tverbeterd\r\n"),
            geleerd.size() > 1);
    }

    // A cell too narrow for its text shows the whole text under the row's note, as written: why
    // the household's word is proposed beside the bank's text, or why a row is grey.
    void tipToontDeHeleTekst_data()
    {
        QTest::addColumn<int>("rij");
        QTest::addColumn<int>("kolom");
        QTest::addColumn<int>("breedte");
        QTest::addColumn<QString>("tip");
        QTest::newRow("past") << 0 << 1 << 400 << QString();
        QTest::newRow("afgekapt") << 0 << 1 << 60 << u"Werkgever BV - Salaris februari"_qs;
        QTest::newRow("onleesbaar, afgekapt")
            << 5 << 1 << 60 << Onleesbaar + u"\n\"20260306\";\"Kiosk\";\"<b>12,5x</b>\""_qs;
        QTest::newRow("voorgesteld, de bank afgekapt")
            << 1 << 2 << 60
            << u"Zo genoemd bij 2 eerdere betalingen aan Albert Heijn (laatst 9 februari)\n"
               "Albert Heijn - Boodschappen"_qs;
        QTest::newRow("al in de lijst")
            << 3 << 1 << 400 << u"Staat al in de lijst als \"Energie\" (3 maart)"_qs;
    }

    void tipToontDeHeleTekst()
    {
        QFETCH(int, rij);
        QFETCH(int, kolom);
        QFETCH(int, breedte);
        QFETCH(QString, tip);
        m->test.schrijfData(u"Geleerde omschrijvingen.txt"_qs, AlbertHeijnTweeKeer);
        open(u"Maart 2026"_qs, { { u"2026-03-03"_qs, u"Energie"_qs, QString(), u"112,00"_qs } });
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        tabel()->setColumnWidth(kolom, breedte);
        const QPoint waar = tabel()->visualRect(rijen().index(rij, kolom)).center();
        QHelpEvent vraag(QEvent::ToolTip, waar, tabel()->viewport()->mapToGlobal(waar));
        QApplication::sendEvent(tabel()->viewport(), &vraag);

        // What the user reads: Qt shows a tooltip that looks like markup as rich text.
        const QString tekst = QToolTip::isVisible() ? QToolTip::text() : QString();
        QTextDocument getoond;
        Qt::mightBeRichText(tekst) ? getoond.setHtml(tekst) : getoond.setPlainText(tekst);
        QCOMPARE(getoond.toPlainText(), tip);
    }
};

QTEST_MAIN(TstBankForm)
#include "tst_bankform.moc"
