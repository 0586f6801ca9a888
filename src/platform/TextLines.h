#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

class QIODevice;

// Reads a text file line by line: a line ends at CR LF, CR or LF, the last line needs no
// terminator, and the bytes are Windows-1252. Any bytes read as text, so junk never stops it.
// A line longer than the limit keeps its first characters and drops the rest, so memory stays
// bounded whatever the file holds. The device is read in large chunks.
class TextLines {
public:
    static constexpr qsizetype DefaultMaxLineLength = 16 * 1024 * 1024;

    explicit TextLines(QIODevice &device, qsizetype maxLineLength = DefaultMaxLineLength);

    // True once every byte has been read (or reading failed); readers test it before each group.
    bool atEnd() { return (m_pos < m_chunk.size() && !m_skipLf) ? false : !haveData(); }

    // The next line without its terminator; "" at the end.
    QString readLine();
    void readLine(QString &line);
    // Passes over the next line without decoding it.
    void skipLine();
    // Passes over the next `count` lines; returns how many of them the file did not hold.
    int skipLines(int count);
    // The next line's bytes, undecoded; valid until the next call.
    QByteArrayView readBytes();

    // Reading the device failed; the lines read so far were sound.
    bool failed() const { return m_failed; }

private:
    bool haveData();
    bool fill();
    void keep(const char *begin, const char *end);

    QIODevice &m_device;
    const qsizetype m_maxLineLength;
    QByteArray m_chunk;
    qsizetype m_pos = 0;
    QByteArray m_longLine; // a line that runs over the end of a chunk
    bool m_skipLf = false; // the last line ended at CR: a LF right after it belongs to it
    qint64 m_size = -1; // of the file, once asked; not asked of a sequential device
    bool m_done = false;
    bool m_failed = false;
};
