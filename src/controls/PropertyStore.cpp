#include "controls/PropertyStore.h"

#include <QBuffer>

namespace {

const QString noPictureWord = QStringLiteral("none");
const QString fontWord = QStringLiteral("font");
const QString pictureWord = QStringLiteral("png");

QString quoted(const QString &text)
{
    QString result;
    result.reserve(text.size() + 2);
    result += u'"';
    for (QChar c : text) {
        switch (c.unicode()) {
        case '"':
            result += QStringLiteral("\\\"");
            break;
        case '\\':
            result += QStringLiteral("\\\\");
            break;
        case '\n':
            result += QStringLiteral("\\n");
            break;
        case '\r':
            result += QStringLiteral("\\r");
            break;
        case '\t':
            result += QStringLiteral("\\t");
            break;
        default:
            result += c;
        }
    }
    result += u'"';
    return result;
}

// Reads a quoted text starting at `from`; false when it is not one or does not end the line.
bool unquoted(QStringView line, qsizetype from, QString *text)
{
    if (from >= line.size() || line[from] != u'"')
        return false;
    text->clear();
    for (qsizetype i = from + 1; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == u'"')
            return line.sliced(i + 1).trimmed().isEmpty();
        if (c != u'\\') {
            *text += c;
            continue;
        }
        if (++i == line.size())
            return false;
        switch (line[i].unicode()) {
        case 'n':
            *text += u'\n';
            break;
        case 'r':
            *text += u'\r';
            break;
        case 't':
            *text += u'\t';
            break;
        case '"':
        case '\\':
            *text += line[i];
            break;
        default:
            return false;
        }
    }
    return false;
}

QString pictureText(const QImage &picture)
{
    if (picture.isNull())
        return noPictureWord;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return pictureWord + u' ' + quoted(QString::fromLatin1(png.toBase64()));
}

QVariant valueFromText(QStringView value)
{
    QString text;
    if (value == noPictureWord)
        return QImage();
    if (value == u"true")
        return true;
    if (value == u"false")
        return false;
    if (unquoted(value, 0, &text))
        return text;
    if (value.startsWith(fontWord + u' ') && unquoted(value, fontWord.size() + 1, &text)) {
        QFont font;
        if (font.fromString(text))
            return font;
        return {};
    }
    if (value.startsWith(pictureWord + u' ') && unquoted(value, pictureWord.size() + 1, &text)) {
        const QByteArray png
            = QByteArray::fromBase64(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
        QImage picture;
        if (!png.isEmpty() && picture.loadFromData(png, "PNG"))
            return picture;
        return {};
    }
    bool ok = false;
    const qint64 number = value.toLongLong(&ok);
    if (ok)
        return number;
    return {};
}

QString valueText(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::QString:
        return quoted(value.toString());
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::LongLong:
        return QString::number(value.toLongLong());
    case QMetaType::QFont:
        return fontWord + u' ' + quoted(value.value<QFont>().toString());
    case QMetaType::QImage:
    default:
        return pictureText(value.value<QImage>());
    }
}

} // namespace

void PropertyStore::put(const QString &key, QVariant value)
{
    const QString lower = key.toLower();
    for (auto &[name, stored] : m_values) {
        if (name == lower) {
            stored = std::move(value);
            return;
        }
    }
    m_values.emplace_back(lower, std::move(value));
}

const QVariant *PropertyStore::find(const QString &key) const
{
    const QString lower = key.toLower();
    for (const auto &[name, stored] : m_values) {
        if (name == lower)
            return &stored;
    }
    return nullptr;
}

void PropertyStore::write(const QString &key, const QString &text)
{
    put(key, text);
}

void PropertyStore::write(const QString &key, qint64 number)
{
    put(key, number);
}

void PropertyStore::write(const QString &key, bool flag)
{
    put(key, flag);
}

void PropertyStore::write(const QString &key, const QFont &font)
{
    put(key, font);
}

void PropertyStore::write(const QString &key, const QImage &picture)
{
    put(key, picture);
}

bool PropertyStore::contains(const QString &key) const
{
    return find(key) != nullptr;
}

QStringList PropertyStore::keys() const
{
    QStringList result;
    for (const auto &entry : m_values)
        result << entry.first;
    return result;
}

QString PropertyStore::readText(const QString &key, const QString &fallback) const
{
    const QVariant *value = find(key);
    return value && value->typeId() == QMetaType::QString ? value->toString() : fallback;
}

qint64 PropertyStore::readNumber(const QString &key, qint64 fallback) const
{
    const QVariant *value = find(key);
    return value && value->typeId() == QMetaType::LongLong ? value->toLongLong() : fallback;
}

bool PropertyStore::readFlag(const QString &key, bool fallback) const
{
    const QVariant *value = find(key);
    return value && value->typeId() == QMetaType::Bool ? value->toBool() : fallback;
}

QFont PropertyStore::readFont(const QString &key, const QFont &fallback) const
{
    const QVariant *value = find(key);
    return value && value->typeId() == QMetaType::QFont ? value->value<QFont>() : fallback;
}

QImage PropertyStore::readPicture(const QString &key, const QImage &fallback) const
{
    const QVariant *value = find(key);
    return value && value->typeId() == QMetaType::QImage ? value->value<QImage>() : fallback;
}

QString PropertyStore::toText() const
{
    QString text;
    for (const auto &[name, value] : m_values)
        text += name + QStringLiteral(" = ") + valueText(value) + u'\n';
    return text;
}

PropertyStore PropertyStore::fromText(const QString &text)
{
    PropertyStore store;
    const QStringList lines = text.split(u'\n');
    for (const QString &rawLine : lines) {
        const QStringView line = QStringView(rawLine).trimmed();
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            continue;
        const QString key = line.first(equals).trimmed().toString();
        QVariant value = valueFromText(line.sliced(equals + 1).trimmed());
        if (!key.isEmpty() && value.isValid())
            store.put(key, std::move(value));
    }
    return store;
}
