#pragma once

#include "common/CelTips.h"

// The group of a description chosen in its cell from a drop-down list of the three groups; the
// choice counts at once. The cells' tooltips as CelTips gives them.
class GroepKeuze final : public CelTips {
    Q_OBJECT

public:
    using CelTips::CelTips;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(
        QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
};
