#include "cli/Opdrachttekst.h"

#include <algorithm>

namespace {

bool Gewoon(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9')
        || QStringView(u"_-./,:=+@%").contains(c);
}

QString Woord(const QString &woord)
{
    if (!woord.isEmpty() && std::all_of(woord.begin(), woord.end(), Gewoon))
        return woord;
    // Between double quotes a shell still takes these four as its own.
    QString tekst = QStringLiteral("\"");
    for (const QChar c : woord) {
        if (QStringView(u"\"\\$`").contains(c))
            tekst += u'\\';
        tekst += c;
    }
    return tekst + u'"';
}

} // namespace

QString Opdrachttekst(const QStringList &woorden)
{
    QStringList tekst { QStringLiteral("geldlog") };
    for (const QString &woord : woorden)
        tekst.append(Woord(woord));
    return tekst.join(u' ');
}
