#include "common/Bedrag.h"

#include <QTest>

#include <cfloat>
#include <cmath>
#include <limits>

class TestBedrag : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void waardeLeestHetGetalAanHetBegin_data();
    void waardeLeestHetGetalAanHetBegin();
    void waardeVanEenZeerLangBedragBlijftEindig_data();
    void waardeVanEenZeerLangBedragBlijftEindig();

    void opgemaaktRondtAfOpTweeDecimalen_data();
    void opgemaaktRondtAfOpTweeDecimalen();
    void opgemaaktVanZeerLangeInvoer_data();
    void opgemaaktVanZeerLangeInvoer();

    void getyptBedrag_data();
    void getyptBedrag();

    void ongeformatteerdVervangtAlleenPunten_data();
    void ongeformatteerdVervangtAlleenPunten();

    void tekstVanEenWaarde_data();
    void tekstVanEenWaarde();
    void tekstVanEenZeerGroteWaarde();
    void elkBedragInCentenKomtOngewijzigdTerug();
};

void TestBedrag::waardeLeestHetGetalAanHetBegin_data()
{
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<double>("waarde");

    QTest::newRow("decimal comma") << QStringLiteral("12,50") << 12.5;
    QTest::newRow("decimal point") << QStringLiteral("12.50") << 12.5;
    QTest::newRow("whole number") << QStringLiteral("7") << 7.0;
    QTest::newRow("text after the number") << QStringLiteral("12abc") << 12.0;
    QTest::newRow("no number") << QStringLiteral("abc") << 0.0;
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("only blanks") << QStringLiteral("   ") << 0.0;
    QTest::newRow("blank and minus") << QStringLiteral(" -3,5") << -3.5;
    QTest::newRow("tab before") << QStringLiteral("\t 8") << 8.0;
    QTest::newRow("plus sign") << QStringLiteral("+5") << 5.0;
    QTest::newRow("lone minus") << QStringLiteral("-") << 0.0;
    QTest::newRow("two minus signs") << QStringLiteral("--5") << 0.0;
    QTest::newRow("blank after the sign") << QStringLiteral("- 5") << 0.0;
    QTest::newRow("no digit before the comma") << QStringLiteral(",5") << 0.5;
    QTest::newRow("minus, no digit before the comma") << QStringLiteral("-,25") << -0.25;
    QTest::newRow("nothing after the comma") << QStringLiteral("5,") << 5.0;
    QTest::newRow("lone comma") << QStringLiteral(",") << 0.0;
    QTest::newRow("dot grouping stops at the second separator")
        << QStringLiteral("1.234,56") << 1.234;
    QTest::newRow("second comma stops") << QStringLiteral("1,5,7") << 1.5;
    QTest::newRow("no exponent is read") << QStringLiteral("1e999") << 1.0;
    QTest::newRow("capital exponent") << QStringLiteral("2E5") << 2.0;
    QTest::newRow("inf is no number") << QStringLiteral("inf") << 0.0;
    QTest::newRow("nan is no number") << QStringLiteral("nan") << 0.0;
    QTest::newRow("hexadecimal is read as its leading 0") << QStringLiteral("0x1A") << 0.0;
    QTest::newRow("leading zeros") << QStringLiteral("007,5") << 7.5;
    QTest::newRow("NUL ends the number") << QStringView(u"12\0"
                                                        "34",
        5)
                                                .toString()
                                         << 12.0;
    QTest::newRow("NUL first") << QStringView(u"\0"
                                              "5",
        2)
                                      .toString()
                               << 0.0;
    QTest::newRow("control character first") << QStringLiteral("\x01"
                                                               "5")
                                             << 0.0;
    QTest::newRow("control character after") << QStringLiteral("5\x07"
                                                               "9")
                                             << 5.0;
    QTest::newRow("line break first") << QStringLiteral("\n5") << 0.0;
    QTest::newRow("digits of another script") << QStringLiteral("\u0661\u0662") << 0.0;
    QTest::newRow("full-width digits") << QStringLiteral("\uFF11\uFF12") << 0.0;
}

