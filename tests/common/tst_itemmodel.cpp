#include "common/ItemModel.h"

#include "ModelRows.h"

#include <QAbstractItemModelTester>
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
    std::vector<Item> reeks;
    for (int n = vooraf + 1; n <= vooraf + erbij; ++n) {
        reeks.push_back(Rij(n));
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
    m_model->VoegToe(std::vector<Item>());
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
    QVERIFY(m_model->Items().empty());

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
    QCOMPARE(m_model->Items(), std::vector<Item>({ vreemd, Item {} }));
}

QTEST_MAIN(TestItemModel)
#include "tst_itemmodel.moc"
