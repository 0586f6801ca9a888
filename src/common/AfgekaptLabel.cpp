#include "common/AfgekaptLabel.h"

#include "common/GewoneTekst.h"

#include <QHelpEvent>
#include <QPainter>
#include <QStyle>
#include <QToolTip>

AfgekaptLabel::AfgekaptLabel(const QString &tekst, QWidget *ouder)
    : QLabel(ouder)
{
    setTextFormat(Qt::PlainText);
    setText(tekst);
}

bool AfgekaptLabel::IsAfgekapt() const
{
    return fontMetrics().horizontalAdvance(text()) > contentsRect().width();
}

void AfgekaptLabel::paintEvent(QPaintEvent *)
{
    QPainter schilder(this);
    const QRect vak = contentsRect();
    const QString getoond = fontMetrics().elidedText(text(), Qt::ElideRight, vak.width());
    style()->drawItemText(&schilder, vak, QStyle::visualAlignment(layoutDirection(), alignment()),
        palette(), isEnabled(), getoond, foregroundRole());
}

bool AfgekaptLabel::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && toolTip().isEmpty()) {
        const auto *hulp = static_cast<QHelpEvent *>(event);
        if (IsAfgekapt())
            QToolTip::showText(hulp->globalPos(), GewoneTekst(text()), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QLabel::event(event);
}