void TestBedrag::waardeLeestHetGetalAanHetBegin()
{
    QFETCH(QString, tekst);
    QFETCH(double, waarde);
    QCOMPARE(BedragWaarde(tekst), waarde);
}

void TestBedrag::waardeVanEenZeerLangBedragBlijftEindig_data()
{
    QTest::addColumn<QString>("tekst");
    // NaN where only finiteness is promised.
    QTest::addColumn<double>("waarde");

    const double onbepaald = std::numeric_limits<double>::quiet_NaN();
    // From a thousand billion on, a text is no amount.
    QTest::newRow("10,000 nines") << QString(10000, u'9') << 0.0;
    QTest::newRow("10,000 nines, negative") << u'-' + QString(10000, u'9') << 0.0;
    QTest::newRow("309 digits, beyond the largest double") << QString(309, u'9') << 0.0;
    QTest::newRow("a thousand billion") << QStringLiteral("1000000000000000") << 0.0;
    QTest::newRow("just below a thousand billion")
        << QStringLiteral("999999999999999") << 999999999999999.0;
    QTest::newRow("9,999 zeros and a 5") << QString(9999, u'0') + u'5' << 5.0;
    QTest::newRow("a 1 after 10,000 decimal zeros")
        << QStringLiteral("0,") + QString(10000, u'0') + u'1' << onbepaald;
    QTest::newRow("10,000 decimals") << QStringLiteral("3,") + QString(10000, u'3') << onbepaald;
    QTest::newRow("10,000 commas") << QString(10000, u',') << 0.0;
}

void TestBedrag::waardeVanEenZeerLangBedragBlijftEindig()
{
    QFETCH(QString, tekst);
    QFETCH(double, waarde);
    const double gelezen = BedragWaarde(tekst);
    QVERIFY2(std::isfinite(gelezen), qPrintable(QString::number(gelezen)));
    if (!std::isnan(waarde))
        QCOMPARE(gelezen, waarde);
}

void TestBedrag::opgemaaktRondtAfOpTweeDecimalen_data()
{
    QTest::addColumn<QString>("invoer");
    QTest::addColumn<QString>("opgemaakt");

    QTest::newRow("two decimals") << QStringLiteral("123,78") << QStringLiteral("123,78");
    QTest::newRow("decimal point") << QStringLiteral("45.00") << QStringLiteral("45,00");
    QTest::newRow("whole number") << QStringLiteral("7") << QStringLiteral("7,00");
    QTest::newRow("one decimal") << QStringLiteral("12.5") << QStringLiteral("12,50");
    QTest::newRow("no digit before the comma") << QStringLiteral(",5") << QStringLiteral("0,50");
    QTest::newRow("nothing after the comma") << QStringLiteral("5,") << QStringLiteral("5,00");
    QTest::newRow("negative, rounded") << QStringLiteral("-3,456") << QStringLiteral("-3,46");
    QTest::newRow("half rounds up") << QStringLiteral("2,675") << QStringLiteral("2,68");
    QTest::newRow("half rounds up, even cent") << QStringLiteral("2,665") << QStringLiteral("2,67");
    QTest::newRow("below half rounds down") << QStringLiteral("2,6649") << QStringLiteral("2,66");
    QTest::newRow("negative half away from zero")
        << QStringLiteral("-0,005") << QStringLiteral("-0,01");
    QTest::newRow("carry into a new digit") << QStringLiteral("99,995") << QStringLiteral("100,00");
    QTest::newRow("negative carry") << QStringLiteral("-9,999") << QStringLiteral("-10,00");
    QTest::newRow("negative rounds to zero") << QStringLiteral("-0,001") << QStringLiteral("0,00");
    QTest::newRow("negative zero") << QStringLiteral("-0") << QStringLiteral("0,00");
    QTest::newRow("leading zeros dropped") << QStringLiteral("0012,5") << QStringLiteral("12,50");
    QTest::newRow("zero") << QStringLiteral("0") << QStringLiteral("0,00");
    QTest::newRow("blanks around") << QStringLiteral(" 5 ") << QStringLiteral("5,00");
    QTest::newRow("tab around") << QStringLiteral("\t5\t") << QStringLiteral("5,00");
    QTest::newRow("plus sign") << QStringLiteral("+5") << QStringLiteral("5,00");
    QTest::newRow("no number") << QStringLiteral("abc") << QStringLiteral("abc");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("only blanks are kept") << QStringLiteral("  ") << QStringLiteral("  ");
    QTest::newRow("text after the number") << QStringLiteral("12abc") << QStringLiteral("12abc");
    QTest::newRow("two points") << QStringLiteral("1.2.3") << QStringLiteral("1,2,3");
    QTest::newRow("lone sign") << QStringLiteral("-") << QStringLiteral("-");
    QTest::newRow("lone comma") << QStringLiteral(",") << QStringLiteral(",");
    QTest::newRow("blank after the sign") << QStringLiteral("- 5") << QStringLiteral("- 5");
    QTest::newRow("two signs") << QStringLiteral("--5") << QStringLiteral("--5");
    QTest::newRow("exponent") << QStringLiteral("1e3") << QStringLiteral("1e3");
    QTest::newRow("NUL inside") << QStringView(u"5\0", 2).toString()
                                << QStringView(u"5\0", 2).toString();
}

