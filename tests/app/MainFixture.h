#pragma once

#include "TestProgramma.h"
#include "app/Main.h"
#include "controls/VistaButton.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <memory>

// A main window of its own for each test, in a temporary program folder, started on
// 3 December 2026 unless the test sets another day first.
class MainFixture {
public:
    void start() { main = std::make_unique<Main>(omgeving.programma()); }

    template<typename T = QWidget> T *find(const QString &name) const
    {
        auto *widget = main->findChild<T *>(name);
        if (!widget)
            qFatal("no control named %s", qPrintable(name));
        return widget;
    }

    // Whether the control has been made and is not hidden: the help screen and the overview
    // panel are made only when first shown.
    bool shown(const QString &name) const
    {
        const QWidget *widget = main->findChild<QWidget *>(name);
        return widget && !widget->isHidden();
    }

    // Opens the overview panel and the help screen and goes back, as a user would before
    // looking at what they hold.
    void openPanels() const
    {
        for (const char *button : { "GrafiekKnop", "GrafiekKnop", "HelpKnop", "HelpKnop" })
            click(QLatin1StringView(button));
    }

    QString text(const QString &name) const { return find<QLabel>(name)->text(); }
    QComboBox *combo(const QString &name) const { return find<QComboBox>(name); }
    QLineEdit *edit(const QString &name) const { return find<QLineEdit>(name); }

    void click(const QString &button) const
    {
        QTest::mouseClick(find<VistaButton>(button), Qt::LeftButton, {}, QPoint(10, 10));
    }

    // Fills the inputs of one entry; the date stays as it is.
    void fill(const QString &description, const QString &income, const QString &expense) const
    {
        combo(QStringLiteral("Combo4"))->setCurrentText(description);
        edit(QStringLiteral("Text2"))->setText(income);
        edit(QStringLiteral("Text3"))->setText(expense);
    }

    void add(const QString &description, const QString &income, const QString &expense) const
    {
        fill(description, income, expense);
        click(QStringLiteral("Knop(0)"));
    }

    TestProgramma omgeving;
    std::unique_ptr<Main> main;
};
