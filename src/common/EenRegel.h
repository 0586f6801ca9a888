#pragma once

#include <QString>

// A typed text as one line of a file: a pasted line break becomes a blank, so one input stays
// one line.
QString EenRegel(QString tekst);