void TestBedrag::opgemaaktRondtAfOpTweeDecimalen()
{
    QFETCH(QString, invoer);
    QFETCH(QString, opgemaakt);
    QCOMPARE(BedragOpgemaakt(invoer), opgemaakt);
}

void TestBedrag::opgemaaktVanZeerLangeInvoer_data()
{
    QTest::addColumn<QString>("invoer");
    QTest::addColumn<QString>("opgemaakt");

    QTest::newRow("10,000 ones") << QString(10000, u'1')
                                 << QString(10000, u'1') + QStringLiteral(",00");
    QTest::newRow("carry through 10,000 nines") << QString(9996, u'9')
            + QStringLiteral(",995") << u'1' + QString(9996, u'0') + QStringLiteral(",00");
    QTest::newRow("10,000 decimals")
        << QStringLiteral("0,") + QString(10000, u'4') << QStringLiteral("0,44");
    QTest::newRow("10,000 letters") << QString(10000, u'x') << QString(10000, u'x');
    QTest::newRow("10,000 points") << QString(10000, u'.') << QString(10000, u',');
}

void TestBedrag::opgemaaktVanZeerLangeInvoer()
{
    QFETCH(QString, invoer);
    QFETCH(QString, opgemaakt);
    QCOMPARE(BedragOpgemaakt(invoer), opgemaakt);
}

