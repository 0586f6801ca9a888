#include "planning/GroepKeuze.h"

#include "budget/Uitgavengroep.h"

#include <QComboBox>

QWidget *GroepKeuze::createEditor(
    QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &) const
{
    auto *keuze = new QComboBox(parent);
    keuze->setObjectName(QStringLiteral("GroepKeuze"));
    keuze->setFont(option.font);
    for (const Uitgavengroep groep : AlleGroepen)
        keuze->addItem(GroepNaam(groep));
    connect(keuze, &QComboBox::activated, this, [this, keuze] {
        Q_EMIT const_cast<GroepKeuze *>(this)->commitData(keuze);
        Q_EMIT const_cast<GroepKeuze *>(this)->closeEditor(keuze);
    });
    return keuze;
}

void GroepKeuze::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    static_cast<QComboBox *>(editor)->setCurrentIndex(index.data(Qt::EditRole).toInt());
}

void GroepKeuze::setModelData(
    QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    model->setData(index, static_cast<QComboBox *>(editor)->currentIndex(), Qt::EditRole);
}
