// The window "Bankafschrift inlezen": which transactions it offers chosen, and what adding them
// or cancelling does to the open list.
#include "bankimport/BankForm.h"

#include "DialoogBesturing.h"
#include "FakeHoofdVenster.h"
#include "ModelRows.h"
#include "TestProgramma.h"
#include "bank/Bankafschrift.h"
#include "common/Programma.h"

#include <QAbstractItemModelTester>
#include <QTest>
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
    afschrift.onleesbaar = { { 6, u"het bedrag \"12,5x\" is onleesbaar."_qs,
        u"\"20260306\";\"Kiosk\";\"12,5x\""_qs } };
    return afschrift;
}

const QStringList AlleRijen {
    u"2026-02-27 | Werkgever BV - Salaris februari | 2345,50 | "_qs,
    u"2026-03-02 | Albert Heijn - Boodschappen |  | 23,80"_qs,
    u"2026-03-02 | Albert Heijn - Boodschappen |  | 23,80"_qs,
    u"2026-03-05 | Eneco |  | 112,00"_qs,
    u"2026-04-01 | Woonstichting - Huur april |  | 825,00"_qs,
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
                const bool reden = cel.data(Qt::ToolTipRole).toString()
                    == u"Regel 6: het bedrag \"12,5x\" is onleesbaar."_qs;
                keuze
                    += reden && cel.data(Qt::CheckStateRole).toInt() == Qt::Unchecked ? u'r' : u'?';
            } else if (cel.data(Qt::ToolTipRole).toString() == u"Staat al in de lijst"_qs) {
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
    void Kies(int rij, bool gekozen)
    {
        QVERIFY(rijen().setData(
            rijen().index(rij, 0), gekozen ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole));
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
        QTest::newRow("maand") << u"Maart 2026"_qs << QList<Item>() << u"ovvvro"_qs << maart;
        QTest::newRow("jaar eerst") << u"2026 Maart"_qs << QList<Item>() << u"ovvvro"_qs << maart;
        const QStringList alles { u"€ 2345,50"_qs, u"€ 984,60"_qs };
        QTest::newRow("andere naam") << u"Vakantie"_qs << QList<Item>() << u"vvvvrv"_qs << alles;
        QTest::newRow("geen maand") << u"2026 Lente"_qs << QList<Item>() << u"vvvvrv"_qs << alles;
        QTest::newRow("al in de lijst")
            << u"Maart 2026"_qs
            << QList<Item> { { u"2026-03-05"_qs, u"Eneco"_qs, QString(), u"112,00"_qs },
                   { u"2026-02-27"_qs, u"Werkgever BV - Salaris februari"_qs, u"2345,5"_qs,
                       QString() },
                   // Another amount or date is another transaction.
                   { u"2026-04-01"_qs, u"Woonstichting - Huur april"_qs, QString(), u"825,01"_qs } }
            << u"gvvgro"_qs << QStringList { u"€ 0,00"_qs, u"€ 47,60"_qs };
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

        QCOMPARE(ModelRows(rijen()).mid(0, 4) + ModelRows(rijen()).mid(5), AlleRijen);
        QCOMPARE(Keuze(), keuze);
        QCOMPARE(Totalen(), totalen);
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
        Kies(0, true); // February's salary after all
        Kies(3, false);
        // An unreadable row cannot be chosen.
        QVERIFY(!rijen().setData(rijen().index(4, 0), Qt::Checked, Qt::CheckStateRole));

        if (hoe.endsWith(u"Knop"))
            Klik(form(), hoe);
        else
            QTest::keyClick(tabel(), hoe == u"Enter" ? Qt::Key_Return : Qt::Key_Escape);

        QVERIFY(!form().isVisible());
        QStringList lijst { u"2026-03-01 | Huur |  | 800,00"_qs };
        if (toegevoegd)
            lijst += AlleRijen.mid(0, 3);
        QCOMPARE(ModelRows(m->hoofd.items()), lijst);
        const QStringList na { u"Aantal Items : 4"_qs, u"Naam..... : "_qs,
            u"Saldo..... : € 1497,90"_qs, u"€ 2345,50"_qs, u"€ 847,60"_qs };
        QCOMPARE(m->hoofd.labels(), toegevoegd ? na : labels);
        QCOMPARE(m->hoofd.getoondeRij(), toegevoegd ? 3 : -1);
        QCOMPARE(waarden().Gewijzigd, toegevoegd);
    }
};

QTEST_MAIN(TstBankForm)
#include "tst_bankform.moc"
