#pragma once

#include <QString>

// A text from a file, or typed by the user, for a tooltip: Qt takes a tooltip that looks like
// markup ("<b>12,5x</b>") as rich text. This one shows every character as written.
QString GewoneTekst(const QString &tekst);
