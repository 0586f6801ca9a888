#include "ModelRows.h"

#include <QAbstractItemModel>

QStringList ModelRows(const QAbstractItemModel &model)
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < model.columnCount(); ++column)
            cells << model.index(row, column).data().toString();
        rows << cells.join(QStringLiteral(" | "));
    }
    return rows;
}
