#include "DialoogBesturing.h"
#include "FakeHoofdVenster.h"
#include "TestProgramma.h"
#include "common/LijstNaam.h"
#include "common/Opmaak.h"
#include "common/Programma.h"
#include "listwindows/SaveForm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// The fake clock, with a look at the dialog at every pause: that is what the user sees
// between two steps of the animation.
class OpnameKlok final : public Clock {
public:
    QDateTime now() const override { return m_klok.now(); }
    void wait(int milliseconds) override
    {
        wachttijden.append(milliseconds);
        if (bijWachten)
            bijWachten(static_cast<int>(wachttijden.size()));
        m_klok.wait(milliseconds);
    }

    QList<int> wachttijden;
    std::function<void(int wachtNummer)> bijWachten;

private:
    FakeClock m_klok;
};

const QRgb Groen = qRgb(0, 240, 0);

// What the dialog shows at one pause.
struct Stap {
    int milliseconden = 0;
    QString procent;
    int groenBreed = 0;
    int groenHoog = 0;
    bool zandloper = false;
    bool naamZichtbaar = false;
    bool balkZichtbaar = false;
};

QImage BalkBeeld(const SaveForm &form)
{
    return Kind<QLabel>(form, QStringLiteral("Bar"))->pixmap().toImage();
}

// The green run from the top left corner, across and down.
int GroenBreed(const QImage &beeld)
{
    int x = 0;
    while (x < beeld.width() && beeld.pixel(x, 0) == Groen)
        ++x;
    return x;
}

int GroenHoog(const QImage &beeld)
{
    int y = 0;
    while (y < beeld.height() && beeld.pixel(0, y) == Groen)
        ++y;
    return y;
}

int GroenePixels(const QImage &beeld)
{
    int aantal = 0;
    for (int y = 0; y < beeld.height(); ++y)
        for (int x = 0; x < beeld.width(); ++x)
            aantal += beeld.pixel(x, y) == Groen ? 1 : 0;
    return aantal;
}

bool Zandloper()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

const QByteArray Scheiding = QByteArrayLiteral("----------------------------\r\n");

// Two entries as the file stores them.
const QByteArray TweeItemsBestand = QByteArrayLiteral("2026-05-01\r\nBrood\r\n\r\n2,50\r\n")
    + Scheiding + QByteArrayLiteral("2026-05-02\r\nSalaris\r\n1500,00\r\n\r\n") + Scheiding;

} // namespace

class TstSaveForm : public QObject {
    Q_OBJECT

    struct Omgeving {
        TestProgramma test;
        OpnameKlok klok;
        Programma programma { test.map(), test.berichten(), klok, test.printers() };
        FakeHoofdVenster hoofd { programma };
    };
    std::unique_ptr<Omgeving> m;