void TestBedrag::getyptBedrag_data()
{
    QTest::addColumn<QString>("invoer");
    QTest::addColumn<QString>("melding"); // empty when taken
    QTest::addColumn<QString>("opgemaakt"); // stored by adding
    QTest::addColumn<QString>("ongeformatteerd"); // stored by changing
    QTest::addColumn<qint64>("centen"); // what both count for

    const auto geenGetal = [](const QString &tekst) {
        return QStringLiteral("Het bedrag \"%1\" is geen getal.").arg(tekst);
    };
    for (const QString &tekst : { u"€ 20"_qs, u"abc"_qs, u"12,5o"_qs, u"1e3"_qs, u"1 000"_qs,
             u"--5"_qs, u"1,234.56"_qs, u"1.23.456,00"_qs, u"1.234.567"_qs, u"5\n0"_qs })
        QTest::newRow(qPrintable(tekst))
            << tekst << geenGetal(tekst) << QString() << QString() << qint64(0);
    QTest::newRow("blanks around, not in the message")
        << u" abc "_qs << geenGetal(u"abc"_qs) << QString() << QString() << qint64(0);
    QTest::newRow("1.000") << u"1.000"_qs << u"Schrijf \"1.000\" als 1000 of als 1,00."_qs
                           << QString() << QString() << qint64(0);
    QTest::newRow("-12.345") << u"-12.345"_qs << u"Schrijf \"-12.345\" als -12345 of als -12,35."_qs
                             << QString() << QString() << qint64(0);
    QTest::newRow("ten thousand billion")
        << u"10000000000000"_qs << u"Het bedrag \"10000000000000\" is te groot."_qs << QString()
        << QString() << qint64(0);
    QTest::newRow("just below") << u"9999999999999,99"_qs << QString() << u"9999999999999,99"_qs
                                << u"9999999999999,99"_qs << qint64(999999999999999);
    QTest::newRow("grouped") << u"1.234,56"_qs << QString() << u"1234,56"_qs << u"1234,56"_qs
                             << qint64(123456);
    QTest::newRow("grouped twice") << u"12.345.678,90"_qs << QString() << u"12345678,90"_qs
                                   << u"12345678,90"_qs << qint64(1234567890);
    QTest::newRow("decimal point")
        << u"45.00"_qs << QString() << u"45,00"_qs << u"45,00"_qs << qint64(4500);
    QTest::newRow("zero before three decimals")
        << u"0.125"_qs << QString() << u"0,13"_qs << u"0,125"_qs << qint64(13);
    QTest::newRow("three decimals, changed row keeps them")
        << u"2,675"_qs << QString() << u"2,68"_qs << u"2,675"_qs << qint64(268);
    QTest::newRow("whole") << u"7"_qs << QString() << u"7,00"_qs << u"7"_qs << qint64(700);
}

void TestBedrag::getyptBedrag()
{
    QFETCH(QString, invoer);
    QFETCH(QString, melding);
    QFETCH(QString, opgemaakt);
    QFETCH(QString, ongeformatteerd);
    QFETCH(qint64, centen);

    QCOMPARE(BedragFout(invoer), melding);
    if (!melding.isEmpty())
        return;
    QCOMPARE(BedragOpgemaakt(invoer), opgemaakt);
    QCOMPARE(BedragOngeformatteerd(invoer), ongeformatteerd);
    QCOMPARE(BedragCenten(opgemaakt), centen);
    QCOMPARE(BedragCenten(ongeformatteerd), centen);
    QCOMPARE(CentenTekst(centen), BedragTekst(BedragWaarde(ongeformatteerd)));
}

void TestBedrag::ongeformatteerdVervangtAlleenPunten_data()
{
    QTest::addColumn<QString>("invoer");
    QTest::addColumn<QString>("ongeformatteerd");

    QTest::newRow("whole number stays") << QStringLiteral("7") << QStringLiteral("7");
    QTest::newRow("point becomes comma") << QStringLiteral("12.5") << QStringLiteral("12,5");
    QTest::newRow("not rounded") << QStringLiteral("2.675") << QStringLiteral("2,675");
    QTest::newRow("every point") << QStringLiteral("1.234.5") << QStringLiteral("1,234,5");
    QTest::newRow("blanks kept") << QStringLiteral(" 12.5 ") << QStringLiteral(" 12,5 ");
    QTest::newRow("text kept") << QStringLiteral("abc") << QStringLiteral("abc");
    QTest::newRow("empty") << QString() << QString();
}

void TestBedrag::ongeformatteerdVervangtAlleenPunten()
{
    QFETCH(QString, invoer);
    QFETCH(QString, ongeformatteerd);
    QCOMPARE(BedragOngeformatteerd(invoer), ongeformatteerd);
}

