#include "yearview/CelTekenaar.h"

#include <QApplication>
#include <QPainter>

namespace {

// The room between a cell's edge and its text, as the style leaves it.
constexpr int Marge = 3;
// Texts kept at most: a few years of a household's table.
constexpr qsizetype MeesteTeksten = 20000;

} // namespace

CelTekenaar::CelTekenaar(QObject *parent)
    : QStyledItemDelegate(parent)
{
}

const QStaticText &CelTekenaar::Tekst(const QString &tekst, const QFont &letter) const
{
    const std::pair<QString, bool> sleutel { tekst, letter.bold() };
    auto plek = m_teksten.find(sleutel);
    if (plek == m_teksten.end()) {
        if (m_teksten.size() >= MeesteTeksten)
            m_teksten.clear();
        QStaticText opgemaakt(tekst);
        opgemaakt.setTextFormat(Qt::PlainText);
        opgemaakt.prepare(QTransform(), letter);
        plek = m_teksten.insert(sleutel, opgemaakt);
    }
    return *plek;
}

void CelTekenaar::paint(
    QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QWidget *widget = option.widget;
    const QStyle *style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, painter, widget);

    const QString tekst = index.data(Qt::DisplayRole).toString();
    if (tekst.isEmpty())
        return;
    QFont letter = option.font;
    if (const QVariant vet = index.data(Qt::FontRole); vet.isValid())
        letter = vet.value<QFont>().resolve(letter);
    const bool gekozen = option.state & QStyle::State_Selected;
    const QVariant kleur = index.data(Qt::ForegroundRole);
    const QColor pen = gekozen ? option.palette.color(QPalette::HighlightedText)
        : kleur.isValid()      ? kleur.value<QColor>()
                               : option.palette.color(QPalette::Text);

    const QRect vak = option.rect.adjusted(Marge, 0, -Marge, 0);
    const QStaticText *opgemaakt = &Tekst(tekst, letter);
    // A text too wide for its column is cut short with "…".
    if (opgemaakt->size().width() > vak.width())
        opgemaakt
            = &Tekst(QFontMetrics(letter).elidedText(tekst, Qt::ElideRight, vak.width()), letter);
    const QSizeF grootte = opgemaakt->size();
    const auto uitlijning = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
    const double x = uitlijning & Qt::AlignRight ? vak.right() + 1 - grootte.width() : vak.left();
    const double y = vak.top() + (vak.height() - grootte.height()) / 2;

    painter->save();
    painter->setFont(letter);
    painter->setPen(pen);
    painter->setClipRect(option.rect);
    painter->drawStaticText(QPointF(x, y), *opgemaakt);
    painter->restore();
}
