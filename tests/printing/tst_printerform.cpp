#include "Afdrukregels.h"
#include "DialoogBesturing.h"
#include "FakeHoofdVenster.h"
#include "TestProgramma.h"
#include "common/Opmaak.h"
#include "common/Programma.h"
#include "controls/VistaButton.h"
#include "platform/Twips.h"
#include "printing/PrinterForm.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// A pick in the printer list, as the user makes it.
void Kies(PrinterForm &form, int positie)
{
    auto *combo = Kind<QComboBox>(form, u"Combo2"_qs);
    combo->setCurrentIndex(positie);
    Q_EMIT combo->activated(positie);
}

MessageBoxes::Box Melding(const QString &tekst)
{
    return { tekst, QStringLiteral("Geldlog"), MessageBoxes::Icon::None,
        MessageBoxes::Buttons::Ok };
}

MessageBoxes::Box Mislukt(const QString &reden)
{
    return { QStringLiteral("Het afdrukken is mislukt.\n") + reden, QStringLiteral("Error"),
        MessageBoxes::Icon::Critical, MessageBoxes::Buttons::Ok };
}

InstalledPrinter Geinstalleerd(const char *naam, const char *sleutel)
{
    return { QLatin1StringView(naam), QLatin1StringView(sleutel) };
}

} // namespace

class TstPrinterForm : public QObject {
    Q_OBJECT

    struct Omgeving {
        TestProgramma test;
        FakeHoofdVenster hoofd { test.programma() };
    };
    std::unique_ptr<Omgeving> m;

    RecordingPrinters &printers() { return m->test.printers(); }
    Programma &programma() { return m->test.programma(); }
    QString huidige() const
    {
        const auto &printer = m->test.programma().HuidigePrinter();
        return printer ? printer->key : QString();
    }

    // Opens the dialog from the print menu button and runs `handeling` in it; whatever is still
    // open afterwards is cancelled. False when no dialog opened.
    bool Toon(const std::function<void(PrinterForm &)> &handeling)
    {
        bool geopend = false;
        QTimer::singleShot(0, this, [&] {
            auto *form = qobject_cast<PrinterForm *>(QApplication::activeModalWidget());
            if (!form)
                return;
            geopend = true;
            handeling(*form);
            if (form->isVisible())
                form->reject();
        });
        Afdrukken(m->hoofd, nullptr);
        // The single shot must not outlive this call when no dialog opened.
        QCoreApplication::processEvents();
        return geopend;
    }

    void Installeer(QList<InstalledPrinter> lijst, std::optional<InstalledPrinter> standaard)
    {
        printers().geinstalleerd = std::move(lijst);
        printers().standaard = std::move(standaard);
    }

private Q_SLOTS:
    void init()
    {
        m = std::make_unique<Omgeving>();
        VulLijst(m->hoofd.items(), 3);
        programma().Waarden().LijstNaam = QStringLiteral("2026 December");
        Installeer({ Geinstalleerd("Kantoor", "a"), Geinstalleerd("Thuis", "b"),
                       Geinstalleerd("Kantoor", "c") },
            Geinstalleerd("Thuis", "b"));
    }

    void cleanup()
    {
        m->test.berichten().verifyDone();
        QVERIFY(!QGuiApplication::overrideCursor());
        m.reset();
    }

    // The first print goes to the system's default printer, or to the first when there is no
    // default; the caption and the list show it.
    void beginPrinter_data()
    {
        QTest::addColumn<bool>("metStandaard");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<int>("positie");
        QTest::newRow("default") << true << QStringLiteral("Geldlog Afdrukken (Thuis)") << 1;
        QTest::newRow("no default") << false << QStringLiteral("Geldlog Afdrukken (Kantoor)") << 0;
    }