void TestBedrag::tekstVanEenWaarde_data()
{
    QTest::addColumn<double>("waarde");
    QTest::addColumn<QString>("tekst");

    QTest::newRow("zero") << 0.0 << QStringLiteral("0,00");
    QTest::newRow("negative zero") << -0.0 << QStringLiteral("0,00");
    QTest::newRow("tiny negative") << -0.004 << QStringLiteral("0,00");
    QTest::newRow("smallest double, negative")
        << -std::numeric_limits<double>::denorm_min() << QStringLiteral("0,00");
    QTest::newRow("one decimal") << 12.5 << QStringLiteral("12,50");
    QTest::newRow("negative") << -12.5 << QStringLiteral("-12,50");
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << QStringLiteral("0,30");
    QTest::newRow("0.3 - (0.1 + 0.2)") << 0.3 - (0.1 + 0.2) << QStringLiteral("0,00");
    // Halves as typed: the doubles of 2.675 and 2.665 lie just below them.
    QTest::newRow("2.675") << 2.675 << QStringLiteral("2,68");
    QTest::newRow("2.665") << 2.665 << QStringLiteral("2,67");
    QTest::newRow("1.005") << 1.005 << QStringLiteral("1,01");
    QTest::newRow("-3.456") << -3.456 << QStringLiteral("-3,46");
    QTest::newRow("-2.675") << -2.675 << QStringLiteral("-2,68");
    QTest::newRow("99.995") << 99.995 << QStringLiteral("100,00");
    // Sums of typed halves whose doubles miss the half by a hair.
    QTest::newRow("4.859 + 4.736") << 4.859 + 4.736 << QStringLiteral("9,60");
    QTest::newRow("0.696 + 1.009") << 0.696 + 1.009 << QStringLiteral("1,71");
    QTest::newRow("-(4.859 + 4.736)") << -(4.859 + 4.736) << QStringLiteral("-9,60");
    QTest::newRow("seven digits keep their cents") << 1234567.89 << QStringLiteral("1234567,89");
    QTest::newRow("negative, eleven digits")
        << -98765432109.87 << QStringLiteral("-98765432109,87");
    QTest::newRow("1e15") << 1e15 << QStringLiteral("1000000000000000,00");
    QTest::newRow("17 digits") << 12345678901234568.0 << QStringLiteral("12345678901234568,00");
    QTest::newRow("1e20") << 1e20 << QStringLiteral("100000000000000000000,00");
}

void TestBedrag::tekstVanEenWaarde()
{
    QFETCH(double, waarde);
    QFETCH(QString, tekst);
    QCOMPARE(BedragTekst(waarde), tekst);
}

void TestBedrag::tekstVanEenZeerGroteWaarde()
{
    // The largest double has 309 digits before the comma, written out in full.
    const QString tekst = BedragTekst(-DBL_MAX);
    QVERIFY2(tekst.startsWith(QStringLiteral("-17976931348623157")), qPrintable(tekst));
    QVERIFY2(tekst.endsWith(QStringLiteral(",00")), qPrintable(tekst));
    QCOMPARE(tekst.size(), 1 + 309 + 3);
}

// What is typed and stored with two decimals reads back to the same text after summing.
void TestBedrag::elkBedragInCentenKomtOngewijzigdTerug()
{
    for (const qint64 euro : { 0LL, 1LL, 12LL, 999LL, 123456LL, 9999999LL, 123456789012LL }) {
        for (int cent = 0; cent < 100; ++cent) {
            for (const QString &teken : { QString(), QStringLiteral("-") }) {
                if (euro == 0 && cent == 0 && !teken.isEmpty())
                    continue;
                const QString tekst = QStringLiteral("%1%2,%3").arg(teken).arg(euro).arg(
                    cent, 2, 10, QLatin1Char('0'));
                QCOMPARE(BedragOpgemaakt(tekst), tekst);
                QCOMPARE(BedragTekst(BedragWaarde(tekst)), tekst);
                QCOMPARE(CentenTekst(BedragCenten(tekst)), tekst);
            }
        }
    }
}

QTEST_APPLESS_MAIN(TestBedrag)
#include "tst_bedrag.moc"
