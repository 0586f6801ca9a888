#include "common/GewoneTekst.h"

#include <QTextDocument>

QString GewoneTekst(const QString &tekst)
{
    // Escaped into rich text only where Qt would take it as rich text: every other tooltip keeps
    // its blanks and lines as they are.
    return Qt::mightBeRichText(tekst) ? Qt::convertFromPlainText(tekst) : tekst;
}
