#include "platform/TextLines.h"

#include "platform/Ansi.h"

#include <QIODevice>

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr qint64 ChunkSize = 256 * 1024;

// A high bit in every byte of `word` that equals the byte of `pattern`; a bit above the first
// may be wrong, the first never is.
quint64 Equal(quint64 word, quint64 pattern)
{
    constexpr quint64 Ones = 0x0101010101010101;
    constexpr quint64 Highs = 0x8080808080808080;
    const quint64 x = word ^ pattern;
    return (x - Ones) & ~x & Highs;
}

const char *LineEnd(const char *begin, const char *end)
{
    const char *p = begin;
#if defined(__SSE2__)
    // Sixteen bytes at a time where the processor can: most lines then take one step.
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    for (; end - p >= 16; p += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const unsigned found = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(bytes, cr), _mm_cmpeq_epi8(bytes, lf))));
        if (found)
            return p + std::countr_zero(found);
    }
#endif
    // Eight bytes at a time: lines are short and most bytes are neither CR nor LF.
    for (; end - p >= 8; p += 8) {
        quint64 word;
        std::memcpy(&word, p, 8);
        const quint64 found = Equal(word, 0x0D0D0D0D0D0D0D0D) | Equal(word, 0x0A0A0A0A0A0A0A0A);
        if (found)
            return p + std::countr_zero(found) / 8;
    }
    for (; p != end; ++p) {
        if (*p == '\r' || *p == '\n')
            return p;
    }
    return end;
}

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
