// The settings window as the user works it: the descriptions read, added, deleted and written
// by OK after its strip, a write that fails, closing at any moment, and the colour previewed on
// the main window but stored only by OK or Reset.
#include "DialoogBesturing.h"
#include "FakeHoofdVenster.h"
#include "SchijfVol.h"
#include "TestProgramma.h"
#include "common/Opmaak.h"
#include "settings/EditForm.h"

#include <QDir>
#include <QGuiApplication>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <memory>

namespace {

using Kleur = std::array<int, 3>;

bool Zandloper()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

QString Tekst(const Kleur &k)
{
    return KleurTekst(QColor(k[0], k[1], k[2]));
}

QListWidget *Lijst(const EditForm &form)
{
    return Kind<QListWidget>(form, QStringLiteral("List1"));
}

QStringList Items(const EditForm &form)
{
    QStringList items;
    for (int rij = 0; rij < Lijst(form)->count(); ++rij)
        items << Lijst(form)->item(rij)->text();
    return items;
}

QLineEdit *Text1(const EditForm &form)
{
    return Kind<QLineEdit>(form, QStringLiteral("Text1"));
}

QScrollBar *Balk(const EditForm &form, int index)
{
    return Kind<QScrollBar>(form, ArrayNaam("HScroll1", index));
}

// Typed or pasted: QTest types no characters beyond ASCII and pastes nothing.
void VoegToe(const EditForm &form, const QString &tekst)
{
    Text1(form)->setText(tekst);
    Klik(form, QStringLiteral("AddKnop"));
}

// A click on the item, as List1_Click comes.
void Kies(const EditForm &form, const QString &tekst)
{
    QListWidget *lijst = Lijst(form);
    QListWidgetItem *item = lijst->findItems(tekst, Qt::MatchExactly).value(0);
    QVERIFY(item);
    QTest::mouseClick(lijst->viewport(), Qt::LeftButton, {}, lijst->visualItemRect(item).center());
}

MessageBoxes::Box Vraag(const QString &omschrijving)
{
    return { QStringLiteral("Wil je de omschrijving (%1) verwijderen?").arg(omschrijving),
        QStringLiteral("Delete"), MessageBoxes::Icon::None, MessageBoxes::Buttons::YesNo,
        MessageBoxes::DefaultButton::No };
}

const QByteArray Drie("Huur\r\nAuto\r\nZorg\r\n");

} // namespace

class TstEditForm : public QObject {
    Q_OBJECT

    struct Omgeving {
        TestProgramma test;
        FakeHoofdVenster hoofd { test.programma() };
    };
    std::unique_ptr<Omgeving> m;

    ScriptedMessageBoxes &berichten() { return m->test.berichten(); }
    FakeClock &klok() { return m->test.klok(); }
    ProgrammaWaarden &waarden() { return m->test.programma().Waarden(); }
    QString bewaard()
    {
        return Tekst({ waarden().KleurRood, waarden().KleurGroen, waarden().KleurBlauw });
    }
    QString getoond() const { return KleurTekst(m->hoofd.achtergrond()); }
    QByteArray bestand() const { return m->test.leesData(QStringLiteral("Omschrijving.txt")); }

    std::unique_ptr<EditForm> open(const QByteArray &inhoud = Drie)
    {
        if (!inhoud.isNull())
            m->test.schrijfData(QStringLiteral("Omschrijving.txt"), inhoud);
        auto form = std::make_unique<EditForm>(m->hoofd);
        form->show();
        return form;
    }

    // After OK, Cancel or a failure nothing may have been stored.
    void nietsBewaard(const QByteArray &oud, const QString &kleur)
    {
        QCOMPARE(bestand(), oud);
        QCOMPARE(m->hoofd.herladen(), 0);
        QCOMPARE(bewaard(), kleur);
    }

private Q_SLOTS:
    void init() { m = std::make_unique<Omgeving>(); }

    void cleanup()
    {
        berichten().verifyDone();
        QVERIFY(!Zandloper());
        m.reset();
    }

