#pragma once

#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <utility>
#include <vector>

// The properties a window stores for one of its controls: typed values under keys that match
// without regard to case, kept in lower case in the order they were first written. The text
// form is one "key = value" line per property and reads back to the same store.
class PropertyStore {
public:
    void write(const QString &key, const QString &text);
    void write(const QString &key, qint64 number);
    void write(const QString &key, bool flag);
    void write(const QString &key, const QFont &font);
    // A null image stores "no picture".
    void write(const QString &key, const QImage &picture);

    bool contains(const QString &key) const;
    QStringList keys() const;

    // Each read gives `fallback` when the key is missing or holds another kind of value.
    QString readText(const QString &key, const QString &fallback) const;
    qint64 readNumber(const QString &key, qint64 fallback) const;
    bool readFlag(const QString &key, bool fallback) const;
    QFont readFont(const QString &key, const QFont &fallback) const;
    QImage readPicture(const QString &key, const QImage &fallback) const;

    QString toText() const;
    // Lines that cannot be read are skipped, so a damaged store loses only those properties.
    static PropertyStore fromText(const QString &text);

private:
    void put(const QString &key, QVariant value);
    const QVariant *find(const QString &key) const;

    std::vector<std::pair<QString, QVariant>> m_values;
};
