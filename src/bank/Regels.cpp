#include "bank/Regels.h"

#include "platform/Ansi.h"
#include "platform/LineEnd.h"

#include <QStringDecoder>

#include <algorithm>

QByteArrayView ZonderBom(QByteArrayView bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
}

Regels::Regels(QByteArrayView bytes)
    : m_rest(ZonderBom(bytes))
    // A BOM says UTF-8 even where a byte is wrong; without one, only valid UTF-8 is taken as such.
    , m_utf8(m_rest.size() < bytes.size() || m_rest.isValidUtf8())
{
}

bool Regels::Volgende()
{
    if (m_klaar)
        return false;
    const char *begin = m_rest.data();
    const char *einde = begin + m_rest.size();
    const char *eind = LineEnd(begin, einde);
    Decodeer(QByteArrayView(begin, eind));
    ++m_nummer;
    if (eind == einde) {
        m_klaar = true;
        return true;
    }
    const char *volgende = eind + 1;
    if (*eind == '\r' && volgende != einde && *volgende == '\n')
        ++volgende;
    m_rest = QByteArrayView(volgende, einde);
    if (m_rest.isEmpty())
        m_klaar = true;
    return true;
}

void Regels::Decodeer(QByteArrayView regel)
{
    m_tekst.resize(regel.size());
    QChar *begin = m_tekst.data();
    if (m_utf8) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        m_tekst.truncate(utf8.appendToBuffer(begin, regel) - begin);
    } else {
        Ansi::decode(regel, reinterpret_cast<char16_t *>(begin));
    }
}

QStringList Regels::Eerste(QByteArrayView bytes, int aantal, qsizetype hoogstens)
{
    Regels regels(bytes);
    regels.m_rest.truncate(std::min(regels.m_rest.size(), aantal * hoogstens));
    QStringList eerste;
    while (eerste.size() < aantal && regels.Volgende())
        eerste.append(regels.Tekst().left(hoogstens).toString());
    return eerste;
}
