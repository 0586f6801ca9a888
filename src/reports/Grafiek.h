#pragma once

#include <QString>

class QPainter;
class QRectF;
struct JaarRij;

// A year's months at a glance: per month the income and the expenses as bars side by side and
// the month's balance as a line, on a scale in whole euros that takes in every bar and the whole
// line, with the title above. Drawn within `vlak` and nowhere else, whatever the amounts: all
// zero, one month a billion times the others, or balances below zero. Fonts are sized in pixels,
// so on paper the chart keeps the proportions it has on screen.
void TekenGrafiek(QPainter &painter, const QRectF &vlak, const QString &titel, const JaarRij &rij);
