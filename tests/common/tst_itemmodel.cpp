#include "common/ItemModel.h"

#include "ModelRows.h"

#include <QAbstractItemModelTester>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

Item Rij(int n)
{
    return { QStringLiteral("2026-12-%1").arg(n, 2, 10, QLatin1Char('0')),
        QStringLiteral("Post %1").arg(n), QStringLiteral("%1,00").arg(n), QString() };
}

QString RijTekst(int n)
{
    return QStringLiteral("2026-12-%1 | Post %2 | %2,00 | ").arg(n, 2, 10, QLatin1Char('0')).arg(n);
}

QStringList RijTeksten(std::initializer_list<int> nummers)
{
    QStringList rijen;
    for (const int n : nummers)
        rijen << RijTekst(n);
    return rijen;
}

std::vector<Item> Alle(const ItemModel &model)
{
    std::vector<Item> items;
    for (int rij = 0; rij < model.Aantal(); ++rij)
        items.push_back(model.Rij(rij));
    return items;
}

ItemRijen Reeks(const std::vector<Item> &items)
{
    ItemRijen rijen;
    for (const Item &item : items)
        rijen.Voeg(item);
    return rijen;
}

// Every cell read three ways, so a cell that runs into its neighbour shows in at least one.
void VergelijkAlles(const ItemModel &model, const std::vector<Item> &verwacht)
{
    QCOMPARE(model.Aantal(), static_cast<int>(verwacht.size()));
    QCOMPARE(Alle(model), verwacht);
    for (int rij = 0; rij < model.Aantal(); ++rij) {
        const Item &item = verwacht[static_cast<size_t>(rij)];
        const QString cellen[] = { item.datum, item.omschrijving, item.inkomsten, item.uitgaven };
        for (int kolom = 0; kolom < ItemModel::AantalKolommen; ++kolom) {
            QCOMPARE(model.Cel(rij, kolom), cellen[kolom]);
            QCOMPARE(model.index(rij, kolom).data().toString(), cellen[kolom]);
        }
    }
}

// Texts of 0 to 12 characters, any 16-bit value included, drawn from a fixed seed.
QString Willekeurig(QRandomGenerator &toeval)
{
    QString tekst(toeval.bounded(13), Qt::Uninitialized);
    for (QChar &c : tekst)
        c = QChar(static_cast<char16_t>(
            toeval.bounded(4) == 0 ? toeval.bounded(0x10000) : 'a' + toeval.bounded(26)));
    return tekst;
}

Item WillekeurigItem(QRandomGenerator &toeval)
{
    return { Willekeurig(toeval), Willekeurig(toeval), Willekeurig(toeval), Willekeurig(toeval) };
}

} // namespace

class TestItemModel : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void kolomKoppen_data();
    void kolomKoppen();
    void bedragenStaanRechts();

    void toevoegenAchteraan();
    void reeksToevoegen_data();
    void reeksToevoegen();
    void legeReeksVerandertNiets();
    void wijzigenVanEenRij();
    void verwijderenSchuiftDeRestOp_data();
    void verwijderenSchuiftDeRestOp();
    void leegMaken();
    void cellenZoalsIngevoerd();
    void cellenBlijvenGescheiden_data();
    void cellenBlijvenGescheiden();
    void vaakWijzigenHoudtElkeRijExact();
    void wijzigenMetTekstenUitDeTabel();
    void reeksNaWijzigingen_data();
    void reeksNaWijzigingen();
    void leegGemaakteTabelNeemtReeksOver();
    void onvolledigeRijVervalt();

private:
    std::unique_ptr<ItemModel> m_model;
    std::unique_ptr<QAbstractItemModelTester> m_tester;
};

