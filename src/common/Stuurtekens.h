#pragma once

#include <QChar>
#include <QString>

// Text from outside (a bank's file, a list edited elsewhere) as Geldlog stores or prints it: a
// control character would break a file's lines, and on a terminal ESC, BEL and their kind move
// the cursor, retitle the window or change its colours.

// Whether `c` is a control character: C0 (BEL, ESC, tab, the line ends …), DEL or C1 (U+0080 to
// U+009F).
constexpr bool IsStuurcode(QChar c)
{
    return c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() <= 0x9f);
}

// The text with every control character a blank.
QString ZonderStuurtekens(QString tekst);
