#include "recurring/ContractTekst.h"

#include "common/Bedrag.h"
#include "common/Csv.h"
#include "common/IsoDatum.h"
#include "common/MaandNamen.h"
#include "platform/WriteError.h"

#include <QIODevice>

#include <cstdlib>

namespace {

QString Datum(QDate datum)
{
    return datum.isValid() ? IsoDatumTekst(datum) : QString();
}

// "€ 69,95": an amount as the household reads it, without its direction.
QString Euro(qint64 centen)
{
    return QStringLiteral("€ ") + CentenTekst(std::llabs(centen));
}

QString Dag(QDate datum, QDate vandaag)
{
    return DagTekst(datum, datum.year() != vandaag.year());
}

// "Ziggo Services B.V. (Internet en tv)", or the one name where there is only one.
QString Wie(const Contract &contract)
{
    if (contract.tegenpartij.isEmpty() || contract.tegenpartij == contract.omschrijving)
        return contract.omschrijving;
    return contract.tegenpartij + QStringLiteral(" (") + contract.omschrijving + u')';
}

} // namespace

QStringList ContractKoppen()
{
    return { QStringLiteral("Omschrijving"), QStringLiteral("Tegenpartij"), QStringLiteral("Elke"),
        QStringLiteral("Bedrag"), QStringLiteral("Sinds"), QStringLiteral("Laatst"),
        QStringLiteral("Volgende"), QStringLiteral("Wijziging"), QStringLiteral("Stand") };
}

QStringList ContractCellen(const Contract &contract)
{
    QString wijziging;
    if (contract.wisselend) {
        wijziging = QStringLiteral("wisselend");
    } else if (contract.wijziging) {
        wijziging
            = QStringLiteral("%1 → %2 per %3")
                  .arg(CentenTekst(contract.wijziging->oud), CentenTekst(contract.wijziging->nieuw),
                      Datum(contract.wijziging->sinds));
    }
    return { contract.omschrijving, contract.tegenpartij, ElkeTekst(contract.elke),
        CentenTekst(contract.bedrag), Datum(contract.sinds), Datum(contract.laatst),
        Datum(contract.volgende), wijziging,
        contract.gestopt ? QStringLiteral("gestopt") : QStringLiteral("loopt") };
}

bool SchrijfContractenCsv(QIODevice &uit, const std::vector<Contract> &contracten, QString *fout)
{
    QByteArray csv = CsvBegin;
    const auto voegRij = [&csv](const QStringList &cellen) {
        for (qsizetype kolom = 0; kolom < cellen.size(); ++kolom) {
            if (kolom > 0)
                csv += ';';
            VoegCsvCel(csv, cellen[kolom]);
        }
        csv += "\r\n";
    };
    voegRij(ContractKoppen());
    for (const Contract &contract : contracten) {
        QStringList cellen = ContractCellen(contract);
        // The names come from a bank's file or were typed: no formula of someone else's.
        cellen[0] = GeenFormule(cellen[0]);
        cellen[1] = GeenFormule(cellen[1]);
        voegRij(cellen);
    }
    return writeAll(uit, csv.constData(), csv.size(), fout);
}

QString Opmerking(const Contract &contract, QDate vandaag)
{
    if (contract.gestopt)
        return QStringLiteral("Gestopt, laatst %1").arg(Dag(contract.laatst, vandaag));
    if (contract.wisselend)
        return QStringLiteral("Wisselend bedrag");
    if (!contract.wijziging)
        return {};
    const qint64 verschil
        = std::llabs(contract.wijziging->nieuw) - std::llabs(contract.wijziging->oud);
    return QStringLiteral("%1 %2 sinds %3")
        .arg(Euro(verschil), verschil > 0 ? QStringLiteral("meer") : QStringLiteral("minder"),
            Dag(contract.wijziging->sinds, vandaag));
}

QString Grondslag(const Contract &contract)
{
    QString tekst = contract.tegenpartij.isEmpty()
        ? QStringLiteral("%1 posten \"%2\" in de lijsten")
              .arg(contract.aantal)
              .arg(contract.omschrijving)
        : QStringLiteral("%1 betalingen %2 %3")
              .arg(QString::number(contract.aantal),
                  contract.bedrag > 0 ? QStringLiteral("van") : QStringLiteral("aan"),
                  contract.tegenpartij);
    const QString rond = QStringLiteral(" rond de %1e").arg(contract.dag);
    switch (contract.elke) {
    case Elke::Maand:
        return tekst + QStringLiteral(", elke maand") + rond;
    case Elke::VierWeken:
        return tekst + QStringLiteral(", elke 4 weken");
    case Elke::Kwartaal:
        return tekst + QStringLiteral(", elk kwartaal") + rond;
    case Elke::HalfJaar:
        return tekst + QStringLiteral(", elk half jaar") + rond;
    case Elke::Jaar:
        return tekst + QStringLiteral(", elk jaar rond ") + DagTekst(contract.laatst, false);
    }
    return tekst;
}

QString LetOp(const Contract &contract, QDate vandaag)
{
    const QString per
        = QStringLiteral("%1 per %2").arg(Euro(contract.bedrag), ElkeTekst(contract.elke));
    if (contract.gestopt) {
        return QStringLiteral("Let op: %1 %2 is gestopt, laatst op %3.")
            .arg(Wie(contract), per, Dag(contract.laatst, vandaag));
    }
    if (!contract.wijziging)
        return {};
    return QStringLiteral("Let op: %1 %2, was %3.")
        .arg(Wie(contract), per, Euro(contract.wijziging->oud));
}
