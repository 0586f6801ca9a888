#pragma once

#include <QLabel>

// A one-line label that never runs over its own edge: a text wider than the label ends in "…"
// there, and its tooltip then shows the whole text. text() stays the whole text, shown as
// written: a list's name or a bank's account is never taken as markup.
class AfgekaptLabel final : public QLabel {
    Q_OBJECT

public:
    explicit AfgekaptLabel(const QString &tekst, QWidget *ouder = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    bool IsAfgekapt() const;
};