    void leestDeOmschrijvingen_data()
    {
        QTest::addColumn<QByteArray>("inhoud");
        QTest::addColumn<QStringList>("items");
        QTest::newRow("geen bestand") << QByteArray() << QStringList();
        QTest::newRow("blanco regels weg, zonder hoofdletters gesorteerd")
            << QByteArray("zorg\r\n\r\n   \r\nAuto\r\nbrood  \r\nBenzine")
            << QStringList { u"Auto"_qs, u"Benzine"_qs, u"brood  "_qs, u"zorg"_qs };
        QTest::newRow("LF en CR") << QByteArray("Huur\nAuto\rGas\n")
                                  << QStringList { u"Auto"_qs, u"Gas"_qs, u"Huur"_qs };
    }

    void leestDeOmschrijvingen()
    {
        QFETCH(QByteArray, inhoud);
        QFETCH(QStringList, items);
        const auto form = open(inhoud);
        QCOMPARE(Items(*form), items);
        QCOMPARE(Kind<QLabel>(*form, QStringLiteral("Label2"))->text(),
            QStringLiteral("%1 Omschrijvingen").arg(items.size()));
        QVERIFY(!Kind<VistaButton>(*form, QStringLiteral("DeleteKnop"))->isEnabled());
    }

    // Added at its sorted place as typed, duplicates too; a pasted line break becomes a blank.
    void toevoegenEnOpslaan_data()
    {
        QTest::addColumn<QStringList>("getypt");
        QTest::addColumn<QByteArray>("geschreven");
        QTest::newRow("niets getypt")
            << QStringList { QString() } << QByteArray("Auto\r\nHuur\r\nZorg\r\n");
        QTest::newRow("twee keer hetzelfde") << QStringList { u"gas"_qs,
            u"gas"_qs } << QByteArray("Auto\r\ngas\r\ngas\r\nHuur\r\nZorg\r\n");
        QTest::newRow("spaties") << QStringList { u"Zorg "_qs }
                                 << QByteArray("Auto\r\nHuur\r\nZorg\r\nZorg \r\n");
        QTest::newRow("geplakte regels") << QStringList { u"Gas\r\nen\nLicht"_qs }
                                         << QByteArray("Auto\r\nGas  en Licht\r\nHuur\r\nZorg\r\n");
        QTest::newRow("Windows-1252") << QStringList { u"Café €"_qs, u"Łódź"_qs }
                                      << QByteArray("Auto\r\nCaf\xe9 \x80\r\nHuur\r\n?\xf3"
                                                    "d?\r\nZorg\r\n");
        // Two UTF-16 units, one "?": the file ends right after the last line.
        QTest::newRow("buiten de codetabel") << QStringList { u"Huis \U0001F3E0"_qs }
                                             << QByteArray("Auto\r\nHuis ?\r\nHuur\r\nZorg\r\n");
    }

    void toevoegenEnOpslaan()
    {
        QFETCH(QStringList, getypt);
        QFETCH(QByteArray, geschreven);
        const auto form = open();
        for (const QString &tekst : getypt)
            VoegToe(*form, tekst);
        QCOMPARE(Text1(*form)->text(), QString());
        Klik(*form, QStringLiteral("OkKnop"));

        QCOMPARE(bestand(), geschreven);
        QCOMPARE(form->result(), int(QDialog::Accepted));
        // The main window's input was filled again from the file as written.
        QStringList combo = LeesOmschrijvingBestand(m->test.programma());
        combo.prepend(QString());
        QStringList getoond = m->hoofd.omschrijvingen();
        std::sort(combo.begin(), combo.end());
        std::sort(getoond.begin(), getoond.end());
        QCOMPARE(getoond, combo);
    }

