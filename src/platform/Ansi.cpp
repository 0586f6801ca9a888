#include "platform/Ansi.h"

#include <array>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The characters of the bytes 0x80 to 0x9F; every other byte is the character of its number.
constexpr std::array<char16_t, 32> Hoog = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

constexpr std::array<char16_t, 256> Tabel = [] {
    std::array<char16_t, 256> tabel {};
    for (unsigned byte = 0; byte < 256; ++byte)
        tabel[byte] = static_cast<char16_t>(byte);
    for (unsigned i = 0; i < Hoog.size(); ++i)
        tabel[0x80 + i] = Hoog[i];
    return tabel;
}();

inline char Byte(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (unsigned i = 0; i < Hoog.size(); ++i) {
        if (Hoog[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

namespace Ansi {

QString decode(QByteArrayView bytes)
{
    QString text;
    decode(bytes, text);
    return text;
}

void decode(QByteArrayView bytes, QString &text)
{
    // A new string is made at its size at once; resizing one that is shared or too small
    // would first copy what it held.
    if (text.isDetached() && text.capacity() >= bytes.size())
        text.resize(bytes.size());
    else if (bytes.isEmpty())
        text = QString();
    else
        text = QString(bytes.size(), Qt::Uninitialized);
    decode(bytes, reinterpret_cast<char16_t *>(text.data()));
}

char16_t *decode(QByteArrayView bytes, char16_t *out)
{
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time while they are plain ASCII, as nearly every byte of a list is:
    // each becomes the character of its number.
    const __m128i nul = _mm_setzero_si128();
    for (; n - i >= 16; i += 16) {
        const __m128i blok = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
        if (_mm_movemask_epi8(blok) != 0)
            break;
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i), _mm_unpacklo_epi8(blok, nul));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + i + 8), _mm_unpackhi_epi8(blok, nul));
    }
#endif
    for (; i < n; ++i)
        out[i] = Tabel[in[i]];
    return out + n;
}

QByteArray encode(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    bytes.resize(encode(text, bytes.data()) - bytes.constData());
    return bytes;
}

char *encode(QStringView text, char *out)
{
    const char16_t *in = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = 0;
#if defined(__SSE2__)
    // Eight characters at a time while they are plain ASCII: each is the byte of its number.
    const __m128i hoog = _mm_set1_epi16(static_cast<short>(0xFF80));
    const __m128i nul = _mm_setzero_si128();
    for (; n - i >= 8; i += 8) {
        const __m128i blok = _mm_loadu_si128(reinterpret_cast<const __m128i *>(in + i));
        if (_mm_movemask_epi8(_mm_cmpeq_epi16(_mm_and_si128(blok, hoog), nul)) != 0xFFFF)
            break;
        _mm_storel_epi64(reinterpret_cast<__m128i *>(out), _mm_packus_epi16(blok, blok));
        out += 8;
    }
#endif
    for (; i < n; ++i) {
        const char16_t c = in[i];
        // A character beyond the 16-bit range is one "?", not two.
        if (QChar::isHighSurrogate(c) && i + 1 < n && QChar::isLowSurrogate(in[i + 1]))
            ++i;
        *out++ = Byte(c);
    }
    return out;
}

} // namespace Ansi
