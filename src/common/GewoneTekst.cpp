#include "common/GewoneTekst.h"

#include <QTextDocument>

QString GewoneTekst(const QString &tekst)
{
    // Escaped into rich text only where Qt would take it as rich text, kept on its lines as a
    // plain tooltip is; every other tooltip stays exactly as it is.
    if (!Qt::mightBeRichText(tekst))
        return tekst;
    return QStringLiteral("<p style=\"white-space:pre\">") + tekst.toHtmlEscaped()
        + QStringLiteral("</p>");
}
