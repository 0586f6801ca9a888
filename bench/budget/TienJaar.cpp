#include "TienJaar.h"

#include "common/MaandNamen.h"
#include "lists/LijstBestand.h"
#include "matching/Huishouden.h"

#include <QDate>

int SchrijfTienJaar(const Programma &programma)
{
    constexpr int Jaren = 10;
    const int laatste = QDate::currentDate().year();
    int posten = 0;
    for (int jaar = laatste - Jaren + 1; jaar <= laatste; ++jaar) {
        const HuishoudJaar huishouden = MaakHuishoudJaar(jaar, static_cast<quint32>(jaar));
        for (int maand = 1; maand <= 12; ++maand) {
            const ItemRijen &lijst = huishouden.maanden[maand - 1].lijst;
            QString fout;
            if (!SaveLijst(programma, lijst,
                    QStringLiteral("%1 %2").arg(jaar).arg(MaandNaam(maand)), &fout))
                qFatal("%s", qPrintable(fout));
            posten += lijst.Aantal();
        }
    }
    return posten;
}
