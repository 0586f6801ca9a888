// The fixed-costs window as the user works it: adding and deleting fixed costs, and exporting them
// into the main window's list.
#include "fixedcosts/VasteLastenForm.h"

#include "DialoogBesturing.h"
#include "FakeHoofdVenster.h"
#include "LijstGroep.h"
#include "ModelRows.h"
#include "TestProgramma.h"
#include "common/Programma.h"

#include <QDir>
#include <QTest>
#include <QTreeView>

#include <memory>

namespace {

const QString Bestand = u"Vastelasten.vls"_qs;
const QByteArray HuurEnSalaris
    = Groep("-", "Huur", "", "650,00") + Groep("-", "Salaris", "2345,50", "");

MessageBoxes::Box GeldlogMelding(const QString &tekst)
{
    return { tekst, u"Geldlog"_qs, MessageBoxes::Icon::None, MessageBoxes::Buttons::Ok };
}

} // namespace

class TstVasteLastenForm : public QObject {
    Q_OBJECT

    struct Omgeving {
        TestProgramma test;
        FakeHoofdVenster hoofd { test.programma() };
        std::unique_ptr<VasteLastenForm> form;
    };
    std::unique_ptr<Omgeving> m;

    VasteLastenForm &form() { return *m->form; }
    void open()
    {
        m->form = std::make_unique<VasteLastenForm>(m->hoofd);
        m->form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m->form.get()));
    }
    ScriptedMessageBoxes &berichten() { return m->test.berichten(); }

    QComboBox *combo(const QString &naam) { return Kind<QComboBox>(form(), naam); }
    QLineEdit *tekstvak(const QString &naam) { return Kind<QLineEdit>(form(), naam); }
    QString label(const QString &naam) { return Kind<QLabel>(form(), naam)->text(); }
    QTreeView *tabel() { return Kind<QTreeView>(form(), u"ListView2"_qs); }
    QStringList rijen() { return ModelRows(*tabel()->model()); }
    QStringList totalen() { return { label(u"InLabel"_qs), label(u"OutLabel"_qs) }; }

    void vulIn(const QString &omschrijving, const QString &inkomsten, const QString &uitgaven)
    {
        combo(u"Combo4"_qs)->setCurrentText(omschrijving);
        tekstvak(u"Text2"_qs)->setText(inkomsten);
        tekstvak(u"Text3"_qs)->setText(uitgaven);
    }
    void voegToe(const QString &omschrijving, const QString &inkomsten, const QString &uitgaven)
    {
        vulIn(omschrijving, inkomsten, uitgaven);
        Klik(form(), u"Knop(0)"_qs);
    }
    void kiesRij(int rij)
    {
        const QRect cel = tabel()->visualRect(tabel()->model()->index(rij, 1));
        QTest::mouseClick(tabel()->viewport(), Qt::LeftButton, {}, cel.center());
    }
    void kiesDatum(const QString &jaar, const QString &maand, const QString &dag)
    {
        combo(u"Combo1"_qs)->setCurrentText(jaar);
        combo(u"Combo2"_qs)->setCurrentText(maand);
        combo(u"Combo3"_qs)->setCurrentText(dag);
    }
    void exporteer()
    {
        Klik(form(), u"SaveKnop"_qs);
        QVERIFY(!form().isVisible());
        QCOMPARE(form().result(), int(QDialog::Accepted));
    }
    QStringList maand() { return ModelRows(m->hoofd.items()); }

