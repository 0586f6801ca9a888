#pragma once

#include "platform/CupsQueue.h"
#include "platform/Printer.h"
#include "platform/Printers.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <memory>
#include <optional>

class QPrinter;

// A print job on a QPrinter: upright pages, twips mapped through the printer's resolution, so
// the same positions land on the same places of the paper on every printer. A job on a queue
// that takes no jobs prints nothing and fails, and so does a job that CUPS turns away.
class QtPrinter final : public Printer {
public:
    // A job on a printer of the system, on its own paper size when that is A4 or Letter, A4
    // otherwise.
    QtPrinter(const InstalledPrinter &printer, const QString &document);
    // A job written as a PDF file on A4, for the tests and the benchmarks.
    static std::unique_ptr<QtPrinter> ToPdfFile(const QString &path, const QString &document);
    ~QtPrinter() override;

    void Print(const QString &text) override;
    int TextWidth(const QString &text) override;
    void Draw(int width, int height, const QSizeF &size,
        const std::function<void(QPainter &painter)> &draw) override;
    void NewPage() override;
    bool EndDoc(QString *error) override;

private:
    explicit QtPrinter(std::unique_ptr<QPrinter> printer);
    bool Begin();
    void Fail(const QString &reason);
    void UseFont();
    double ToDevice(int twips) const;

    std::unique_ptr<QPrinter> m_printer;
    // The system's queue of the job; none for a PDF file.
    std::optional<CupsQueue> m_queue;
    QPainter m_painter;
    // The font last asked for, and its measures on the printer: the ascent puts the top of a
    // line at y.
    QFont m_font;
    std::optional<QFontMetricsF> m_metrics;
    bool m_fontOnPainter = false;
    bool m_begun = false;
    QString m_failure;
};

// The printers of the system through Qt's print support (CUPS on Linux).
class QtPrinters final : public Printers {
public:
    QList<InstalledPrinter> Installed() const override;
    std::optional<InstalledPrinter> SystemDefault() const override;
    std::unique_ptr<Printer> Open(
        const InstalledPrinter &printer, const QString &document) override;
};
