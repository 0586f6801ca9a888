#pragma once

#include <QStyledItemDelegate>

// The tooltips of a table's cells: the row's note that the model gives (its ToolTipRole) and,
// where a cell is too narrow for its text, the whole text below it; both as plain text
// (GewoneTekst), as they come from files.
class CelTips : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
        const QModelIndex &index) override;

private:
    bool IsAfgekapt(const QStyleOptionViewItem &option, const QModelIndex &index) const;
};
