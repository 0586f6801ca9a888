#include "platform/TextLines.h"

#include "platform/Ansi.h"
#include "platform/LineEnd.h"

#include <QIODevice>

#include <algorithm>

namespace {

constexpr qint64 ChunkSize = 256 * 1024;

} // namespace

TextLines::TextLines(QIODevice &device, qsizetype maxLineLength)
    : m_device(device)
    , m_maxLineLength(std::max<qsizetype>(maxLineLength, 1))
{
}

QString TextLines::readLine()
{
    QString line;
    readLine(line);
    return line;
}

void TextLines::readLine(QString &line)
{
    Ansi::decode(readBytes(), line);
}

void TextLines::skipLine()
{
    // Most lines end well inside the chunk: passed over without the bookkeeping for a line that
    // runs on into the next chunk. Readers that skip most of a file spend their time here.
    const char *begin = m_chunk.constData() + m_pos;
    const char *end = m_chunk.constData() + m_chunk.size();
    if (!m_skipLf && m_longLine.isEmpty() && begin != end) {
        const char *stop = LineEnd(begin, end);
        if (end - stop >= 2) {
            m_pos += stop - begin + (stop[0] == '\r' && stop[1] == '\n' ? 2 : 1);
            return;
        }
    }
    readBytes();
}

bool TextLines::fill()
{
    m_chunk.resize(0);
    m_pos = 0;
    if (m_done)
        return false;
    // A small file needs no large buffer: the overview reads a thousand of them.
    qint64 want = ChunkSize;
    if (!m_device.isSequential())
        want = std::clamp<qint64>(m_device.size() - m_device.pos(), 1, ChunkSize);
    m_chunk.resize(want);
    const qint64 read = m_device.read(m_chunk.data(), want);
    if (read <= 0) {
        m_failed = read < 0;
        m_done = true;
        m_chunk.resize(0);
        return false;
    }
    m_chunk.resize(read);
    return true;
}

// Makes sure unread bytes are waiting, after passing the LF of a CR LF that a chunk split.
bool TextLines::haveData()
{
    for (;;) {
        if (m_pos == m_chunk.size() && !fill())
            return false;
        if (m_skipLf) {
            m_skipLf = false;
            if (m_chunk.at(m_pos) == '\n') {
                ++m_pos;
                continue;
            }
        }
        return true;
    }
}

void TextLines::keep(const char *begin, const char *end)
{
    const qsizetype room = m_maxLineLength - m_longLine.size();
    m_longLine.append(begin, std::min<qsizetype>(end - begin, room));
}

// The bytes of the next line, valid until the next call.
QByteArrayView TextLines::readBytes()
{
    if (!m_longLine.isEmpty())
        m_longLine.resize(0);
    bool split = false;
    while (haveData()) {
        const char *begin = m_chunk.constData() + m_pos;
        const char *end = m_chunk.constData() + m_chunk.size();
        const char *stop = LineEnd(begin, end);
        if (stop == end) {
            keep(begin, end);
            split = true;
            m_pos = m_chunk.size();
            continue;
        }
        m_pos += stop - begin + 1;
        // The LF of a CR LF is passed at once; only when the chunk ends at the CR must the
        // next chunk tell.
        if (*stop == '\r') {
            if (m_pos == m_chunk.size())
                m_skipLf = true;
            else if (m_chunk.at(m_pos) == '\n')
                ++m_pos;
        }
        if (!split)
            return QByteArrayView(begin, std::min<qsizetype>(stop - begin, m_maxLineLength));
        keep(begin, stop);
        break;
    }
    return m_longLine;
}
