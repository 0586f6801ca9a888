#include "bank/Regels.h"

#include "platform/Ansi.h"

#include <QStringDecoder>

#include <algorithm>

QByteArrayView ZonderBom(QByteArrayView bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
}

Regels::Regels(QByteArrayView bytes)
    : m_rest(ZonderBom(bytes))
    , m_utf8(m_rest.isValidUtf8())
{
}

bool Regels::Volgende()
{
    if (m_klaar)
        return false;
    const char *begin = m_rest.data();
    const char *einde = begin + m_rest.size();
    const char *eind = std::find_if(begin, einde, [](char c) { return c == '\n' || c == '\r'; });
    Decodeer(QByteArrayView(begin, eind));
    ++m_nummer;
    if (eind == einde) {
        m_klaar = true;
        // A file that ends with a line end has no empty line after it.
        return begin != eind || m_nummer == 1;
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
    // Only the start decides the encoding here: enough to read a header.
    const QByteArrayView begin = ZonderBom(bytes).first(
        std::min(ZonderBom(bytes).size(), static_cast<qsizetype>(aantal) * hoogstens));
    QStringList eerste;
    const bool utf8 = bytes.startsWith("\xEF\xBB\xBF") || ZonderBom(bytes).isValidUtf8();
    Regels regels(begin);
    regels.m_utf8 = utf8;
    while (eerste.size() < aantal && regels.Volgende())
        eerste.append(regels.Tekst().left(hoogstens).toString());
    return eerste;
}
