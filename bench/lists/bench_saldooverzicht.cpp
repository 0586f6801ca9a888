// The balance overview over a Data folder of 1,000 saved months of 100 entries each, with its
// pauses at zero, beside the time it takes merely to read the same files' bytes: the scan's own
// cost per file, the same on any machine.
#include "listwindows/SaldoOverzicht.h"

#include "BenchProgramma.h"
#include "Figure.h"
#include "SnelsteTijd.h"
#include "common/Programma.h"
#include "controls/MaakKnop.h"
#include "controls/VistaButton.h"
#include "platform/Clock.h"
#include "platform/FileList.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTreeView>

#include <cstdio>

namespace {

constexpr int Bestanden = 1000;
constexpr int Regels = 100;
constexpr int Herhalingen = 5;
constexpr double Doel = 5.0;

// Every pause is over at once. The scan's own work is measured without the events, which a
// real pause handles during its second anyway (repainting the panel, above all); a second
// figure shows the scan with them handled at every pause.
class GeenPauzes final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    void wait(int) override
    {
        if (metGebeurtenissen)
            QCoreApplication::processEvents();
    }
    bool metGebeurtenissen = false;
};

QByteArray Maand(int nummer)
{
    QByteArray bytes;
    for (int i = 0; i < Regels; ++i) {
        bytes += QByteArray::number(2000 + nummer / 12) + '-'
            + QByteArray::number(nummer % 12 + 101).right(2) + "-01\r\n";
        bytes += "Boodschappen " + QByteArray::number(i) + "\r\n";
        bytes += i % 3 == 0 ? "123,45\r\n\r\n" : "\r\n67,89\r\n";
        bytes += "----------------------------\r\n";
    }
    return bytes;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    BenchProgramma<GeenPauzes> bench;
    Programma &programma = bench.programma;

    qint64 grootte = 0;
    for (int nummer = 0; nummer < Bestanden; ++nummer) {
        QFile bestand(programma.DataMap()
            + QStringLiteral("Maand %1.lst").arg(nummer, 4, 10, QLatin1Char('0')));
        const QByteArray bytes = Maand(nummer);
        if (!bestand.open(QIODevice::WriteOnly) || bestand.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(bestand.fileName()));
        grootte += bytes.size();
    }
    std::printf("%d lijsten van %d regels, samen %lld bytes\n", Bestanden, Regels,
        static_cast<long long>(grootte));

    // The bytes of every list, by name, without the folder listing.
    const QStringList namen = listFiles(programma.DataMap(), QStringLiteral("*.lst"));
    const double lezen = SnelsteMs(Herhalingen, [&] {
        for (const QString &naam : namen) {
            QFile bestand(programma.DataMap() + naam);
            if (!bestand.open(QIODevice::ReadOnly) || bestand.readAll().isEmpty())
                qFatal("cannot read %s", qPrintable(naam));
        }
    });

    // The panel as the main window shows it: the button, the labels and the table.
    QWidget paneel;
    VistaButton *showKnop = MaakKnop(
        &paneel, QStringLiteral("ShowKnop"), QStringLiteral("Show"), QRect(160, 100, 66, 24));
    auto *label12 = new QLabel(QStringLiteral("Bestand"), &paneel);
    auto *label11 = new QLabel(QStringLiteral("Totaal €"), &paneel);
    SaldoOverzicht overzicht(programma, *showKnop, *label12, *label11);
    auto *list1 = new QTreeView(&paneel);
    list1->setUniformRowHeights(true);
    list1->setRootIsDecorated(false);
    list1->setModel(&overzicht.Rijen());
    list1->setGeometry(13, 100, 140, 259);
    paneel.resize(326, 408);
    paneel.show();
    QApplication::processEvents();

    const auto scanMs = [&] {
        return SnelsteMs(Herhalingen, [&] {
            overzicht.ShowKnop_Click();
            QApplication::processEvents();
        });
    };
    const double scan = scanMs();
    bench.klok.metGebeurtenissen = true;
    const double scanMetGebeurtenissen = scanMs();
    if (overzicht.Rijen().rowCount() != Bestanden || label12->text() != QStringLiteral("Gereed..."))
        qFatal("the scan gave %d rows", overzicht.Rijen().rowCount());

    const double perBestandLezen = lezen * 1000.0 / Bestanden;
    const double perBestandScan = scan * 1000.0 / Bestanden;
    const double verhouding = scan / lezen;
    std::printf("%-40s %8.1f µs per bestand\n", "bytes lezen", perBestandLezen);
    std::printf("%-40s %8.1f µs per bestand  %4.1fx  (doel %.0fx) %s\n", "overzicht zonder pauzes",
        perBestandScan, verhouding, Doel, verhouding <= Doel ? "ok" : "TE TRAAG");
    ReportFigure("overview: read one list's bytes", perBestandLezen, "us");
    ReportFigure("overview: scan one list, no pauses", perBestandScan, "us");
    ReportFigure("overview: scan / read", verhouding, "x", 5);
    std::printf("%-40s %8.1f µs per bestand\n", "overzicht, gebeurtenissen bij elke pauze",
        scanMetGebeurtenissen * 1000.0 / Bestanden);
    ReportFigure("overview: scan one list, events handled at each pause",
        scanMetGebeurtenissen * 1000.0 / Bestanden, "us");
    return 0;
}