    void beginPrinter()
    {
        QFETCH(bool, metStandaard);
        QFETCH(QString, titel);
        QFETCH(int, positie);
        if (!metStandaard)
            printers().standaard.reset();

        QVERIFY(Toon([&](PrinterForm &form) {
            QCOMPARE(form.windowTitle(), titel);
            QCOMPARE(Kind<QComboBox>(form, u"Combo2"_qs)->currentIndex(), positie);
            Klik(form, u"PrintKnop"_qs);
        }));
        QCOMPARE(printers().taken.size(), size_t(1));
        QCOMPARE(printers().taken.front().printer, printers().geinstalleerd.at(positie));
        QCOMPARE(printers().taken.front().document, QStringLiteral("Geldlog 2026 December"));
    }

    // The printer picked becomes current at once, also when the dialog is then cancelled; the
    // pick goes by position, so of two printers named alike the picked one is taken.
    void keuzeBlijft()
    {
        QVERIFY(Toon([&](PrinterForm &form) {
            Kies(form, 2);
            QCOMPARE(form.windowTitle(), QStringLiteral("Geldlog Afdrukken (Kantoor)"));
            QCOMPARE(huidige(), QStringLiteral("c"));
            Kies(form, 1);
            QCOMPARE(form.windowTitle(), QStringLiteral("Geldlog Afdrukken (Thuis)"));
            Kies(form, 2);
            Klik(form, u"CancelKnop"_qs);
        }));
        QVERIFY(printers().taken.empty());
        QCOMPARE(huidige(), QStringLiteral("c"));

        QVERIFY(Toon([&](PrinterForm &form) {
            QCOMPARE(Kind<QComboBox>(form, u"Combo2"_qs)->currentIndex(), 2);
            Klik(form, u"PrintKnop"_qs);
            QVERIFY(!form.isVisible());
        }));
        QCOMPARE(printers().taken.front().printer.key, QStringLiteral("c"));
    }

    // Both columns are on at every opening, whatever was chosen the time before.
    void optiesBijElkeOpening()
    {
        QVERIFY(Toon([&](PrinterForm &form) {
            Kind<QCheckBox>(form, u"Check1"_qs)->setChecked(false);
            Kind<QCheckBox>(form, u"Check2"_qs)->setChecked(false);
            Klik(form, u"CancelKnop"_qs);
        }));
        QVERIFY(Toon([&](PrinterForm &form) {
            QVERIFY(Kind<QCheckBox>(form, u"Check1"_qs)->isChecked());
            QVERIFY(Kind<QCheckBox>(form, u"Check2"_qs)->isChecked());
        }));
    }

    // Printing reads the list, its totals and the options at that moment; the dialog keeps the
    // busy pointer until the job is handed over, then closes.
    void afdrukken()
    {
        m->hoofd.Label8().setText(QStringLiteral("Saldo..... : € 1,00"));
        m->hoofd.InkLabel().setText(QStringLiteral("€ 2,50"));
        m->test.klok().setNow(QDateTime(QDate(2026, 12, 6), QTime(9, 5, 1)));
        QVERIFY(Toon([&](PrinterForm &form) {
            Kind<QCheckBox>(form, u"Check1"_qs)->setChecked(false);
            Klik(form, u"PrintKnop"_qs);
            QVERIFY(!form.isVisible());
        }));
        const Afdruktaak &taak = printers().taken.front();
        QVERIFY(taak.beeindigd);
        QVERIFY(taak.zandloperBijEinde);
        const QStringList pagina = Pagina(taak, 1);
        QCOMPARE(pagina.at(1), QStringLiteral("8790,300 09:05:01 / 06-12-2026"));
        QVERIFY(!pagina.contains(QStringLiteral("8040,990 Inkomsten")));
        // Entry 2 has only an income, which is left off.
        QCOMPARE(pagina.filter(QStringLiteral(",1770 ")),
            (QStringList {
                QStringLiteral("300,1770 2026-12-03"), QStringLiteral("1800,1770 Post 2") }));
        // The income total stands on paper all the same.
        const QStringList totalen = pagina.filter(QStringLiteral(",2580 "));
        QCOMPARE(totalen.size(), 3);
        QVERIFY(totalen.at(1).endsWith(QStringLiteral(" € 2,50")));
    }

