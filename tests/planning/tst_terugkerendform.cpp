// "Terugkerende betalingen": contracts found in the lists, and the ticked ones made fixed costs:
// into the file from the main window, into the fixed-costs window's table from there.
#include "DialoogBesturing.h"
#include "LijstGroep.h"
#include "ModelRows.h"
#include "SchijfVol.h"
#include "TestProgramma.h"
#include "common/ItemModel.h"
#include "lists/VasteLastenBestand.h"
#include "planning/TerugkerendForm.h"

#include <QDir>
#include <QLabel>
#include <QTest>
#include <QTreeView>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// 2026 kept by hand up to the clock's day, 3 December: the rent on the first, the salary on the
// 24th, swimming lessons until June.
QByteArray Jaar2026()
{
    QByteArray lijst;
    for (int maand = 1; maand <= 12; ++maand) {
        const QByteArray dag = "2026-" + QByteArray::number(100 + maand).right(2) + '-';
        lijst += Groep(dag + "01", "Huur", "", "825,00");
        if (maand < 12)
            lijst += Groep(dag + "24", "Salaris", "2500,00", "");
        if (maand <= 6)
            lijst += Groep(dag + "04", "Zwemles", "", "45,00");
    }
    return lijst;
}

const QByteArray Vast = Groep("-", "Huur", "", "800,00") + Groep("-", "Netflix", "", "13,99");

} // namespace

class TestTerugkerendForm : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void gekozenWordenVasteLasten_data()
    {
        QTest::addColumn<bool>("vanuitVast");
        QTest::addColumn<bool>("schijfVol");
        QTest::addColumn<QByteArray>("bestand"); // the fixed costs' file afterwards
        QTest::addColumn<QStringList>("vasteLasten"); // the table they went into
        QTest::addColumn<QString>("melding"); // under the table, or in a box

        const QStringList bijgewerkt { u"- | Huur |  | 825,00"_s, u"- | Netflix |  | 13,99"_s,
            u"- | Salaris | 2500,00 | "_s };
        const QString toegevoegd
            = u"1 contract toegevoegd aan de vaste lasten, 1 vaste last bijgewerkt."_s;
        QTest::newRow("from the main window into the file, a new one and an amount updated")
            << false << false
            << Groep("-", "Huur", "", "825,00") + Groep("-", "Netflix", "", "13,99")
                + Groep("-", "Salaris", "2500,00", "")
            << bijgewerkt << toegevoegd;
        QTest::newRow("from Vast into its table, the file left to its export")
            << true << false << Vast << bijgewerkt << toegevoegd;
        QTest::newRow("a full disk leaves the file and the ticks as they were")
            << false << true << Vast
            << QStringList { u"- | Huur |  | 800,00"_s, u"- | Netflix |  | 13,99"_s }
            << u"De vaste lasten zijn niet opgeslagen.\nKan %1 niet schrijven: het bestand wordt "
               u"te "
               "groot voor deze schijf."_s;
    }

    void gekozenWordenVasteLasten()
    {
        QFETCH(bool, vanuitVast);
        QFETCH(bool, schijfVol);
        QFETCH(QByteArray, bestand);
        QFETCH(QStringList, vasteLasten);
        QFETCH(QString, melding);

        TestProgramma test;
        test.schrijfData(u"2026.lst"_s, Jaar2026());
        test.schrijfData(u"Vastelasten.vls"_s, Vast);
        ItemModel tabel;
        LaadVasteLasten(test.programma(), tabel);
        TerugkerendForm form(test.programma(), vanuitVast ? &tabel : nullptr);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto *contracten = Kind<QTreeView>(form, u"ContractenTabel"_s);
        const auto rijen = [&] { return ModelRows(*contracten->model()); };
        QCOMPARE(rijen(),
            (QStringList { u"Inkomsten, per maand € 2500,00 |  |  |  |  | "_s,
                u"Salaris |  | maand | 2500,00 | 24 december | "_s,
                u"Uitgaven, per maand € 825,00 |  |  |  |  | "_s,
                u"Huur |  | maand | -825,00 | 1 januari 2027 | Vaste last bijwerken"_s,
                u"Zwemles |  | maand | -45,00 |  | Gestopt, laatst 4 juni"_s }));

        // Space ticks the row the user is on; a stopped contract has no tick.
        const auto vinkjes = [&] {
            QList<QVariant> staat;
            for (const int rij : { 1, 3, 4 })
                staat.append(contracten->model()->index(rij, 0).data(Qt::CheckStateRole));
            return staat;
        };
        for (const int rij : { 1, 3, 4 }) {
            contracten->setCurrentIndex(contracten->model()->index(rij, 0));
            QTest::keyClick(contracten, Qt::Key_Space);
        }
        QCOMPARE(vinkjes(), (QList<QVariant> { Qt::Checked, Qt::Checked, QVariant() }));
        if (schijfVol)
            test.berichten().queue(MessageBoxes::Answer::Ok);
        {
            const auto vol = schijfVol ? std::make_unique<SchijfVol>(60) : nullptr;
            Klik(form, u"ToevoegenKnop"_s);
        }

        QCOMPARE(test.leesData(u"Vastelasten.vls"_s), bestand);
        if (!vanuitVast)
            LaadVasteLasten(test.programma(), tabel);
        QCOMPARE(ModelRows(tabel), vasteLasten);
        // What went in is shown as among the fixed costs, no longer to be ticked.
        QVERIFY(rijen().value(3).endsWith(
            schijfVol ? u"Vaste last bijwerken"_s : u"Staat in de vaste lasten"_s));
        QCOMPARE(vinkjes().first(), schijfVol ? QVariant(Qt::Checked) : QVariant());
        if (schijfVol) {
            const MessageBoxes::Box box { melding.arg(QDir::toNativeSeparators(
                                              VasteLastenPad(test.programma()))),
                u"Geldlog"_s, MessageBoxes::Icon::Critical, MessageBoxes::Buttons::Ok };
            QCOMPARE(test.berichten().shown(), QList { box });
        } else {
            QCOMPARE(Kind<QLabel>(form, u"MeldingLabel"_s)->text(), melding);
        }
        test.berichten().verifyDone();
    }
};

QTEST_MAIN(TestTerugkerendForm)
#include "tst_terugkerendform.moc"