private Q_SLOTS:
    void init() { m = std::make_unique<Omgeving>(); }

    void cleanup()
    {
        if (m)
            berichten().verifyDone();
        m.reset();
    }

    void opentMetDeVasteLastenUitHetBestand()
    {
        m->test.schrijfData(Bestand, HuurEnSalaris + Groep("-", "Gas", "", "abc"));
        open();
        QCOMPARE(rijen(),
            (QStringList { u"- | Huur |  | 650,00"_qs, u"- | Salaris | 2345,50 | "_qs,
                u"- | Gas |  | abc"_qs }));
        QCOMPARE(totalen(), (QStringList { u"€ 2345,50"_qs, u"€ 650,00"_qs }));
        // The day starts at the first of the month, not at today.
        QCOMPARE(combo(u"Combo3"_qs)->currentText(), u"1"_qs);
    }

    void opentZonderBestandLeeg()
    {
        open();
        QCOMPARE(rijen(), QStringList());
        QCOMPARE(totalen(), (QStringList { u"€ 0,00"_qs, u"€ 0,00"_qs }));
    }

    void toevoegenSlaatHetBedragOpgemaaktOp_data()
    {
        QTest::addColumn<QString>("inkomsten");
        QTest::addColumn<QString>("uitgaven");
        QTest::addColumn<QString>("rij");
        QTest::addColumn<QStringList>("totaal");

        QTest::newRow("123.78") << u"123.78"_qs << QString() << u"- | Huur | 123,78 | "_qs
                                << QStringList { u"€ 123,78"_qs, u"€ 0,00"_qs };
        QTest::newRow("45") << u"45"_qs << QString() << u"- | Huur | 45,00 | "_qs
                            << QStringList { u"€ 45,00"_qs, u"€ 0,00"_qs };
        QTest::newRow(",5") << QString() << u",5"_qs << u"- | Huur |  | 0,50"_qs
                            << QStringList { u"€ 0,00"_qs, u"€ 0,50"_qs };
        QTest::newRow("1.234,56") << u"1.234,56"_qs << QString() << u"- | Huur | 1234,56 | "_qs
                                  << QStringList { u"€ 1234,56"_qs, u"€ 0,00"_qs };
        // A sum a single-precision total would get wrong in the cents.
        QTest::newRow("1234567.89")
            << QString() << u"1234567.89"_qs << u"- | Huur |  | 1234567,89"_qs
            << QStringList { u"€ 0,00"_qs, u"€ 1234567,89"_qs };
    }

    void toevoegenSlaatHetBedragOpgemaaktOp()
    {
        QFETCH(QString, inkomsten);
        QFETCH(QString, uitgaven);
        QFETCH(QString, rij);
        QFETCH(QStringList, totaal);
        open();

        voegToe(u"Huur"_qs, inkomsten, uitgaven);

        QCOMPARE(rijen(), QStringList { rij });
        QCOMPARE(totalen(), totaal);
        QCOMPARE(tekstvak(u"Text2"_qs)->text(), QString());
        QCOMPARE(tekstvak(u"Text3"_qs)->text(), QString());
        QCOMPARE(combo(u"Combo4"_qs)->currentText(), u"Huur"_qs);
    }

    void onvolledigeInvoerWordtGeweigerd_data()
    {
        QTest::addColumn<QString>("omschrijving");
        QTest::addColumn<QString>("inkomsten");
        QTest::addColumn<QString>("uitgaven");
        QTest::addColumn<QString>("melding");

        QTest::newRow("geen omschrijving")
            << u"   "_qs << u"1.5"_qs << QString() << u"Omschrijving invullen a.u.b."_qs;
        QTest::newRow("geen bedrag")
            << u"Huur"_qs << u" "_qs << u"  "_qs << u"Inkomsten of Uitgaven invullen a.u.b."_qs;
        QTest::newRow("twee bedragen") << u"Huur"_qs << u"1.5"_qs << u"2"_qs
                                       << u"Inkomsten of Uitgaven invullen, niet allebij..."_qs;
        QTest::newRow("geen getal")
            << u"Huur"_qs << u"€ 20"_qs << QString() << u"Het bedrag \"€ 20\" is geen getal."_qs;
    }

    void onvolledigeInvoerWordtGeweigerd()
    {
        QFETCH(QString, omschrijving);
        QFETCH(QString, inkomsten);
        QFETCH(QString, uitgaven);
        QFETCH(QString, melding);
        open();

        berichten().queue(MessageBoxes::Answer::Ok);
        voegToe(omschrijving, inkomsten, uitgaven);

        QCOMPARE(berichten().shown(), QList { GeldlogMelding(melding) });
        QCOMPARE(rijen(), QStringList());
        // The inputs keep what was typed, dots and all.
        QCOMPARE(tekstvak(u"Text2"_qs)->text(), inkomsten);
        QCOMPARE(tekstvak(u"Text3"_qs)->text(), uitgaven);
    }

    void verwijderenVraagtEerst_data()
    {
        QTest::addColumn<bool>("ja");
        QTest::addColumn<QStringList>("over");
        QTest::addColumn<QStringList>("totaal");

        QTest::newRow("Ja") << true << QStringList { u"- | Huur |  | 650,00"_qs }
                            << QStringList { u"€ 0,00"_qs, u"€ 650,00"_qs };
        QTest::newRow("Nee") << false
                             << QStringList { u"- | Huur |  | 650,00"_qs,
                                    u"- | Salaris | 2345,50 | "_qs }
                             << QStringList { u"€ 2345,50"_qs, u"€ 650,00"_qs };
    }

    void verwijderenVraagtEerst()
    {
        QFETCH(bool, ja);
        QFETCH(QStringList, over);
        QFETCH(QStringList, totaal);
        m->test.schrijfData(Bestand, HuurEnSalaris);
        open();

        kiesRij(1);
        berichten().queue(ja ? MessageBoxes::Answer::Yes : MessageBoxes::Answer::No);
        Klik(form(), u"Knop(1)"_qs);

        const MessageBoxes::Box vraag { u"Wil je (Salaris) verwijderen uit de lijst?"_qs,
            u" Delete"_qs, MessageBoxes::Icon::None, MessageBoxes::Buttons::YesNo,
            MessageBoxes::DefaultButton::No };
        QCOMPARE(berichten().shown(), QList { vraag });
        QCOMPARE(rijen(), over);
        QCOMPARE(totalen(), totaal);
    }

    void verwijderenZonderGekozenRijDoetNiets()
    {
        open();
        Klik(form(), u"Knop(1)"_qs);
        voegToe(u"Huur"_qs, QString(), u"650"_qs);
        tabel()->clearSelection();
        Klik(form(), u"Knop(1)"_qs);

        QCOMPARE(berichten().shown(), {});
        QCOMPARE(rijen(), QStringList { u"- | Huur |  | 650,00"_qs });
    }

    void exportDateertElkeRij_data()
    {
        QTest::addColumn<QString>("dag");
        QTest::addColumn<QString>("datum"); // empty when the day is refused

        QTest::newRow("dag 30") << u"30"_qs << u"2026-04-30"_qs;
        QTest::newRow("dag 31 in april") << u"31"_qs << QString();
    }

    void exportDateertElkeRij()
    {
        QFETCH(QString, dag);
        QFETCH(QString, datum);
        m->test.schrijfData(Bestand, HuurEnSalaris);
        m->hoofd.items().VoegToe(Item { u"2026-03-05"_qs, u"Brood"_qs, QString(), u"2,50"_qs });
        open();
        voegToe(u"Gas"_qs, QString(), u"80"_qs);
        kiesDatum(u"2026"_qs, u"April"_qs, dag);

        if (datum.isEmpty()) {
            berichten().queue(MessageBoxes::Answer::Ok);
            Klik(form(), u"SaveKnop"_qs);
            const QString melding = u"Dag %1 bestaat niet in april 2026."_qs.arg(dag);
            QCOMPARE(berichten().shown(), QList { GeldlogMelding(melding) });
            // Nothing exported or written, and the window keeps the row added.
            QVERIFY(form().isVisible());
            QCOMPARE(maand(), QStringList { u"2026-03-05 | Brood |  | 2,50"_qs });
            QCOMPARE(m->test.leesData(Bestand), HuurEnSalaris);
            QCOMPARE(rijen().size(), 3);
            return;
        }
        exporteer();

        // After the rows that were there, unchanged.
        QCOMPARE(maand(),
            (QStringList { u"2026-03-05 | Brood |  | 2,50"_qs, datum + u" | Huur |  | 650,00"_qs,
                datum + u" | Salaris | 2345,50 | "_qs, datum + u" | Gas |  | 80,00"_qs }));
    }

    void exportWerktHetHoofdvensterBij()
    {
        m->test.schrijfData(Bestand, HuurEnSalaris);
        m->hoofd.items().VoegToe(Item { u"2026-12-05"_qs, u"Brood"_qs, QString(), u"2,50"_qs });

        for (int keer = 0; keer < 2; ++keer) {
            open();
            exporteer();
        }

        // Exported twice, the fixed costs are there twice.
        QCOMPARE(maand().size(), 5);
        QCOMPARE(maand().last(), u"2026-12-01 | Salaris | 2345,50 | "_qs);
        QCOMPARE(m->hoofd.labels(),
            (QStringList { u"Aantal Items : 5"_qs, u"Naam..... : "_qs, u"Saldo..... : € 3388,50"_qs,
                u"€ 4691,00"_qs, u"€ 1302,50"_qs }));
        QVERIFY(m->test.programma().Waarden().Gewijzigd);
        QCOMPARE(m->test.leesData(Bestand), HuurEnSalaris);
    }

    void exportVanLegeTabelSchrijftLeegBestand()
    {
        m->test.schrijfData(Bestand, Groep("-", "Huur", "", "650,00"));
        m->hoofd.items().VoegToe(Item { u"2026-12-05"_qs, u"Brood"_qs, QString(), u"2,50"_qs });
        const QStringList labels = m->hoofd.labels();
        open();

        kiesRij(0);
        berichten().queue(MessageBoxes::Answer::Yes);
        Klik(form(), u"Knop(1)"_qs);
        exporteer();

        QVERIFY(QFile::exists(m->test.dataMap() + Bestand));
        QCOMPARE(m->test.leesData(Bestand), QByteArray());
        QCOMPARE(maand(), QStringList { u"2026-12-05 | Brood |  | 2,50"_qs });
        QCOMPARE(m->hoofd.labels(), labels);
        QVERIFY(!m->test.programma().Waarden().Gewijzigd);
        open();
        QCOMPARE(rijen(), QStringList());
    }

    void annulerenOfSluitenVergeetDeWijzigingen_data()
    {
        QTest::addColumn<bool>("annuleren");
        QTest::newRow("Annuleren") << true;
        QTest::newRow("sluitknop van het venster") << false;
    }

    void annulerenOfSluitenVergeetDeWijzigingen()
    {
        QFETCH(bool, annuleren);
        m->test.schrijfData(Bestand, HuurEnSalaris);
        open();
        voegToe(u"Gas"_qs, QString(), u"80"_qs);
        kiesRij(0);
        berichten().queue(MessageBoxes::Answer::Yes);
        Klik(form(), u"Knop(1)"_qs);

        if (annuleren)
            Klik(form(), u"CancelKnop"_qs);
        else
            form().close();

        QVERIFY(!form().isVisible());
        QCOMPARE(m->test.leesData(Bestand), HuurEnSalaris);
        QCOMPARE(maand(), QStringList());
        QVERIFY(!m->test.programma().Waarden().Gewijzigd);
        open();
        QCOMPARE(rijen().size(), 2);
    }

    // Nothing goes to the month; the window stays open with the table as edited, Escape
    // included, and a second Export once the file can be written does it all.
    void mislukteSchrijfpogingWordtGemeld()
    {
        m->test.schrijfData(Bestand, HuurEnSalaris);
        open();
        voegToe(u"Gas"_qs, QString(), u"80"_qs);
        // The Data folder disappears while the window is open.
        QVERIFY(QDir(m->test.dataMap()).removeRecursively());

        berichten().queue(MessageBoxes::Answer::Ok);
        Klik(form(), u"SaveKnop"_qs);
        QTest::keyClick(tabel(), Qt::Key_Escape);

        const MessageBoxes::Box melding {
            u"De vaste lasten zijn niet opgeslagen.\nDe map %1 bestaat niet."_qs.arg(
                QDir::toNativeSeparators(QDir::cleanPath(m->test.dataMap()))),
            u"Error"_qs, MessageBoxes::Icon::Critical, MessageBoxes::Buttons::Ok
        };
        QCOMPARE(berichten().shown(), QList { melding });
        QVERIFY(form().isVisible());
        QCOMPARE(rijen().size(), 3);
        QCOMPARE(maand(), QStringList());
        QVERIFY(!m->test.programma().Waarden().Gewijzigd);

        QVERIFY(QDir(m->test.map()).mkpath(u"Data"_qs));
        exporteer();
        QCOMPARE(maand().size(), 3);
        QCOMPARE(m->test.leesData(Bestand), HuurEnSalaris + Groep("-", "Gas", "", "80,00"));
    }
};

QTEST_MAIN(TstVasteLastenForm)
#include "tst_vastelastenform.moc"
