#pragma once

#include <QStringList>

class QAbstractItemModel;

// A model as one line per row, cells joined by " | ", so one QCOMPARE shows a readable diff.
QStringList ModelRows(const QAbstractItemModel &model);
