#include "common/CelTips.h"

#include "common/GewoneTekst.h"

#include <QAbstractItemView>
#include <QHelpEvent>
#include <QStyle>
#include <QToolTip>

bool CelTips::IsAfgekapt(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem cel = option;
    initStyleOption(&cel, index);
    if (cel.text.isEmpty())
        return false;
    // Measured as the style draws the text: beside the check box, within a margin on each side.
    const QStyle *stijl = cel.widget ? cel.widget->style() : nullptr;
    if (!stijl)
        return false;
    const int ruimte = stijl->subElementRect(QStyle::SE_ItemViewItemText, &cel, cel.widget).width()
        - 2 * (stijl->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, cel.widget) + 1);
    return cel.fontMetrics.horizontalAdvance(cel.text) > ruimte;
}

bool CelTips::helpEvent(QHelpEvent *event, QAbstractItemView *view,
    const QStyleOptionViewItem &option, const QModelIndex &index)
{
    if (event->type() != QEvent::ToolTip || !index.isValid())
        return QStyledItemDelegate::helpEvent(event, view, option, index);
    QStringList tip;
    if (const QString noot = index.data(Qt::ToolTipRole).toString(); !noot.isEmpty())
        tip << noot;
    if (IsAfgekapt(option, index))
        tip << index.data(Qt::DisplayRole).toString();
    if (tip.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(
            event->globalPos(), GewoneTekst(tip.join(u'\n')), view->viewport(), option.rect);
    return true;
}
