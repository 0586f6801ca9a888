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
    readBytes();
}

int TextLines::skipLines(int count)
{
    // Where a clean start allows, the lines that end inside the chunk are passed in one loop.
    if (!m_skipLf && m_longLine.isEmpty()) {
        const char *const begin = m_chunk.constData();
        const char *const end = begin + m_chunk.size();
        const char *next = begin + m_pos;
        for (; count > 0; --count) {
            const char *stop = LineEnd(next, end);
            // The byte after the terminator must be in the chunk too, to tell CR LF from a CR.
            if (end - stop < 2)
                break;
            next = stop + (stop[0] == '\r' && stop[1] == '\n' ? 2 : 1);
        }
        m_pos = next - begin;
    }
    for (; count > 0; --count) {
        if (atEnd())
            break;
        readBytes();
    }
    return count;
}

bool TextLines::fill()
{
    m_chunk.resize(0);
    m_pos = 0;
    if (m_done)
        return false;
    // A small file needs no large buffer: the overview reads a thousand of them. Its size is
    // asked once, and a file read up to it has ended without another read; one that says it is
    // empty is read all the same, as files of the system say so whatever they hold.
    qint64 want = ChunkSize;
    if (!m_device.isSequential()) {
        if (m_size < 0)
            m_size = m_device.size();
        const qint64 rest = m_size - m_device.pos();
        if (m_size > 0 && rest <= 0) {
            m_done = true;
            return false;
        }
        want = std::clamp<qint64>(rest, 1, ChunkSize);
    }
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