    void verwijderen()
    {
        const auto form = open();
        Kies(*form, QStringLiteral("Huur"));
        berichten().queue(MessageBoxes::Answer::No);
        Klik(*form, QStringLiteral("DeleteKnop"));
        QCOMPARE(Items(*form).size(), 3);
        berichten().queue(MessageBoxes::Answer::Yes);
        Klik(*form, QStringLiteral("DeleteKnop"));
        QCOMPARE(Items(*form), (QStringList { u"Auto"_qs, u"Zorg"_qs }));
        QVERIFY(Lijst(*form)->selectedItems().isEmpty());

        // Nothing is chosen now: the question names nothing and Yes is refused.
        berichten().queue(MessageBoxes::Answer::Yes);
        berichten().queue(MessageBoxes::Answer::Ok);
        Klik(*form, QStringLiteral("DeleteKnop"));
        const MessageBoxes::Box eerst { QStringLiteral("Eerst een omschrijving selecteren!"),
            QStringLiteral("Geldlog"), MessageBoxes::Icon::None, MessageBoxes::Buttons::Ok };
        QCOMPARE(berichten().shown(),
            (QList<MessageBoxes::Box> {
                Vraag(u"Huur"_qs), Vraag(u"Huur"_qs), Vraag(QString()), eerst }));
        QCOMPARE(Items(*form).size(), 2);
    }

    // The strip fills a column each 0.01 s under the hourglass, over Text1; the file is written
    // once it is full, and the main window filled after the last pause.
    void opslaanVerloop()
    {
        const auto form = open();
        auto *bar = Kind<QLabel>(*form, QStringLiteral("Bar"));
        QList<int> fout;
        klok().onWait([&](int wacht) {
            const bool geschreven = bestand() != Drie;
            if (!Zandloper() || !bar->isVisible() || Text1(*form)->isVisible()
                || geschreven != (wacht == 282) || m->hoofd.herladen() != 0)
                fout << wacht;
        });
        Klik(*form, QStringLiteral("OkKnop"));

        QCOMPARE(fout, QList<int>());
        QCOMPARE(klok().waitedMilliseconds(), 281 * 10 + 500);
        QCOMPARE(klok().waits(), 282);
        QCOMPARE(m->hoofd.herladen(), 1);
        QVERIFY(!form->isVisible());
        // Dark green at the left to yellow, 24 pixels high.
        const QImage streep = bar->pixmap().toImage();
        for (int x : { 0, 100, 215, 279 })
            QCOMPARE(streep.pixel(x, 23), qRgb(std::min(x + 40, 255), std::min(x + 100, 255), 0));
    }

    void schrijvenMislukt_data()
    {
        QTest::addColumn<bool>("schijfVol");
        QTest::addColumn<QString>("reden");
        QTest::newRow("geen Data map") << false << u"De map %1/Data bestaat niet."_qs;
        QTest::newRow("schijf vol")
            << true
            << u"Kan %1/Data/Omschrijving.txt niet schrijven: het bestand wordt te groot voor deze schijf."_qs;
    }

    // The old file, the stored colour and the main window stay; the window stays open with the
    // list as edited, and a second try may succeed.
    void schrijvenMislukt()
    {
        QFETCH(bool, schijfVol);
        QFETCH(QString, reden);
        const auto form = open(schijfVol ? Drie : QByteArray());
        if (!schijfVol)
            QVERIFY(QDir(m->test.dataMap()).removeRecursively());
        const QString kleur = bewaard();
        VoegToe(*form, QStringLiteral("Gas"));
        Balk(*form, 0)->setValue(12);

        berichten().queue(MessageBoxes::Answer::Ok);
        {
            const auto vol = schijfVol ? std::make_unique<SchijfVol>(Drie.size()) : nullptr;
            Klik(*form, QStringLiteral("OkKnop"));
        }
        const MessageBoxes::Box verwacht { u"De omschrijvingen zijn niet opgeslagen.\n"_qs
                + reden.arg(m->test.map()),
            QStringLiteral("Error"), MessageBoxes::Icon::Critical, MessageBoxes::Buttons::Ok };
        QCOMPARE(berichten().shown(), QList<MessageBoxes::Box> { verwacht });
        nietsBewaard(schijfVol ? Drie : QByteArray(), kleur);
        QVERIFY(form->isVisible() && Text1(*form)->isVisible());
        QVERIFY(!Kind<QLabel>(*form, QStringLiteral("Bar"))->isVisible());
        QCOMPARE(Items(*form).size(), schijfVol ? 4 : 1);
        QVERIFY(!Zandloper());
        berichten().verifyDone();

        QVERIFY(QDir(m->test.map()).mkpath(QStringLiteral("Data")));
        Klik(*form, QStringLiteral("OkKnop"));
        QCOMPARE(bestand(),
            schijfVol ? QByteArray("Auto\r\nGas\r\nHuur\r\nZorg\r\n") : QByteArray("Gas\r\n"));
        QCOMPARE(bewaard(), Tekst({ 12, 230, 180 }));
    }

