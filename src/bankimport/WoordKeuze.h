#pragma once

#include "common/CelTips.h"

#include <QStringList>

// The description of a bank statement's row as an editable combo box with the household's own
// descriptions: a word chosen or typed, or the bank's text kept. The cells' tooltips as CelTips
// gives them.
class WoordKeuze final : public CelTips {
    Q_OBJECT

public:
    WoordKeuze(QStringList woorden, QObject *parent = nullptr);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(
        QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    QStringList m_woorden;
};
