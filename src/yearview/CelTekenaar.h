#pragma once

#include <QHash>
#include <QStaticText>
#include <QStyledItemDelegate>

// Draws the cells of a table of many columns of amounts: each text laid out once and kept, in
// the colour, font and alignment its model gives, on the background the style draws. Qt's own
// delegate lays out every text anew at every paint, three times over, which a keystroke in the
// search box would wait for.
class CelTekenaar final : public QStyledItemDelegate {
public:
    explicit CelTekenaar(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
        const QModelIndex &index) const override;

private:
    const QStaticText &Tekst(const QString &tekst, const QFont &letter) const;

    // By the text and whether it is bold; let go of now and then, when other years have filled it.
    mutable QHash<std::pair<QString, bool>, QStaticText> m_teksten;
};