    // Amounts end at 9000 and 10800 by their width on screen, in Arial 9.75 points.
    void rechtsUitgelijnd()
    {
        m->hoofd.items().MaakLeeg();
        m->hoofd.items().VoegToe(Item { QStringLiteral("2026-12-01"), QStringLiteral("Salaris"),
            QStringLiteral("2345,50"), QStringLiteral("7") });
        QVERIFY(Toon([&](PrinterForm &form) { Klik(form, u"PrintKnop"_qs); }));
        QLabel liniaal;
        liniaal.setFont(Arial(9.75));
        const auto breedte = [&](const QString &tekst) {
            liniaal.setText(tekst);
            liniaal.adjustSize();
            return liniaal.width() * twips::perPixel;
        };
        QVERIFY(breedte(QStringLiteral("7")) > 0);
        const QStringList regel
            = Pagina(printers().taken.front(), 1).filter(QStringLiteral(",1500 "));
        QCOMPARE(regel.mid(2),
            (QStringList {
                QStringLiteral("%1,1500 2345,50").arg(9000 - breedte(QStringLiteral("2345,50"))),
                QStringLiteral("%1,1500 7").arg(10800 - breedte(QStringLiteral("7"))) }));
    }

    void geenPrinter()
    {
        Installeer({}, std::nullopt);
        m->test.berichten().queue(MessageBoxes::Answer::Ok);
        QVERIFY(!Toon([](PrinterForm &) {}));
        QCOMPARE(m->test.berichten().shown(),
            QList { Melding(QStringLiteral("Er is geen printer geïnstalleerd.")) });
        QVERIFY(printers().taken.empty());
    }

    // A current printer that has gone is named before the dialog opens with nothing selected;
    // printing on it fails with the same reason, and another printer can then be picked.
    void printerWeg()
    {
        QVERIFY(Toon([](PrinterForm &form) { Klik(form, u"CancelKnop"_qs); }));
        printers().geinstalleerd.removeAt(1);
        m->test.berichten().queue(MessageBoxes::Answer::Ok);
        m->test.berichten().queue(MessageBoxes::Answer::Ok);
        QVERIFY(Toon([&](PrinterForm &form) {
            QCOMPARE(Kind<QComboBox>(form, u"Combo2"_qs)->currentIndex(), -1);
            QCOMPARE(form.windowTitle(), QStringLiteral("Geldlog Afdrukken (Thuis)"));
            Klik(form, u"PrintKnop"_qs);
            QVERIFY(form.isVisible());
            Kies(form, 1);
            Klik(form, u"PrintKnop"_qs);
            QVERIFY(!form.isVisible());
        }));
        const QString weg = QStringLiteral("De printer 'Thuis' is niet meer geïnstalleerd.");
        QCOMPARE(m->test.berichten().shown(),
            (QList { Melding(weg + QStringLiteral("\nKies een andere printer.")), Mislukt(weg) }));
        QCOMPARE(printers().taken.size(), size_t(1));
        QCOMPARE(printers().taken.front().printer.key, QStringLiteral("c"));
    }

    // A printer that refuses the job: the reason is told, the pointer is back, and the dialog
    // stays for another try.
    void weigerendePrinter()
    {
        printers().weigerend = { QStringLiteral("b") };
        m->test.berichten().queue(MessageBoxes::Answer::Ok);
        QVERIFY(Toon([&](PrinterForm &form) {
            Klik(form, u"PrintKnop"_qs);
            QVERIFY(form.isVisible());
            QVERIFY(!QGuiApplication::overrideCursor());
        }));
        QCOMPARE(m->test.berichten().shown(),
            QList { Mislukt(QStringLiteral("De printer heeft de afdruktaak geweigerd.")) });
    }
};

QTEST_MAIN(TstPrinterForm)
#include "tst_printerform.moc"
