#pragma once

#include <QLabel>

// A one-line label that never runs over its own edge: a text wider than the label ends in "…"
// there, and its tooltip then shows the whole text. text() stays the whole text.
class AfgekaptLabel final : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    bool IsAfgekapt() const;
};
