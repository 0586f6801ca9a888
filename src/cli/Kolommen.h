#pragma once

#include <QStringList>

#include <vector>

// Rows of cells as lines for a terminal: every column as wide as its widest cell, two blanks
// between the columns, the columns marked in `rechts` aligned to the right; no blanks at the end
// of a line.
QStringList Uitgelijnd(const std::vector<QStringList> &rijen, const std::vector<bool> &rechts);

// A text longer than forty characters cut short with "…", so one long text does not widen every
// line.
QString KortVoorKolom(const QString &tekst);