    ProgrammaWaarden &waarden() { return m->programma.Waarden(); }
    QStringList dataBestanden() const
    {
        return QDir(m->test.dataMap()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

    void vulTweeItems()
    {
        m->hoofd.items().VoegToe(Item { QStringLiteral(" 2026-05-01 "), QStringLiteral("Brood"),
            QString(), QStringLiteral("2,50") });
        m->hoofd.items().VoegToe(Item { QStringLiteral("2026-05-02"), QStringLiteral("Salaris"),
            QStringLiteral("1500,00"), QString() });
    }

    static void typNaam(SaveForm &form, const QString &naam)
    {
        auto *text1 = Kind<QLineEdit>(form, QStringLiteral("Text1"));
        MaakLeeg(text1);
        QTest::keyClicks(text1, naam);
    }

    static Stap Opname(const SaveForm &form, int milliseconden)
    {
        const QImage beeld = BalkBeeld(form);
        return { milliseconden, Kind<QLabel>(form, QStringLiteral("Label1"))->text(),
            GroenBreed(beeld), GroenHoog(beeld), Zandloper(),
            Kind<QLineEdit>(form, QStringLiteral("Text1"))->isVisible(),
            Kind<QLabel>(form, QStringLiteral("Bar"))->isVisible() };
    }

    // Saves under `naam` and returns what the dialog showed at each pause.
    QList<Stap> slaOpMetOpname(SaveForm &form, const QString &naam)
    {
        QList<Stap> stappen;
        m->klok.bijWachten = [&](int) { stappen.append(Opname(form, m->klok.wachttijden.last())); };
        typNaam(form, naam);
        Klik(form, QStringLiteral("SaveKnop"));
        m->klok.bijWachten = nullptr;
        return stappen;
    }

private Q_SLOTS:
    void init()
    {
        m = std::make_unique<Omgeving>();
        vulTweeItems();
        waarden().LijstNaam = QStringLiteral("oud");
        waarden().Gewijzigd = true;
    }

    void cleanup()
    {
        m->test.berichten().verifyDone();
        QVERIFY(!Zandloper());
        m.reset();
    }

    void venster()
    {
        SaveForm form(m->hoofd);
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Geldlog opslaan"));
        QCOMPARE(form.size(), BinnenMaat(4800, 1560));
        QCOMPARE(KleurTekst(Achtergrond(form, { 2, 2 })), KleurTekst(QColor(170, 240, 240)));
    }

    void besturing_data()
    {
        BesturingKolommen();
        const QColor geen;
        QTest::newRow("Text1") << QStringLiteral("Text1") << QRect(8, 10, 298, 22)
                               << QColor(40, 0, 0) << QColor(220, 220, 220)
                               << QStringLiteral("oud");
        // Exactly over the name box.
        QTest::newRow("Bar") << QStringLiteral("Bar") << QRect(8, 10, 298, 22) << geen << geen
                             << QString();
        QTest::newRow("Label1") << QStringLiteral("Label1") << QRect(10, 36, -1, -1) << geen << geen
                                << QStringLiteral("0%");
        QTest::newRow("CancelKnop") << QStringLiteral("CancelKnop") << QRect(180, 40, 64, 24)
                                    << geen << geen << QStringLiteral("Annuleren");
        QTest::newRow("SaveKnop") << QStringLiteral("SaveKnop") << QRect(248, 40, 56, 24) << geen
                                  << geen << QStringLiteral("Opslaan");
    }

    void besturing()
    {
        SaveForm form(m->hoofd);
        form.show();
        ControleerBesturing(form);
    }

    // The bar has no colour of its own; it shows the system's button colour behind the green.
    void balkAchtergrondIsDeKnopkleur()
    {
        const QPalette systeem = QApplication::palette();
        QPalette anders = systeem;
        anders.setColor(QPalette::Button, QColor(90, 100, 110));
        QApplication::setPalette(anders);
        SaveForm form(m->hoofd);
        QApplication::setPalette(systeem);

        const QImage beeld = BalkBeeld(form);
        for (QPoint waar : { QPoint(0, 0), QPoint(299, 19), QPoint(beeld.width() - 1, 0) })
            QCOMPARE(KleurTekst(beeld.pixelColor(waar)), KleurTekst(QColor(90, 100, 110)));
    }

    void steltDeHuidigeNaamVoor()
    {
        waarden().LijstNaam = QStringLiteral("2018 Januari");
        SaveForm form(m->hoofd);
        form.show();
        QCOMPARE(
            Kind<QLineEdit>(form, QStringLiteral("Text1"))->text(), QStringLiteral("2018 Januari"));
        QVERIFY(!Kind<QLabel>(form, QStringLiteral("Bar"))->isVisible());
        QCOMPARE(Kind<QLabel>(form, QStringLiteral("Label1"))->text(), QStringLiteral("0%"));
    }

    void naamOntbreekt_data()
    {
        QTest::addColumn<QString>("voorgesteld");
        QTest::addColumn<QString>("getypt");
        QTest::newRow("leeg voorgesteld") << QString() << QString();
        QTest::newRow("spaties getypt") << QStringLiteral("oud") << QStringLiteral("    ");
        QTest::newRow("een spatie voorgesteld") << QStringLiteral(" ") << QStringLiteral(" ");
    }

    void naamOntbreekt()
    {
        QFETCH(QString, voorgesteld);
        QFETCH(QString, getypt);
        waarden().LijstNaam = voorgesteld;
        SaveForm form(m->hoofd);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        typNaam(form, getypt);
        auto *text1 = Kind<QLineEdit>(form, QStringLiteral("Text1"));
        Kind<VistaButton>(form, QStringLiteral("CancelKnop"))->setFocus();

        m->test.berichten().queue(MessageBoxes::Answer::Ok);
        Klik(form, QStringLiteral("SaveKnop"));

        const MessageBoxes::Box verwacht { QStringLiteral("Naam ontbreekt!"),
            QStringLiteral("Error"), MessageBoxes::Icon::Critical, MessageBoxes::Buttons::Ok };
        QCOMPARE(m->test.berichten().shown(), QList<MessageBoxes::Box> { verwacht });
        QVERIFY(form.isVisible());
        QVERIFY(text1->isVisible());
        QVERIFY(text1->hasFocus());
        QVERIFY(dataBestanden().isEmpty());
        QCOMPARE(waarden().LijstNaam, voorgesteld);
        QVERIFY(waarden().Gewijzigd);
        QVERIFY(m->klok.wachttijden.isEmpty());
    }

    void opslaanSchrijftHetBestand_data()
    {
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QByteArray>("oudeInhoud");
        QTest::newRow("nieuwe lijst")
            << QStringLiteral("2026 Mei") << QStringLiteral("2026 Mei") << QByteArray();
        QTest::newRow("spaties eromheen")
            << QStringLiteral("  2026 Mei  ") << QStringLiteral("2026 Mei") << QByteArray();
        QTest::newRow("eigen bestand bijgewerkt")
            << QStringLiteral("oud") << QStringLiteral("oud")
            << QByteArray(TweeItemsBestand + TweeItemsBestand + "rest");
        QTest::newRow("naam met punten")
            << QStringLiteral("v1.2 Mei") << QStringLiteral("v1.2 Mei") << QByteArray();
    }

    void opslaanSchrijftHetBestand()
    {
        QFETCH(QString, getypt);
        QFETCH(QString, naam);
        QFETCH(QByteArray, oudeInhoud);
        if (!oudeInhoud.isEmpty())
            m->test.schrijfData(naam + QStringLiteral(".lst"), oudeInhoud);
        NoemLijst(m->hoofd, QStringLiteral("oud"), QStringLiteral("oud"));
        QStringList labels = m->hoofd.labels();
        labels[1] = QStringLiteral("Naam..... : ") + naam;

        SaveForm form(m->hoofd);
        form.show();
        slaOpMetOpname(form, getypt);

        QCOMPARE(m->test.leesData(naam + QStringLiteral(".lst")), TweeItemsBestand);
        QCOMPARE(dataBestanden(), QStringList { naam + QStringLiteral(".lst") });
        QCOMPARE(waarden().LijstNaam, naam);
        QCOMPARE(waarden().EigenLijst, naam);
        QVERIFY(!waarden().Gewijzigd);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
        // Only the name shown changes: to the one saved under.
        QCOMPARE(m->hoofd.labels(), labels);
    }

    // Saving over a list other than the current list's own file asks first, and over its own
    // file when another program wrote it since it was opened (an import). Nee writes nothing. A
    // name in other capitals or blanks is that list, saved in its file.
    void andereLijstVervangenVraagtEerst_data()
    {
        QTest::addColumn<QString>("eigenLijst");
        QTest::addColumn<QByteArray>("buiten"); // what another program wrote meanwhile, if any
        QTest::addColumn<bool>("ja");
        QTest::addColumn<QString>("vraag");
        QTest::addColumn<QString>("getypt");
        const QString vervangen
            = QStringLiteral("De lijst \"2026 September\" bestaat al. Vervangen?");
        const QString gewijzigd = QStringLiteral("De lijst \"2026 September\" is intussen buiten "
                                                 "dit venster gewijzigd. Toch opslaan? De "
                                                 "wijzigingen van buiten gaan dan verloren.");
        const QString eigen = QStringLiteral("2026 September");
        const QByteArray langer = TweeItemsBestand + TweeItemsBestand + TweeItemsBestand;
        QTest::newRow("andere lijst, Ja")
            << QStringLiteral("2026 April") << QByteArray() << true << vervangen << eigen;
        QTest::newRow("andere lijst, Nee")
            << QStringLiteral("2026 April") << QByteArray() << false << vervangen << eigen;
        QTest::newRow("andere lijst in kleine letters, Ja")
            << QStringLiteral("2026 April") << QByteArray() << true << vervangen
            << QStringLiteral("2026  september");
        QTest::newRow("buiten gewijzigd, Ja") << eigen << langer << true << gewijzigd << eigen;
        QTest::newRow("buiten gewijzigd, Nee") << eigen << langer << false << gewijzigd << eigen;
        QTest::newRow("alleen later, in hoofdletters, Nee")
            << eigen << TweeItemsBestand + TweeItemsBestand << false << gewijzigd
            << QStringLiteral("2026 SEPTEMBER");
    }

    void andereLijstVervangenVraagtEerst()
    {
        QFETCH(QString, eigenLijst);
        QFETCH(QByteArray, buiten);
        QFETCH(bool, ja);
        QFETCH(QString, vraag);
        QFETCH(QString, getypt);
        const QString naam = QStringLiteral("2026 September");
        const QByteArray oud = TweeItemsBestand + TweeItemsBestand;
        m->test.schrijfData(naam + QStringLiteral(".lst"), oud);
        NoemLijst(m->hoofd, QStringLiteral("oud"), eigenLijst);
        waarden().Gewijzigd = true;
        if (!buiten.isNull()) {
            m->test.schrijfData(naam + QStringLiteral(".lst"), buiten);
            QFile bestand(m->test.dataMap() + naam + QStringLiteral(".lst"));
            QVERIFY(bestand.open(QIODevice::ReadWrite));
            QVERIFY(bestand.setFileTime(
                QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
        }
        SaveForm form(m->hoofd);
        form.show();
        form.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form));

        m->test.berichten().queue(ja ? MessageBoxes::Answer::Yes : MessageBoxes::Answer::No);
        typNaam(form, getypt);
        Klik(form, QStringLiteral("SaveKnop"));

        const MessageBoxes::Box box { vraag, QStringLiteral("Geldlog"), MessageBoxes::Icon::None,
            MessageBoxes::Buttons::YesNo, MessageBoxes::DefaultButton::No };
        QCOMPARE(m->test.berichten().shown(), QList<MessageBoxes::Box> { box });
        QCOMPARE(m->test.leesData(naam + QStringLiteral(".lst")),
            ja ? TweeItemsBestand : (buiten.isNull() ? oud : buiten));
        QCOMPARE(form.isVisible(), !ja);
        QCOMPARE(waarden().LijstNaam, ja ? naam : QStringLiteral("oud"));
        QCOMPARE(waarden().EigenLijst, ja ? naam : eigenLijst);
        QCOMPARE(waarden().Gewijzigd, !ja);
        // Saved, the file stands as this window left it: the next save asks nothing.
        QCOMPARE(EigenLijstBuitenGewijzigd(m->programma), !ja && !buiten.isNull());
        QCOMPARE(dataBestanden(), QStringList { naam + QStringLiteral(".lst") });
    }

    void animatieStap_data()
    {
        QTest::addColumn<int>("stap");
        QTest::addColumn<QString>("procent");
        QTest::addColumn<int>("groenBreed");
        QTest::newRow("begin") << 0 << QStringLiteral("0%") << 0;
        QTest::newRow("h 2") << 1 << QStringLiteral("1%") << 2;
        QTest::newRow("h 4") << 2 << QStringLiteral("1%") << 4;
        QTest::newRow("h 6") << 3 << QStringLiteral("2%") << 6;
        QTest::newRow("h 8") << 4 << QStringLiteral("3%") << 8;
        QTest::newRow("h 10") << 5 << QStringLiteral("3%") << 10;
        QTest::newRow("h 12") << 6 << QStringLiteral("4%") << 12;
        QTest::newRow("halfweg") << 75 << QStringLiteral("50%") << 150;
        QTest::newRow("h 298") << 149 << QStringLiteral("99%") << 298;
        QTest::newRow("laatste stap") << 150 << QStringLiteral("100%") << 300;
    }

    void animatieStap()
    {
        QFETCH(int, stap);
        QFETCH(QString, procent);
        QFETCH(int, groenBreed);
        SaveForm form(m->hoofd);
        form.show();
        const QList<Stap> stappen = slaOpMetOpname(form, QStringLiteral("2026 Mei"));

        QVERIFY(stap < stappen.size());
        QCOMPARE(stappen[stap].procent, procent);
        QCOMPARE(stappen[stap].groenBreed, groenBreed);
        QCOMPARE(stappen[stap].groenHoog, groenBreed > 0 ? 20 : 0);
    }

    void animatieVerloop()
    {
        SaveForm form(m->hoofd);
        form.show();
        const QList<Stap> stappen = slaOpMetOpname(form, QStringLiteral("2026 Mei"));

        // 151 steps of 0.02 s, then "100%" for a second.
        QCOMPARE(stappen.size(), 152);
        for (int i = 0; i < 151; ++i) {
            const Stap &stap = stappen[i];
            QCOMPARE(stap.milliseconden, 20);
            QVERIFY(stap.zandloper);
            QVERIFY(!stap.naamZichtbaar);
            QVERIFY(stap.balkZichtbaar);
            if (i > 0) {
                const int vorige = stappen[i - 1].procent.chopped(1).toInt();
                const int deze = stap.procent.chopped(1).toInt();
                QVERIFY2(deze == vorige || deze == vorige + 1, qPrintable(stap.procent));
            }
        }
        const Stap &laatste = stappen.last();
        QCOMPARE(laatste.milliseconden, 1000);
        QCOMPARE(laatste.procent, QStringLiteral("100%"));
        QVERIFY(!laatste.zandloper);

        // The bar ends with exactly 300 x 20 green pixels in its top left corner.
        const QImage beeld = BalkBeeld(form);
        QCOMPARE(GroenBreed(beeld), 300);
        QCOMPARE(GroenHoog(beeld), 20);
        QCOMPARE(GroenePixels(beeld), 300 * 20);
        QVERIFY(!form.isVisible());
    }

    void schrijvenMislukt_data()
    {
        QTest::addColumn<bool>("dataMapWeg");
        QTest::addColumn<QString>("reden");
        QTest::newRow("geen Data map") << true << QStringLiteral("bestaat niet");
        QTest::newRow("een map met die naam") << false << QStringLiteral("niet schrijven");
    }

    void schrijvenMislukt()
    {
        QFETCH(bool, dataMapWeg);
        QFETCH(QString, reden);
        const QString naam = QStringLiteral("2026 Mei");
        if (dataMapWeg)
            QVERIFY(QDir(m->test.dataMap()).removeRecursively());
        else
            QVERIFY(QDir(m->test.dataMap()).mkpath(naam + QStringLiteral(".lst/inhoud")));

        SaveForm form(m->hoofd);
        form.show();
        m->test.berichten().queue(MessageBoxes::Answer::Ok);
        typNaam(form, naam);
        Klik(form, QStringLiteral("SaveKnop"));

        QCOMPARE(m->test.berichten().shown().size(), 1);
        const MessageBoxes::Box box = m->test.berichten().shown().first();
        QCOMPARE(box.title, QStringLiteral("Error"));
        QCOMPARE(box.icon, MessageBoxes::Icon::Critical);
        QCOMPARE(box.buttons, MessageBoxes::Buttons::Ok);
        QVERIFY2(box.text.contains(naam) && box.text.contains(reden), qPrintable(box.text));

        // No animation, nothing counted as saved, and no Data folder made.
        QVERIFY(form.isVisible());
        QVERIFY(Kind<QLineEdit>(form, QStringLiteral("Text1"))->isVisible());
        QVERIFY(!Kind<QLabel>(form, QStringLiteral("Bar"))->isVisible());
        QCOMPARE(Kind<QLabel>(form, QStringLiteral("Label1"))->text(), QStringLiteral("0%"));
        QVERIFY(m->klok.wachttijden.isEmpty());
        QVERIFY(waarden().Gewijzigd);
        QCOMPARE(waarden().LijstNaam, QStringLiteral("oud"));
        QCOMPARE(QDir(m->test.dataMap()).exists(), !dataMapWeg);
        if (!dataMapWeg) {
            QVERIFY(QDir(m->test.dataMap() + naam + QStringLiteral(".lst/inhoud")).exists());
            QCOMPARE(dataBestanden(), QStringList { naam + QStringLiteral(".lst") });
        }
    }

    void onveiligeNaamGeweigerd_data()
    {
        QTest::addColumn<QString>("naam");
        QTest::addColumn<QString>("melding");
        const QString tekens
            = QStringLiteral("De naam mag geen \\ / : * ? \" < > | of stuurtekens bevatten.");
        const QString punten = QStringLiteral("De naam mag niet \".\" of \"..\" zijn.");
        QTest::newRow("schuine streep") << QStringLiteral("2026/Mei") << tekens;
        QTest::newRow("terug naar boven") << QStringLiteral("../Geldlog") << tekens;
        QTest::newRow("backslash") << QStringLiteral("a\\b") << tekens;
        QTest::newRow("vraagteken") << QStringLiteral("Mei?") << tekens;
        QTest::newRow("sterretje") << QStringLiteral("*") << tekens;
        QTest::newRow("dubbele punt") << QStringLiteral("C:Mei") << tekens;
        QTest::newRow("aanhalingsteken") << QStringLiteral("\"Mei\"") << tekens;
        QTest::newRow("punt") << QStringLiteral(".") << punten;
        QTest::newRow("twee punten") << QStringLiteral("..") << punten;
        // With ".lst" one byte more than a file name can hold.
        QTest::newRow("te lang") << QString(252, u'x') << QStringLiteral("De naam is te lang.");
    }

    void onveiligeNaamGeweigerd()
    {
        QFETCH(QString, naam);
        QFETCH(QString, melding);
        m->test.schrijfData(QStringLiteral("Mei.lst"), TweeItemsBestand);
        SaveForm form(m->hoofd);
        form.show();
        m->test.berichten().queue(MessageBoxes::Answer::Ok);
        typNaam(form, naam);
        Klik(form, QStringLiteral("SaveKnop"));

        const MessageBoxes::Box verwacht { melding, QStringLiteral("Error"),
            MessageBoxes::Icon::Critical, MessageBoxes::Buttons::Ok };
        QCOMPARE(m->test.berichten().shown(), QList<MessageBoxes::Box> { verwacht });
        QCOMPARE(dataBestanden(), QStringList { QStringLiteral("Mei.lst") });
        QCOMPARE(m->test.leesData(QStringLiteral("Mei.lst")), TweeItemsBestand);
        QCOMPARE(QDir(m->test.map()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList { QStringLiteral("Data") });
        QVERIFY(form.isVisible());
        QVERIFY(m->klok.wachttijden.isEmpty());
        QCOMPARE(waarden().LijstNaam, QStringLiteral("oud"));
        QVERIFY(waarden().Gewijzigd);
    }

    void annulerenSchrijftNiets()
    {
        SaveForm form(m->hoofd);
        form.show();
        typNaam(form, QStringLiteral("2026 Mei"));
        Klik(form, QStringLiteral("CancelKnop"));
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(dataBestanden().isEmpty());
        QCOMPARE(waarden().LijstNaam, QStringLiteral("oud"));
        QVERIFY(waarden().Gewijzigd);
    }

    void sluitenTijdensAnimatie_data()
    {
        QTest::addColumn<QString>("hoe");
        QTest::addColumn<int>("bijWacht");
        for (const QString &hoe :
            { QStringLiteral("Annuleren"), QStringLiteral("venster"), QStringLiteral("Escape") }) {
            QTest::addRow("%s bij de eerste stap", qPrintable(hoe)) << hoe << 1;
            QTest::addRow("%s halfweg", qPrintable(hoe)) << hoe << 76;
            QTest::addRow("%s bij 100%%", qPrintable(hoe)) << hoe << 152;
        }
    }

    void sluitenTijdensAnimatie()
    {
        QFETCH(QString, hoe);
        QFETCH(int, bijWacht);
        SaveForm form(m->hoofd);
        form.show();
        m->klok.bijWachten = [&](int nummer) {
            if (nummer != bijWacht)
                return;
            if (hoe == u"Annuleren")
                Klik(form, QStringLiteral("CancelKnop"));
            else if (hoe == u"venster")
                form.close();
            else
                QTest::keyClick(&form, Qt::Key_Escape);
        };
        typNaam(form, QStringLiteral("2026 Mei"));
        Klik(form, QStringLiteral("SaveKnop"));

        // The sequence stops at once; the file was written, so the list counts as saved.
        QCOMPARE(m->klok.wachttijden.size(), bijWacht);
        QVERIFY(!form.isVisible());
        QCOMPARE(m->test.leesData(QStringLiteral("2026 Mei.lst")), TweeItemsBestand);
        QCOMPARE(waarden().LijstNaam, QStringLiteral("2026 Mei"));
        QVERIFY(!waarden().Gewijzigd);
    }

    // As the main window opens it: modal, and gone once closed.
    void sluitenTijdensAnimatieModaalVerwijderd()
    {
        QPointer<SaveForm> form = new SaveForm(m->hoofd);
        form->setAttribute(Qt::WA_DeleteOnClose);
        m->klok.bijWachten = [&](int nummer) {
            if (nummer == 40)
                Klik(*form, QStringLiteral("CancelKnop"));
        };
        bool gedaan = false;
        QTimer::singleShot(0, form, [&] {
            typNaam(*form, QStringLiteral("2026 Mei"));
            Klik(*form, QStringLiteral("SaveKnop"));
            gedaan = true;
        });
        form->exec();
        QVERIFY(gedaan);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());
        QCOMPARE(m->klok.wachttijden.size(), 40);
        QVERIFY(!waarden().Gewijzigd);
    }

    void tweedeKlikTijdensAnimatieDoetNiets()
    {
        SaveForm form(m->hoofd);
        form.show();
        m->klok.bijWachten = [&](int nummer) {
            if (nummer == 10)
                Klik(form, QStringLiteral("SaveKnop"));
        };
        typNaam(form, QStringLiteral("2026 Mei"));
        Klik(form, QStringLiteral("SaveKnop"));
        QCOMPARE(m->klok.wachttijden.size(), 152);
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(TstSaveForm)
#include "tst_saveform.moc"