    void annulerenBewaartNiets()
    {
        const auto form = open();
        VoegToe(*form, QStringLiteral("Gas"));
        Balk(*form, 0)->setValue(0);
        Klik(*form, QStringLiteral("CancelKnop"));
        QCOMPARE(form->result(), int(QDialog::Rejected));
        nietsBewaard(Drie, Tekst({ 230, 230, 180 }));
    }

    // Each step: "open", a button's name, or "rood=N", "groen=N", "blauw=N": a bar's thumb
    // dragged and held there.
    void kleur_data()
    {
        QTest::addColumn<Kleur>("eerst");
        QTest::addColumn<QStringList>("stappen");
        QTest::addColumn<Kleur>("bewaardNa");
        QTest::addColumn<Kleur>("getoondNa");
        const Kleur standaard { 230, 230, 180 };
        const Kleur eigen { 10, 20, 30 };
        QTest::newRow("slepen toont alleen")
            << standaard << QStringList { u"open"_qs, u"rood=0"_qs } << standaard
            << Kleur { 0, 230, 180 };
        QTest::newRow("annuleren zet de bewaarde kleur terug")
            << standaard << QStringList { u"open"_qs, u"rood=0"_qs, u"CancelKnop"_qs } << standaard
            << standaard;
        QTest::newRow("sluiten zet de bewaarde kleur terug")
            << eigen << QStringList { u"open"_qs, u"rood=0"_qs, u"sluiten"_qs } << eigen << eigen;
        // Escape does nothing here: the window stays open with its preview.
        QTest::newRow("Escape doet niets")
            << eigen << QStringList { u"open"_qs, u"rood=0"_qs, u"Escape"_qs } << eigen
            << Kleur { 0, 20, 30 };
        QTest::newRow("openen toont weer de bewaarde kleur")
            << standaard << QStringList { u"open"_qs, u"rood=0"_qs, u"CancelKnop"_qs, u"open"_qs }
            << standaard << standaard;
        QTest::newRow("reset, dan annuleren")
            << eigen
            << QStringList { u"open"_qs, u"groen=200"_qs, u"ResetKnop"_qs, u"CancelKnop"_qs }
            << standaard << standaard;
        QTest::newRow("reset, slepen, annuleren")
            << eigen << QStringList { u"open"_qs, u"ResetKnop"_qs, u"rood=5"_qs, u"CancelKnop"_qs }
            << standaard << standaard;
        QTest::newRow("opslaan zonder bewegen")
            << eigen << QStringList { u"open"_qs, u"OkKnop"_qs } << eigen << eigen;
        QTest::newRow("zwart opslaan")
            << eigen
            << QStringList { u"open"_qs, u"rood=0"_qs, u"groen=0"_qs, u"blauw=0"_qs, u"OkKnop"_qs }
            << Kleur { 0, 0, 0 } << Kleur { 0, 0, 0 };
    }

    void kleur()
    {
        QFETCH(Kleur, eerst);
        QFETCH(QStringList, stappen);
        QFETCH(Kleur, bewaardNa);
        QFETCH(Kleur, getoondNa);
        waarden().KleurRood = eerst[0];
        waarden().KleurGroen = eerst[1];
        waarden().KleurBlauw = eerst[2];
        const QStringList balken { u"rood"_qs, u"groen"_qs, u"blauw"_qs };
        std::unique_ptr<EditForm> form;
        for (const QString &stap : stappen) {
            if (stap == u"open") {
                form = open();
            } else if (stap == u"sluiten") {
                form->close();
            } else if (stap == u"Escape") {
                QTest::keyClick(Balk(*form, 0), Qt::Key_Escape);
            } else if (stap.contains(u'=')) {
                QScrollBar *balk = Balk(*form, balken.indexOf(stap.section(u'=', 0, 0)));
                balk->setSliderDown(true);
                balk->setSliderPosition(stap.section(u'=', 1).toInt());
            } else {
                Klik(*form, stap);
            }
        }
        QCOMPARE(bewaard(), Tekst(bewaardNa));
        QCOMPARE(getoond(), Tekst(getoondNa));
        if (stappen.last() == u"Escape")
            QVERIFY(form->isVisible());
        if (form->isVisible()) {
            const QLabel *staal = Kind<QLabel>(*form, QStringLiteral("Label6"));
            QCOMPARE(KleurTekst(staal->palette().color(QPalette::Window)), Tekst(getoondNa));
        }
    }