void TestItemModel::init()
{
    m_model = std::make_unique<ItemModel>();
    m_tester = std::make_unique<QAbstractItemModelTester>(
        m_model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void TestItemModel::cleanup()
{
    m_tester.reset();
    m_model.reset();
}

void TestItemModel::kolomKoppen_data()
{
    QTest::addColumn<int>("kolom");
    QTest::addColumn<QString>("kop");

    QTest::newRow("1") << 0 << QStringLiteral("Datum");
    QTest::newRow("2") << 1 << QStringLiteral("Omschrijving");
    QTest::newRow("3") << 2 << QStringLiteral("Inkomsten");
    QTest::newRow("4") << 3 << QStringLiteral("Uitgaven");
}

void TestItemModel::kolomKoppen()
{
    QFETCH(int, kolom);
    QFETCH(QString, kop);
    QCOMPARE(m_model->columnCount(), 4);
    QCOMPARE(m_model->headerData(kolom, Qt::Horizontal).toString(), kop);
}

void TestItemModel::bedragenStaanRechts()
{
    m_model->VoegToe(Rij(1));
    for (int kolom = 0; kolom < m_model->columnCount(); ++kolom) {
        const Qt::Alignment verwacht = kolom >= 2 ? Qt::AlignRight : Qt::AlignLeft;
        const auto cel = m_model->index(0, kolom).data(Qt::TextAlignmentRole).toInt();
        const auto kop = m_model->headerData(kolom, Qt::Horizontal, Qt::TextAlignmentRole).toInt();
        QCOMPARE(Qt::Alignment(cel) & Qt::AlignHorizontal_Mask, verwacht);
        QCOMPARE(Qt::Alignment(kop) & Qt::AlignHorizontal_Mask, verwacht);
    }
}

void TestItemModel::toevoegenAchteraan()
{
    QSignalSpy ingevoegd(m_model.get(), &QAbstractItemModel::rowsInserted);
    for (const int n : { 3, 1, 2 })
        m_model->VoegToe(Rij(n));

    QCOMPARE(ModelRows(*m_model), RijTeksten({ 3, 1, 2 }));
    QCOMPARE(m_model->Aantal(), 3);
    QCOMPARE(m_model->Rij(2), Rij(2));
    QCOMPARE(ingevoegd.size(), 3);
    QCOMPARE(ingevoegd.at(2).at(1).toInt(), 2);
    QCOMPARE(ingevoegd.at(2).at(2).toInt(), 2);
}

void TestItemModel::reeksToevoegen_data()
{
    QTest::addColumn<int>("vooraf");
    QTest::addColumn<int>("erbij");

    QTest::newRow("into an empty table") << 0 << 3;
    QTest::newRow("after existing rows") << 2 << 3;
    QTest::newRow("one row") << 1 << 1;
}

void TestItemModel::reeksToevoegen()
{
    QFETCH(int, vooraf);
    QFETCH(int, erbij);
    QStringList verwacht;
    for (int n = 1; n <= vooraf; ++n) {
        m_model->VoegToe(Rij(n));
        verwacht << RijTekst(n);
    }
    ItemRijen reeks;
    for (int n = vooraf + 1; n <= vooraf + erbij; ++n) {
        reeks.Voeg(Rij(n));
        verwacht << RijTekst(n);
    }

    QSignalSpy ingevoegd(m_model.get(), &QAbstractItemModel::rowsInserted);
    m_model->VoegToe(std::move(reeks));

    QCOMPARE(ModelRows(*m_model), verwacht);
    QCOMPARE(ingevoegd.size(), 1);
    QCOMPARE(ingevoegd.at(0).at(1).toInt(), vooraf);
    QCOMPARE(ingevoegd.at(0).at(2).toInt(), vooraf + erbij - 1);
}

void TestItemModel::legeReeksVerandertNiets()
{
    m_model->VoegToe(Rij(1));
    QSignalSpy ingevoegd(m_model.get(), &QAbstractItemModel::rowsInserted);
    m_model->VoegToe(ItemRijen());
    QCOMPARE(ingevoegd.size(), 0);
    QCOMPARE(ModelRows(*m_model), RijTeksten({ 1 }));
}

void TestItemModel::wijzigenVanEenRij()
{
    for (const int n : { 1, 2, 3 })
        m_model->VoegToe(Rij(n));
    QSignalSpy gewijzigd(m_model.get(), &QAbstractItemModel::dataChanged);

    m_model->Wijzig(1, Rij(9));

    QCOMPARE(ModelRows(*m_model), RijTeksten({ 1, 9, 3 }));
    QCOMPARE(gewijzigd.size(), 1);
    const auto van = gewijzigd.at(0).at(0).value<QModelIndex>();
    const auto tot = gewijzigd.at(0).at(1).value<QModelIndex>();
    QCOMPARE(van, m_model->index(1, 0));
    QCOMPARE(tot, m_model->index(1, 3));
}

void TestItemModel::verwijderenSchuiftDeRestOp_data()
{
    QTest::addColumn<int>("rij");
    QTest::addColumn<QStringList>("over");

    QTest::newRow("first") << 0 << RijTeksten({ 2, 3 });
    QTest::newRow("middle") << 1 << RijTeksten({ 1, 3 });
    QTest::newRow("last") << 2 << RijTeksten({ 1, 2 });
}

void TestItemModel::verwijderenSchuiftDeRestOp()
{
    QFETCH(int, rij);
    QFETCH(QStringList, over);
    for (const int n : { 1, 2, 3 })
        m_model->VoegToe(Rij(n));
    QSignalSpy verwijderd(m_model.get(), &QAbstractItemModel::rowsRemoved);

    m_model->Verwijder(rij);

    QCOMPARE(ModelRows(*m_model), over);
    QCOMPARE(verwijderd.size(), 1);
    QCOMPARE(verwijderd.at(0).at(1).toInt(), rij);
    QCOMPARE(verwijderd.at(0).at(2).toInt(), rij);
}

void TestItemModel::leegMaken()
{
    for (const int n : { 1, 2, 3 })
        m_model->VoegToe(Rij(n));
    QSignalSpy gereset(m_model.get(), &QAbstractItemModel::modelReset);

    m_model->MaakLeeg();

    QCOMPARE(gereset.size(), 1);
    QCOMPARE(m_model->rowCount(), 0);
    QCOMPARE(m_model->Aantal(), 0);

    // A cleared table takes new rows as before.
    m_model->VoegToe(Rij(4));
    QCOMPARE(ModelRows(*m_model), RijTeksten({ 4 }));
}

// No cell is trimmed, formatted or checked: rows from a file come as they are.
void TestItemModel::cellenZoalsIngevoerd()
{
    const Item vreemd { QStringLiteral("-"), QStringLiteral("  Huur  "), QStringLiteral("abc"),
        QStringLiteral("12.5") };
    m_model->VoegToe(vreemd);
    m_model->VoegToe(Item {});
    QCOMPARE(ModelRows(*m_model),
        QStringList({ QStringLiteral("- |   Huur   | abc | 12.5"), QStringLiteral(" |  |  | ") }));
    QCOMPARE(Alle(*m_model), std::vector<Item>({ vreemd, Item {} }));
}

// All rows lie in one string: an empty cell, or any character in a cell, must neither take
// from nor give to the cells beside it, in the same row or the next.
void TestItemModel::cellenBlijvenGescheiden_data()
{
    QTest::addColumn<std::vector<Item>>("items");

    const QString vreemd = QString::fromUtf16(u"\0\r\n\t|\U0001F600\xFFFF\xD800 ") + QChar(0);
    QTest::newRow("all cells empty") << std::vector<Item>(3);
    QTest::newRow("empty cells between full ones")
        << std::vector<Item> { { {}, QStringLiteral("a"), {}, QStringLiteral("b") },
               { QStringLiteral("c"), {}, QStringLiteral("d"), {} }, {},
               { {}, {}, {}, QStringLiteral("e") } };
    QTest::newRow("any characters") << std::vector<Item> { { vreemd, vreemd, vreemd, vreemd },
        { {}, vreemd, {}, vreemd }, { vreemd, {}, vreemd, {} } };
    QTest::newRow("one long cell") << std::vector<Item> { { QString(100000, u'x'), {}, {}, {} },
        { {}, {}, {}, QString(70000, u'y') }, Rij(1) };
}

void TestItemModel::cellenBlijvenGescheiden()
{
    QFETCH(std::vector<Item>, items);
    for (const Item &item : items)
        m_model->VoegToe(item);
    m_model->VoegToe(Reeks(items));

    std::vector<Item> verwacht = items;
    verwacht.insert(verwacht.end(), items.begin(), items.end());
    VergelijkAlles(*m_model, verwacht);
}

// Changes, removals and additions in a fixed random order, checked against a plain list after
// each step; the changed texts pile up until the table clears them away, many times over.
void TestItemModel::vaakWijzigenHoudtElkeRijExact()
{
    QRandomGenerator toeval(20260512);
    std::vector<Item> verwacht;
    for (int n = 0; n < 40; ++n) {
        verwacht.push_back(WillekeurigItem(toeval));
        m_model->VoegToe(verwacht.back());
    }
    for (int stap = 0; stap < 2000; ++stap) {
        const int keuze = toeval.bounded(10);
        const int rij = verwacht.empty() ? 0 : toeval.bounded(static_cast<int>(verwacht.size()));
        if (keuze < 7 && !verwacht.empty()) {
            verwacht[static_cast<size_t>(rij)] = WillekeurigItem(toeval);
            m_model->Wijzig(rij, verwacht[static_cast<size_t>(rij)]);
        } else if (keuze < 9 && !verwacht.empty()) {
            verwacht.erase(verwacht.begin() + rij);
            m_model->Verwijder(rij);
        } else {
            verwacht.push_back(WillekeurigItem(toeval));
            m_model->VoegToe(verwacht.back());
        }
        QCOMPARE(Alle(*m_model), verwacht);
    }
    VergelijkAlles(*m_model, verwacht);
}

// A row changed to the texts of another row, or of itself, gets them whole.
void TestItemModel::wijzigenMetTekstenUitDeTabel()
{
    for (const int n : { 1, 2, 3 })
        m_model->VoegToe(Rij(n));
    for (int keer = 0; keer < 100; ++keer) {
        m_model->Wijzig(0, m_model->Rij(2));
        m_model->Wijzig(2, m_model->Rij(2));
    }
    VergelijkAlles(*m_model, { Rij(3), Rij(2), Rij(3) });

    ItemRijen rijen = Reeks({ Rij(4), Rij(5) });
    for (int keer = 0; keer < 100; ++keer)
        rijen.Voeg(rijen.Cel(0, 0), rijen.Cel(1, 1), rijen.Cel(keer + 1, 2), rijen.Cel(0, 3));
    QCOMPARE(rijen.Rij(101),
        (Item {
            QStringLiteral("2026-12-04"), QStringLiteral("Post 5"), QStringLiteral("5,00"), {} }));
}

void TestItemModel::reeksNaWijzigingen_data()
{
    QTest::addColumn<int>("vooraf");
    QTest::addColumn<bool>("reeksGewijzigd");

    QTest::newRow("changed table, plain batch") << 6 << false;
    QTest::newRow("changed table, changed batch") << 6 << true;
    QTest::newRow("one row, changed batch") << 1 << true;
}

// A batch after rows whose old texts still lie about, from a batch that has some of its own.
void TestItemModel::reeksNaWijzigingen()
{
    QFETCH(int, vooraf);
    QFETCH(bool, reeksGewijzigd);
    std::vector<Item> verwacht;
    for (int n = 1; n <= vooraf; ++n) {
        m_model->VoegToe(Rij(n));
        verwacht.push_back(Rij(n + 20));
    }
    for (int rij = 0; rij < vooraf; ++rij)
        m_model->Wijzig(rij, Rij(rij + 21));

    ItemRijen reeks = Reeks({ Rij(40), Rij(41), Rij(42) });
    if (reeksGewijzigd)
        reeks.Vervang(1, Item { QStringLiteral("x"), {}, {}, QStringLiteral("y") });
    verwacht.push_back(Rij(40));
    verwacht.push_back(
        reeksGewijzigd ? Item { QStringLiteral("x"), {}, {}, QStringLiteral("y") } : Rij(41));
    verwacht.push_back(Rij(42));

    QSignalSpy ingevoegd(m_model.get(), &QAbstractItemModel::rowsInserted);
    m_model->VoegToe(std::move(reeks));
    QCOMPARE(ingevoegd.size(), 1);
    VergelijkAlles(*m_model, verwacht);

    // And the table goes on after it.
    m_model->Verwijder(0);
    m_model->Wijzig(vooraf, Rij(7));
    verwacht.erase(verwacht.begin());
    verwacht[static_cast<size_t>(vooraf)] = Rij(7);
    VergelijkAlles(*m_model, verwacht);
}

void TestItemModel::leegGemaakteTabelNeemtReeksOver()
{
    for (const int n : { 1, 2, 3 })
        m_model->VoegToe(Rij(n));
    m_model->Wijzig(1, Rij(8));
    m_model->MaakLeeg();

    m_model->VoegToe(Reeks({ Rij(5), Rij(6) }));
    VergelijkAlles(*m_model, { Rij(5), Rij(6) });

    // Removing every row leaves a table that takes a batch as if new.
    m_model->Verwijder(1);
    m_model->Verwijder(0);
    QCOMPARE(m_model->rowCount(), 0);
    m_model->VoegToe(Reeks({ Rij(7) }));
    VergelijkAlles(*m_model, { Rij(7) });
}

// A reader that gives up halfway through a row leaves the rows before it as they were.
void TestItemModel::onvolledigeRijVervalt()
{
    ItemRijen rijen = Reeks({ Rij(1) });
    const auto cel = [&rijen](const QString &tekst) {
        rijen.VoegCel(tekst.size(), [&tekst](char16_t *uit) {
            return std::copy(tekst.utf16(), tekst.utf16() + tekst.size(), uit);
        });
    };
    cel(QStringLiteral("half"));
    cel(QStringLiteral("af"));
    rijen.Verwerp();
    for (const QString &tekst :
        { QStringLiteral("d"), QString(), QStringLiteral("i"), QStringLiteral("u") })
        cel(tekst);
    rijen.SluitRij();

    m_model->VoegToe(std::move(rijen));
    VergelijkAlles(*m_model,
        { Rij(1), { QStringLiteral("d"), {}, QStringLiteral("i"), QStringLiteral("u") } });
}

QTEST_MAIN(TestItemModel)
#include "tst_itemmodel.moc"
