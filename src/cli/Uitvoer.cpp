#include "cli/Uitvoer.h"

#include "common/Stuurtekens.h"
#include "platform/WriteError.h"

#include <QTextStream>

#include <cerrno>

Uitvoer::Uitvoer(QTextStream &doel)
    : m_doel(doel)
    // A byte order mark, as "jaar --csv" writes one, stays in the text.
    , m_utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 Uitvoer::readData(char *, qint64)
{
    return -1;
}

qint64 Uitvoer::writeData(const char *data, qint64 lengte)
{
    if (m_fout)
        return -1;
    QString tekst = m_utf8.decode(QByteArrayView(data, lengte));
    if (m_cr)
        tekst.prepend(u'\r');
    // A CR at the end waits for the next piece, which tells whether it ends a line.
    m_cr = tekst.endsWith(u'\r');
    if (m_cr)
        tekst.chop(1);
    for (qsizetype i = 0; i < tekst.size(); ++i) {
        const QChar c = tekst.at(i);
        const bool regelEinde
            = c == u'\n' || (c == u'\r' && i + 1 < tekst.size() && tekst.at(i + 1) == u'\n');
        if (IsStuurcode(c) && !regelEinde)
            tekst[i] = u' ';
    }
    return Schrijf(tekst) ? lengte : -1;
}

void Uitvoer::Sluit()
{
    if (m_cr && !m_fout)
        Schrijf(QStringLiteral(" "));
    m_cr = false;
}

bool Uitvoer::Schrijf(const QString &tekst)
{
    // The system's error number says why, right after the write that failed.
    errno = 0;
    m_doel << tekst;
    m_doel.flush();
    if (m_doel.status() == QTextStream::Ok)
        return true;
    m_fout = writeErrorReason(errno);
    return false;
}

Afloop MetUitvoer(QTextStream &uit, QTextStream &fout, const Opdracht &opdracht)
{
    Uitvoer naarUit(uit);
    Uitvoer naarFout(fout);
    QTextStream schoonUit(&naarUit);
    QTextStream schoonFout(&naarFout);
    const Afloop afloop = opdracht(schoonUit, schoonFout);
    schoonUit.flush();
    naarUit.Sluit();
    if (naarUit.Fout()) {
        schoonFout << QStringLiteral("Geldlog kan zijn uitvoer niet schrijven: ") << *naarUit.Fout()
                   << '\n';
    }
    schoonFout.flush();
    naarFout.Sluit();
    if (afloop == Gedaan && (naarUit.Fout() || naarFout.Fout()))
        return Geweigerd;
    return afloop;
}
