// The settings window as the user works it: the descriptions read, added, deleted and written
// by OK with its strip, a write that fails, closing at any moment, and the colour previewed on
// the main window but stored only by OK or Reset.
#include "DialoogBesturing.h"
#include "FakeHoofdVenster.h"
#include "SchijfVol.h"
#include "TestProgramma.h"
#include "common/Opmaak.h"
#include "settings/EditForm.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QTimer>

#include <memory>

namespace {

using Kleur = std::array<int, 3>;

bool Zandloper()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

QString Tekst(const Kleur &kleur)
{
    return KleurTekst(QColor(kleur[0], kleur[1], kleur[2]));
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

QString Label2(const EditForm &form)
{
    return Kind<QLabel>(form, QStringLiteral("Label2"))->text();
}

QLineEdit *Text1(const EditForm &form)
{
    return Kind<QLineEdit>(form, QStringLiteral("Text1"));
}

QScrollBar *Balk(const EditForm &form, int index)
{
    return Kind<QScrollBar>(form, ArrayNaam("HScroll1", index));
}

// Typed text; QTest types no characters beyond ASCII.
void VoegToe(const EditForm &form, const QString &tekst)
{
    Text1(form)->setText(tekst);
    Klik(form, QStringLiteral("AddKnop"));
}

// A click on the item with this text, as List1_Click comes.
void Kies(const EditForm &form, const QString &tekst)
{
    QListWidget *lijst = Lijst(form);
    const QList<QListWidgetItem *> items = lijst->findItems(tekst, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    QTest::mouseClick(
        lijst->viewport(), Qt::LeftButton, {}, lijst->visualItemRect(items.first()).center());
}

MessageBoxes::Box Vraag(const QString &omschrijving)
{
    return { QStringLiteral("Wil je de omschrijving (%1) verwijderen?").arg(omschrijving),
        QStringLiteral("Delete"), MessageBoxes::Icon::None, MessageBoxes::Buttons::YesNo };
}

const MessageBoxes::Box EerstSelecteren { QStringLiteral("Eerst een omschrijving selecteren!"),
    QStringLiteral("Geldlog"), MessageBoxes::Icon::None, MessageBoxes::Buttons::Ok };

const QByteArray DrieOmschrijvingen("Huur\r\nAuto\r\nZorg\r\n");

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
    Kleur opgeslagen()
    {
        return { waarden().KleurRood, waarden().KleurGroen, waarden().KleurBlauw };
    }
    QString getoond() const { return KleurTekst(m->hoofd.achtergrond()); }
    QByteArray bestand() const { return m->test.leesData(QStringLiteral("Omschrijving.txt")); }
    bool bestandBestaat() const
    {
        return QFile::exists(m->test.dataMap() + QStringLiteral("Omschrijving.txt"));
    }

    std::unique_ptr<EditForm> open()
    {
        auto form = std::make_unique<EditForm>(m->hoofd);
        form->show();
        return form;
    }

    void zetOpgeslagen(const Kleur &kleur)
    {
        waarden().KleurRood = kleur[0];
        waarden().KleurGroen = kleur[1];
        waarden().KleurBlauw = kleur[2];
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
        QTest::addColumn<QString>("label2");
        QTest::newRow("geen bestand")
            << QByteArray() << QStringList() << QStringLiteral("0 Omschrijvingen");
        QTest::newRow("gesorteerd zonder op hoofdletters te letten")
            << QByteArray("zorg\r\nAuto\r\nbrood\r\nBenzine\r\n")
            << QStringList { QStringLiteral("Auto"), QStringLiteral("Benzine"),
                   QStringLiteral("brood"), QStringLiteral("zorg") }
            << QStringLiteral("4 Omschrijvingen");
        QTest::newRow("lege en blanco regels weggelaten")
            << QByteArray("Huur\r\n\r\n   \r\nAuto\r\n \r\n")
            << QStringList { QStringLiteral("Auto"), QStringLiteral("Huur") }
            << QStringLiteral("2 Omschrijvingen");
        QTest::newRow("LF, CR en een laatste regel zonder einde")
            << QByteArray("Huur\nAuto\rGas\r\nZorg")
            << QStringList { QStringLiteral("Auto"), QStringLiteral("Gas"), QStringLiteral("Huur"),
                   QStringLiteral("Zorg") }
            << QStringLiteral("4 Omschrijvingen");
        QTest::newRow("spaties eromheen blijven")
            << QByteArray("Huur  \r\nAuto\r\n")
            << QStringList { QStringLiteral("Auto"), QStringLiteral("Huur  ") }
            << QStringLiteral("2 Omschrijvingen");
    }

    void leestDeOmschrijvingen()
    {
        QFETCH(QByteArray, inhoud);
        QFETCH(QStringList, items);
        QFETCH(QString, label2);
        if (!inhoud.isEmpty())
            m->test.schrijfData(QStringLiteral("Omschrijving.txt"), inhoud);
        const auto form = open();
        QCOMPARE(Items(*form), items);
        QCOMPARE(Label2(*form), label2);
        QVERIFY(!Kind<VistaButton>(*form, QStringLiteral("DeleteKnop"))->isEnabled());
    }

    void toevoegen_data()
    {
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<QStringList>("items");
        const QString auto_ = QStringLiteral("Auto");
        const QString zorg = QStringLiteral("Zorg");
        QTest::newRow("niets getypt") << QString() << QStringList { auto_, zorg };
        QTest::newRow("op zijn plaats")
            << QStringLiteral("huur") << QStringList { auto_, QStringLiteral("huur"), zorg };
        QTest::newRow("nog eens hetzelfde")
            << QStringLiteral("Zorg") << QStringList { auto_, zorg, zorg };
        QTest::newRow("alleen spaties, zoals getypt")
            << QStringLiteral("  ") << QStringList { QStringLiteral("  "), auto_, zorg };
    }

    void toevoegen()
    {
        QFETCH(QString, getypt);
        QFETCH(QStringList, items);
        m->test.schrijfData(QStringLiteral("Omschrijving.txt"), "Zorg\r\nAuto\r\n");
        const auto form = open();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        VoegToe(*form, getypt);
        QCOMPARE(Items(*form), items);
        QCOMPARE(Label2(*form), QStringLiteral("%1 Omschrijvingen").arg(items.size()));
        QCOMPARE(Text1(*form)->text(), QString());
        // Ready for the next one.
        QCOMPARE(Text1(*form)->hasFocus(), !getypt.isEmpty());
    }

    // One description is one line of the file, whatever was pasted.
    void geplakteRegelovergangWordtEenSpatie()
    {
        const auto form = open();
        QGuiApplication::clipboard()->setText(QStringLiteral("Gas\r\nen\nLicht"));
        QTest::keyClick(Text1(*form), Qt::Key_V, Qt::ControlModifier);
        if (Text1(*form)->text().isEmpty())
            Text1(*form)->setText(QStringLiteral("Gas\r\nen\nLicht"));
        Klik(*form, QStringLiteral("AddKnop"));
        QCOMPARE(Items(*form), QStringList { QStringLiteral("Gas  en Licht") });
        Klik(*form, QStringLiteral("OkKnop"));
        QCOMPARE(bestand(), QByteArray("Gas  en Licht\r\n"));
    }

    void verwijderen()
    {
        m->test.schrijfData(QStringLiteral("Omschrijving.txt"), DrieOmschrijvingen);
        const auto form = open();
        auto *deleteKnop = Kind<VistaButton>(*form, QStringLiteral("DeleteKnop"));

        Kies(*form, QStringLiteral("Huur"));
        QVERIFY(deleteKnop->isEnabled());
        berichten().queue(MessageBoxes::Answer::No);
        Klik(*form, QStringLiteral("DeleteKnop"));
        QCOMPARE(Items(*form),
            (QStringList {
                QStringLiteral("Auto"), QStringLiteral("Huur"), QStringLiteral("Zorg") }));

        berichten().queue(MessageBoxes::Answer::Yes);
        Klik(*form, QStringLiteral("DeleteKnop"));
        QCOMPARE(Items(*form), (QStringList { QStringLiteral("Auto"), QStringLiteral("Zorg") }));
        QCOMPARE(Label2(*form), QStringLiteral("2 Omschrijvingen"));
        QVERIFY(Lijst(*form)->selectedItems().isEmpty());
        QVERIFY(deleteKnop->isEnabled());

        // Nothing is chosen now: the question names nothing and Yes is refused.
        berichten().queue(MessageBoxes::Answer::Yes);
        berichten().queue(MessageBoxes::Answer::Ok);
        Klik(*form, QStringLiteral("DeleteKnop"));
        QCOMPARE(berichten().shown(),
            (QList<MessageBoxes::Box> { Vraag(QStringLiteral("Huur")),
                Vraag(QStringLiteral("Huur")), Vraag(QString()), EerstSelecteren }));
        QCOMPARE(Items(*form), (QStringList { QStringLiteral("Auto"), QStringLiteral("Zorg") }));

        // Deleting everything and OK leaves an empty file and only the empty item.
        for (const QString &item : { QStringLiteral("Auto"), QStringLiteral("Zorg") }) {
            Kies(*form, item);
            berichten().queue(MessageBoxes::Answer::Yes);
            Klik(*form, QStringLiteral("DeleteKnop"));
        }
        QCOMPARE(Label2(*form), QStringLiteral("0 Omschrijvingen"));
        Klik(*form, QStringLiteral("OkKnop"));
        QVERIFY(bestandBestaat());
        QCOMPARE(bestand(), QByteArray());
        QCOMPARE(m->hoofd.omschrijvingen(), QStringList { QString() });
    }

    void opslaanSchrijftDeLijst_data()
    {
        QTest::addColumn<QByteArray>("inhoud");
        QTest::addColumn<QStringList>("toegevoegd");
        QTest::addColumn<QByteArray>("geschreven");
        QTest::newRow("blanco regels vallen weg")
            << QByteArray("Huur\r\n\r\n   \r\nAuto") << QStringList()
            << QByteArray("Auto\r\nHuur\r\n");
        QTest::newRow("dubbel toegevoegd, dubbel geschreven")
            << QByteArray() << QStringList { QStringLiteral("Huur"), QStringLiteral("Huur") }
            << QByteArray("Huur\r\nHuur\r\n");
        QTest::newRow("op volgorde van de lijst")
            << QByteArray("Zorg\nAuto\n")
            << QStringList { QStringLiteral("brood"), QStringLiteral("Energie ") }
            << QByteArray("Auto\r\nbrood\r\nEnergie \r\nZorg\r\n");
        QTest::newRow("lege lijst, leeg bestand")
            << QByteArray(" \r\n") << QStringList() << QByteArray();
        QTest::newRow("Windows-1252")
            << QByteArray("Caf\xe9\r\n") << QStringList { QStringLiteral("€ 5") }
            << QByteArray("\x80 5\r\nCaf\xe9\r\n");
    }

    void opslaanSchrijftDeLijst()
    {
        QFETCH(QByteArray, inhoud);
        QFETCH(QStringList, toegevoegd);
        QFETCH(QByteArray, geschreven);
        m->test.schrijfData(QStringLiteral("Omschrijving.txt"), inhoud);
        const auto form = open();
        for (const QString &omschrijving : toegevoegd)
            VoegToe(*form, omschrijving);
        Klik(*form, QStringLiteral("OkKnop"));

        QCOMPARE(bestand(), geschreven);
        QVERIFY(!form->isVisible());
        QCOMPARE(form->result(), int(QDialog::Accepted));
        // The main window's input was filled again from what the file now holds.
        QCOMPARE(m->hoofd.herladen(), 1);
        QStringList combo = LeesOmschrijvingBestand(m->test.programma());
        combo.prepend(QString());
        QCOMPARE(m->hoofd.omschrijvingen(), combo);
    }

    // The strip fills column by column, 0.01 s a step, under the hourglass and over Text1;
    // the file is written once it is full, and the main window is filled after the last pause.
    void opslaanVerloop()
    {
        m->test.schrijfData(QStringLiteral("Omschrijving.txt"), DrieOmschrijvingen);
        const auto form = open();
        VoegToe(*form, QStringLiteral("Gas"));
        auto *bar = Kind<QLabel>(*form, QStringLiteral("Bar"));
        QStringList fouten;
        klok().onWait([&](int wacht) {
            const auto verwacht = [&](bool goed, const char *wat) {
                if (!goed)
                    fouten << QStringLiteral("wacht %1: %2").arg(wacht).arg(QLatin1StringView(wat));
            };
            verwacht(Zandloper(), "zandloper");
            verwacht(bar->isVisible() && !Text1(*form)->isVisible(), "de streep ligt over Text1");
            verwacht(m->hoofd.herladen() == 0, "nog niet herladen");
            if (wacht <= 281) {
                verwacht(bestand() == DrieOmschrijvingen, "nog niet geschreven");
                // Column wacht - 1 is drawn, the next one not yet.
                const QImage beeld = bar->pixmap().toImage();
                const int x = wacht - 1;
                if (x < beeld.width())
                    verwacht(
                        beeld.pixel(x, 23) == qRgb(std::min(x + 40, 255), std::min(x + 100, 255), 0)
                            && beeld.pixel(x, 0) == beeld.pixel(x, 23),
                        "kolom getekend");
                if (x + 1 < beeld.width())
                    verwacht(beeld.pixel(x + 1, 0) == qRgb(20, 20, 60), "volgende kolom leeg");
            } else {
                verwacht(bestand() == "Auto\r\nGas\r\nHuur\r\nZorg\r\n", "geschreven");
            }
        });
        Klik(*form, QStringLiteral("OkKnop"));

        QCOMPARE(fouten, QStringList());
        QCOMPARE(klok().waits(), 282);
        QCOMPARE(klok().waitedMilliseconds(), 281 * 10 + 500);
        QCOMPARE(m->hoofd.herladen(), 1);
        QVERIFY(!form->isVisible());
    }

    void schrijvenMislukt_data()
    {
        QTest::addColumn<bool>("schijfVol");
        QTest::addColumn<QString>("reden");
        QTest::newRow("geen Data map") << false << QStringLiteral("De map %1/Data bestaat niet.");
        QTest::newRow("schijf vol")
            << true
            << QStringLiteral("Kan %1/Data/Omschrijving.txt niet schrijven: "
                              "het schrijven is mislukt; misschien is de schijf vol.");
    }

    void schrijvenMislukt()
    {
        QFETCH(bool, schijfVol);
        QFETCH(QString, reden);
        if (schijfVol)
            m->test.schrijfData(QStringLiteral("Omschrijving.txt"), DrieOmschrijvingen);
        else
            QVERIFY(QDir(m->test.dataMap()).removeRecursively());
        const Kleur kleur = opgeslagen();
        const auto form = open();
        VoegToe(*form, QString(20000, u'x'));
        Balk(*form, 0)->setValue(12);
        const QStringList bewerkt = Items(*form);

        berichten().queue(MessageBoxes::Answer::Ok);
        {
            const auto vol
                = schijfVol ? std::make_unique<SchijfVol>(DrieOmschrijvingen.size()) : nullptr;
            Klik(*form, QStringLiteral("OkKnop"));
        }

        const MessageBoxes::Box verwacht {
            QStringLiteral("De omschrijvingen zijn niet opgeslagen.\n") + reden.arg(m->test.map()),
            QStringLiteral("Error"), MessageBoxes::Icon::Critical, MessageBoxes::Buttons::Ok
        };
        QCOMPARE(berichten().shown(), QList<MessageBoxes::Box> { verwacht });
        // The old file stays, and so does the window with the list as edited, ready to try again.
        QCOMPARE(bestand(), schijfVol ? DrieOmschrijvingen : QByteArray());
        QCOMPARE(QDir(m->test.dataMap()).exists(), schijfVol);
        QVERIFY(form->isVisible());
        QVERIFY(Text1(*form)->isVisible());
        QVERIFY(!Kind<QLabel>(*form, QStringLiteral("Bar"))->isVisible());
        QCOMPARE(Items(*form), bewerkt);
        QCOMPARE(m->hoofd.herladen(), 0);
        QCOMPARE(Tekst(opgeslagen()), Tekst(kleur));
        QVERIFY(!Zandloper());
        berichten().verifyDone();

        QVERIFY(QDir(m->test.map()).mkpath(QStringLiteral("Data")));
        Klik(*form, QStringLiteral("OkKnop"));
        QCOMPARE(bestand().size(), schijfVol ? 20000 + 2 + 18 : 20000 + 2);
        QCOMPARE(m->hoofd.herladen(), 1);
        QCOMPARE(opgeslagen()[0], 12);
        QVERIFY(!form->isVisible());
    }

    void annulerenVerandertNiets()
    {
        m->test.schrijfData(QStringLiteral("Omschrijving.txt"), DrieOmschrijvingen);
        const Kleur kleur = opgeslagen();
        const auto form = open();
        VoegToe(*form, QStringLiteral("Gas"));
        Kies(*form, QStringLiteral("Huur"));
        berichten().queue(MessageBoxes::Answer::Yes);
        Klik(*form, QStringLiteral("DeleteKnop"));
        Klik(*form, QStringLiteral("CancelKnop"));

        QVERIFY(!form->isVisible());
        QCOMPARE(form->result(), int(QDialog::Rejected));
        QCOMPARE(bestand(), DrieOmschrijvingen);
        QCOMPARE(m->hoofd.herladen(), 0);
        QCOMPARE(Tekst(opgeslagen()), Tekst(kleur));
        QCOMPARE(klok().waits(), 0);
    }

    // Each step: "open", a button's name, "rood=N" (dragging a bar's thumb, held) or "blauw-1"
    // (a click on a bar's left arrow).
    void kleur_data()
    {
        QTest::addColumn<Kleur>("eerst");
        QTest::addColumn<QStringList>("stappen");
        QTest::addColumn<Kleur>("bewaard");
        QTest::addColumn<Kleur>("zichtbaar");
        const Kleur standaard { 230, 230, 180 };
        const Kleur eigen { 10, 20, 30 };
        QTest::newRow("slepen toont maar slaat niet op")
            << standaard << QStringList { u"open"_qs, u"rood=0"_qs } << standaard
            << Kleur { 0, 230, 180 };
        QTest::newRow("annuleren laat het voorbeeld staan")
            << standaard << QStringList { u"open"_qs, u"rood=0"_qs, u"CancelKnop"_qs } << standaard
            << Kleur { 0, 230, 180 };
        QTest::newRow("openen toont weer de opgeslagen kleur")
            << standaard << QStringList { u"open"_qs, u"rood=0"_qs, u"CancelKnop"_qs, u"open"_qs }
            << standaard << standaard;
        QTest::newRow("reset slaat meteen op")
            << eigen
            << QStringList { u"open"_qs, u"groen=200"_qs, u"ResetKnop"_qs, u"CancelKnop"_qs }
            << standaard << standaard;
        QTest::newRow("na reset weer slepen en annuleren")
            << eigen << QStringList { u"open"_qs, u"ResetKnop"_qs, u"rood=5"_qs, u"CancelKnop"_qs }
            << standaard << Kleur { 5, 230, 180 };
        QTest::newRow("opslaan zonder bewegen")
            << eigen << QStringList { u"open"_qs, u"OkKnop"_qs } << eigen << eigen;
        QTest::newRow("opslaan na bewegen")
            << eigen << QStringList { u"open"_qs, u"rood=255"_qs, u"blauw-1"_qs, u"OkKnop"_qs }
            << Kleur { 255, 20, 29 } << Kleur { 255, 20, 29 };
        QTest::newRow("zwart") << eigen
                               << QStringList { u"open"_qs, u"rood=0"_qs, u"groen=0"_qs,
                                      u"blauw=0"_qs, u"OkKnop"_qs }
                               << Kleur { 0, 0, 0 } << Kleur { 0, 0, 0 };
    }

    void kleur()
    {
        QFETCH(Kleur, eerst);
        QFETCH(QStringList, stappen);
        QFETCH(Kleur, bewaard);
        QFETCH(Kleur, zichtbaar);
        zetOpgeslagen(eerst);
        const QStringList balken { u"rood"_qs, u"groen"_qs, u"blauw"_qs };
        std::unique_ptr<EditForm> form;
        for (const QString &stap : stappen) {
            if (stap == u"open") {
                form = open();
            } else if (stap.contains(u'=')) {
                QScrollBar *balk = Balk(*form, balken.indexOf(stap.section(u'=', 0, 0)));
                balk->setSliderDown(true);
                balk->setSliderPosition(stap.section(u'=', 1).toInt());
            } else if (stap.endsWith(u"-1")) {
                Balk(*form, balken.indexOf(stap.chopped(2)))
                    ->triggerAction(QAbstractSlider::SliderSingleStepSub);
            } else {
                Klik(*form, stap);
            }
        }
        QCOMPARE(Tekst(opgeslagen()), Tekst(bewaard));
        QCOMPARE(getoond(), Tekst(zichtbaar));
        // The swatch shows the bars' colour as long as the window is open.
        if (form->isVisible()) {
            const QColor staal
                = Kind<QLabel>(*form, QStringLiteral("Label6"))->palette().color(QPalette::Window);
            QCOMPARE(KleurTekst(staal), Tekst(zichtbaar));
        }
    }

    void sluitenTijdensDeStreep_data()
    {
        QTest::addColumn<QString>("hoe");
        QTest::addColumn<int>("bijWacht");
        for (const QString &hoe : { u"Annuleren"_qs, u"venster"_qs, u"Escape"_qs }) {
            QTest::addRow("%s bij de eerste stap", qPrintable(hoe)) << hoe << 1;
            QTest::addRow("%s halfweg", qPrintable(hoe)) << hoe << 140;
            QTest::addRow("%s bij de laatste stap", qPrintable(hoe)) << hoe << 281;
        }
    }

    // Counts as Cancel: nothing written, nothing stored, and the window as it was.
    void sluitenTijdensDeStreep()
    {
        QFETCH(QString, hoe);
        QFETCH(int, bijWacht);
        m->test.schrijfData(QStringLiteral("Omschrijving.txt"), DrieOmschrijvingen);
        const Kleur kleur = opgeslagen();
        const auto form = open();
        VoegToe(*form, QStringLiteral("Gas"));
        Balk(*form, 1)->setValue(0);
        klok().onWait([&](int wacht) {
            if (wacht != bijWacht)
                return;
            if (hoe == u"Annuleren")
                Klik(*form, QStringLiteral("CancelKnop"));
            else if (hoe == u"venster")
                form->close();
            else
                QTest::keyClick(form.get(), Qt::Key_Escape);
        });
        Klik(*form, QStringLiteral("OkKnop"));

        QCOMPARE(klok().waits(), bijWacht);
        QVERIFY(!form->isVisible());
        QCOMPARE(form->result(), int(QDialog::Rejected));
        QCOMPARE(bestand(), DrieOmschrijvingen);
        QCOMPARE(m->hoofd.herladen(), 0);
        QCOMPARE(Tekst(opgeslagen()), Tekst(kleur));
        QVERIFY(Text1(*form)->isVisibleTo(form.get()));
        QVERIFY(!Kind<QLabel>(*form, QStringLiteral("Bar"))->isVisibleTo(form.get()));
    }

    // As the main window opens it: modal, and deleted once closed.
    void sluitenTijdensDeStreepModaalVerwijderd()
    {
        QPointer<EditForm> form = new EditForm(m->hoofd);
        form->setAttribute(Qt::WA_DeleteOnClose);
        klok().onWait([&](int wacht) {
            if (wacht == 40)
                Klik(*form, QStringLiteral("CancelKnop"));
        });
        bool gedaan = false;
        QTimer::singleShot(0, form, [&] {
            VoegToe(*form, QStringLiteral("Gas"));
            Klik(*form, QStringLiteral("OkKnop"));
            gedaan = true;
        });
        form->exec();
        QVERIFY(gedaan);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());
        QCOMPARE(klok().waits(), 40);
        QVERIFY(!bestandBestaat());
    }

    // The list written is the one shown when OK was clicked.
    void klikkenTijdensDeStreepTellenNiet()
    {
        m->test.schrijfData(QStringLiteral("Omschrijving.txt"), DrieOmschrijvingen);
        const auto form = open();
        Kies(*form, QStringLiteral("Huur"));
        klok().onWait([&](int wacht) {
            if (wacht != 10)
                return;
            Klik(*form, QStringLiteral("DeleteKnop"));
            Text1(*form)->setText(QStringLiteral("Gas"));
            Klik(*form, QStringLiteral("AddKnop"));
            Klik(*form, QStringLiteral("OkKnop"));
        });
        Klik(*form, QStringLiteral("OkKnop"));

        QCOMPARE(klok().waits(), 282);
        QCOMPARE(bestand(), QByteArray("Auto\r\nHuur\r\nZorg\r\n"));
        QCOMPARE(m->hoofd.herladen(), 1);
        QVERIFY(!form->isVisible());
    }

    // Once the file is written the save counts: closing during the last pause still fills the
    // main window from the file and keeps the chosen colour.
    void sluitenInDeLaatstePauze()
    {
        const auto form = open();
        VoegToe(*form, QStringLiteral("Gas"));
        Balk(*form, 2)->setValue(7);
        klok().onWait([&](int wacht) {
            if (wacht == 282)
                Klik(*form, QStringLiteral("CancelKnop"));
        });
        Klik(*form, QStringLiteral("OkKnop"));

        QVERIFY(!form->isVisible());
        QCOMPARE(bestand(), QByteArray("Gas\r\n"));
        QCOMPARE(m->hoofd.herladen(), 1);
        QCOMPARE(m->hoofd.omschrijvingen(), (QStringList { QString(), QStringLiteral("Gas") }));
        QCOMPARE(Tekst(opgeslagen()), Tekst({ 230, 230, 7 }));
        QCOMPARE(getoond(), Tekst({ 230, 230, 7 }));
    }
};

QTEST_MAIN(TstEditForm)
#include "tst_editform.moc"
