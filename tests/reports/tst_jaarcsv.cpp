// The year overview as a spreadsheet file: the bytes as `exporteer` writes a list.
#include "reports/JaarCsv.h"
#include "reports/JaarTabel.h"

#include <QBuffer>
#include <QTest>

class TestJaarCsv : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void deRijenDieGevondenZijnEnHunTotaal()
    {
        JaarTabel tabel { 2026, {} };
        const auto rij = [&tabel](const char *omschrijving, int maand, qint64 in, qint64 uit) {
            JaarRij r { QString::fromUtf8(omschrijving), {}, {} };
            r.maanden[maand].Tel(in, uit);
            r.jaar.Tel(in, uit);
            tabel.rijen.push_back(r);
        };
        rij("Huur; \"Wooncorporatie\"", 0, 0, 82500);
        rij("Energie", 5, 0, 9000);
        rij("=1+1 Café", 11, 1050, 0);
        rij("Salaris", 2, 234550, 0);
        tabel.rijen[0].maanden[1].Tel(0, 0);

        QBuffer csv;
        csv.open(QIODevice::WriteOnly);
        QString fout;
        QVERIFY(SchrijfJaarCsv(csv, tabel, GevondenRijen(tabel, u"a"), &fout));
        QCOMPARE(fout, QString());
        QCOMPARE(csv.data(),
            QByteArray("\xEF\xBB\xBF"
                       "Omschrijving;jan;feb;mrt;apr;mei;jun;jul;aug;sep;okt;nov;dec;Totaal\r\n"
                       "\"Huur; \"\"Wooncorporatie\"\"\";-825,00;0,00;;;;;;;;;;;-825,00\r\n"
                       "'=1+1 Caf\xC3\xA9;;;;;;;;;;;;10,50;10,50\r\n"
                       "Salaris;;;2345,50;;;;;;;;;;2345,50\r\n"
                       "Totaal;-825,00;0,00;2345,50;;;;;;;;;10,50;1531,00\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestJaarCsv)
#include "tst_jaarcsv.moc"
