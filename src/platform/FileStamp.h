#pragma once

#include <QDateTime>
#include <QString>

// How a file stood at one moment: its size and the time it was last changed. A file written
// since, by this program or another, stands otherwise.
struct FileStamp {
    qint64 size = -1; // -1: there was no file
    QDateTime modified;

    static FileStamp of(const QString &path);

    bool exists() const { return size >= 0; }
    friend bool operator==(const FileStamp &, const FileStamp &) = default;
};
