#include "printing/Passend.h"

#include "platform/Printer.h"

QString Passend(Printer &printer, const QString &tekst, int ruimte)
{
    if (printer.TextWidth(tekst) <= ruimte)
        return tekst;
    const QString weglating(u'…');
    // The longest start that fits with the ellipsis, by halving: `past` fits, `te` does not.
    qsizetype past = 0;
    qsizetype te = tekst.size();
    while (te - past > 1) {
        const qsizetype midden = (past + te) / 2;
        if (printer.TextWidth(tekst.left(midden) + weglating) <= ruimte)
            past = midden;
        else
            te = midden;
    }
    if (past > 0 && tekst.at(past - 1).isHighSurrogate())
        --past;
    while (past > 0 && tekst.at(past - 1).isSpace())
        --past;
    return tekst.left(past) + weglating;
}
