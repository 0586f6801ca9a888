#include "Afdrukregels.h"
#include "common/ItemModel.h"
#include "common/Opmaak.h"
#include "platform/QtPrinter.h"
#include "platform/Twips.h"
#include "printing/LijstAfdruk.h"

#include <QFontMetrics>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Runs a tool of poppler-utils and returns what it wrote.
QString Poppler(const QString &tool, const QStringList &argumenten)
{
    if (QStandardPaths::findExecutable(tool).isEmpty())
        qFatal("%s is missing: scripts/install-deps installs poppler-utils", qPrintable(tool));
    QProcess proces;
    proces.start(tool, argumenten);
    if (!proces.waitForFinished(60000) || proces.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(tool), proces.readAllStandardError().constData());
    return QString::fromUtf8(proces.readAllStandardOutput());
}

int Paginas(const QString &pdf)
{
    const QRegularExpression paginas(
        QStringLiteral("^Pages:\\s+(\\d+)$"), QRegularExpression::MultilineOption);
    return paginas.match(Poppler(QStringLiteral("pdfinfo"), { pdf })).captured(1).toInt();
}

QString Tekst(const QString &pdf, int pagina, const QStringList &extra = {})
{
    const QString nummer = QString::number(pagina);
    return Poppler(QStringLiteral("pdftotext"),
        extra
            + QStringList { QStringLiteral("-f"), nummer, QStringLiteral("-l"), nummer, pdf,
                QStringLiteral("-") });
}

int Breedte(const QString &tekst)
{
    return QFontMetrics(Arial(9.75)).horizontalAdvance(tekst) * twips::perPixel;
}

} // namespace

// The list printed through Qt into PDF files, read back with poppler: the page count and where
// the texts stand on the paper.
class TstQtPrinter : public QObject {
    Q_OBJECT

    QTemporaryDir m_map;

    QString Druk(int aantal, const QString &naam)
    {
        ItemModel items;
        VulLijst(items, aantal);
        const QString pad = m_map.filePath(naam);
        auto printer = QtPrinter::ToPdfFile(pad, QStringLiteral("Geldlog"));
        QString fout;
        const LijstAfdruk afdruk { QStringLiteral("2026 December"), QDateTime::currentDateTime(),
            &items, QStringLiteral("Saldo..... : € 1,00"), QStringLiteral("€ 2,00"),
            QStringLiteral("€ 1,00"), true, true };
        if (!PrintLijst(*printer, afdruk, Breedte, &fout))
            qFatal("printing failed: %s", qPrintable(fout));
        return pad;
    }

private Q_SLOTS:
    void paginas_data()
    {
        QTest::addColumn<int>("aantal");
        QTest::addColumn<int>("paginas");
        QTest::addColumn<QString>("laatste");
        QTest::newRow("50") << 50 << 2 << QStringLiteral("Post 50");
        QTest::newRow("51") << 51 << 2 << QStringLiteral("Post 51");
        QTest::newRow("120") << 120 << 3 << QStringLiteral("Post 120");
    }

    void paginas()
    {
        QFETCH(int, aantal);
        QFETCH(int, paginas);
        QFETCH(QString, laatste);

        const QString pdf = Druk(aantal, QStringLiteral("lijst-%1.pdf").arg(aantal));
        QCOMPARE(Paginas(pdf), paginas);
        // The last entry and the totals are on the page the layout puts them on.
        const int paginaVanLaatste = aantal <= 50 ? 1 : 2 + (aantal - 51) / 51;
        QVERIFY(Tekst(pdf, paginaVanLaatste).contains(laatste));
        const QString slot = Tekst(pdf, paginas);
        QVERIFY(slot.contains(QStringLiteral("Saldo..... : € 1,00")));
        QVERIFY(slot.contains(QStringLiteral("Datum")));
        QVERIFY(!slot.contains(QStringLiteral("2026 December")));
    }

    // Twips land at their place on paper: "Datum" stands at 300 and 990 twips from the top left
    // of the printable area, which lies a quarter inch (18 points) inside the sheet.
    void plaatsOpPapier()
    {
        const QString pdf = Druk(1, QStringLiteral("plaats.pdf"));
        const QString woorden = Tekst(pdf, 1, { QStringLiteral("-bbox") });
        const QRegularExpression datum(QLatin1StringView(
            R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="([\d.]+)">Datum</word>)re"));
        const QRegularExpressionMatch plaats = datum.match(woorden);
        QVERIFY2(plaats.hasMatch(), qPrintable(woorden));
        const double punten = 20.0; // twips to a point
        QVERIFY(qAbs(plaats.captured(1).toDouble() - (18 + 300 / punten)) < 1.0);
        // The top of the line, with the font's ascent above the letters.
        QVERIFY(qAbs(plaats.captured(2).toDouble() - (18 + 990 / punten)) < 2.0);
        // Arial 10 point: the line is about 11.5 points high.
        const double hoogte = plaats.captured(3).toDouble() - plaats.captured(2).toDouble();
        QVERIFY2(hoogte > 9 && hoogte < 14, qPrintable(QString::number(hoogte)));
    }

    // A job that cannot start fails with a reason in Dutch and leaves no file.
    void kanNietBeginnen()
    {
        const QString pad = m_map.filePath(QStringLiteral("geen/map/lijst.pdf"));
        auto printer = QtPrinter::ToPdfFile(pad, QStringLiteral("Geldlog"));
        ItemModel items;
        VulLijst(items, 3);
        QString fout;
        QVERIFY(!PrintLijst(*printer, { {}, {}, &items, {}, {}, {}, true, true }, Breedte, &fout));
        QCOMPARE(fout, QStringLiteral("De afdruktaak kon niet worden gestart."));
        QVERIFY(!QFile::exists(pad));
    }
};

QTEST_MAIN(TstQtPrinter)
#include "tst_qtprinter.moc"