    void sluitenTijdensDeStreep_data()
    {
        QTest::addColumn<QString>("hoe");
        QTest::addColumn<int>("bijWacht");
        for (const QString &hoe : { u"Annuleren"_qs, u"venster"_qs }) {
            QTest::addRow("%s bij de eerste stap", qPrintable(hoe)) << hoe << 1;
            QTest::addRow("%s bij de laatste stap", qPrintable(hoe)) << hoe << 281;
        }
    }

    // Counts as Cancel: nothing written or stored, and the window as before OK.
    void sluitenTijdensDeStreep()
    {
        QFETCH(QString, hoe);
        QFETCH(int, bijWacht);
        const auto form = open();
        VoegToe(*form, QStringLiteral("Gas"));
        Balk(*form, 1)->setValue(0);
        klok().onWait([&](int wacht) {
            if (wacht != bijWacht)
                return;
            if (hoe == u"Annuleren")
                Klik(*form, QStringLiteral("CancelKnop"));
            else
                form->close();
        });
        Klik(*form, QStringLiteral("OkKnop"));

        QCOMPARE(klok().waits(), bijWacht);
        QCOMPARE(form->result(), int(QDialog::Rejected));
        nietsBewaard(Drie, Tekst({ 230, 230, 180 }));
        QVERIFY(Text1(*form)->isVisibleTo(form.get()));
    }

    // As the main window opens it: modal, and deleted once closed.
    void sluitenTijdensDeStreepVerwijdert()
    {
        QPointer<EditForm> form = new EditForm(m->hoofd);
        form->setAttribute(Qt::WA_DeleteOnClose);
        klok().onWait([&](int wacht) {
            if (wacht == 40)
                Klik(*form, QStringLiteral("CancelKnop"));
        });
        QTimer::singleShot(0, form, [&] { Klik(*form, QStringLiteral("OkKnop")); });
        form->exec();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());
        QCOMPARE(klok().waits(), 40);
        QVERIFY(!QFile::exists(m->test.dataMap() + QStringLiteral("Omschrijving.txt")));
    }

    // Add, Delete and OK once more during the strip do nothing: what is written is the list
    // shown when OK was clicked.
    void klikkenTijdensDeStreep()
    {
        const auto form = open();
        Kies(*form, QStringLiteral("Huur"));
        klok().onWait([&](int wacht) {
            if (wacht != 10)
                return;
            Klik(*form, QStringLiteral("DeleteKnop"));
            VoegToe(*form, QStringLiteral("Gas"));
            Klik(*form, QStringLiteral("OkKnop"));
        });
        Klik(*form, QStringLiteral("OkKnop"));
        QCOMPARE(klok().waits(), 282);
        QCOMPARE(bestand(), QByteArray("Auto\r\nHuur\r\nZorg\r\n"));
    }

    // Once the file is written the save counts: closed in the last pause, the main window is
    // filled from the file and the colour is kept.
    void sluitenInDeLaatstePauze()
    {
        const auto form = open();
        Balk(*form, 2)->setValue(7);
        klok().onWait([&](int wacht) {
            if (wacht == 282)
                Klik(*form, QStringLiteral("CancelKnop"));
        });
        Klik(*form, QStringLiteral("OkKnop"));
        QCOMPARE(bestand(), QByteArray("Auto\r\nHuur\r\nZorg\r\n"));
        QCOMPARE(m->hoofd.herladen(), 1);
        QCOMPARE(bewaard(), Tekst({ 230, 230, 7 }));
        QCOMPARE(getoond(), Tekst({ 230, 230, 7 }));
    }
};

QTEST_MAIN(TstEditForm)
#include "tst_editform.moc"
