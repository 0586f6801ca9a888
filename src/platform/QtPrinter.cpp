#include "platform/QtPrinter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPrinterInfo>

#include <cmath>

namespace {

constexpr double TwipsPerInch = 1440.0;

QString Refused()
{
    return QStringLiteral("De printer heeft de afdruktaak geweigerd.");
}

QString NotAccepting()
{
    return QStringLiteral("De printer neemt geen opdrachten aan.");
}

// Paper in the sizes the pages are laid out for; anything else gets A4.
QPageSize Paper(const QPrinterInfo &info)
{
    const QPageSize size = info.defaultPageSize();
    if (size.id() == QPageSize::A4 || size.id() == QPageSize::Letter)
        return size;
    return QPageSize(QPageSize::A4);
}

} // namespace

QtPrinter::QtPrinter(const InstalledPrinter &printer, const QString &document)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer.key);
    if (info.isNull()) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_failure = printerGoneReason(printer);
        return;
    }
    m_printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    m_printer->setPageSize(Paper(info));
    m_printer->setPageOrientation(QPageLayout::Portrait);
    m_printer->setDocName(document);
    m_queue.emplace(info.printerName());
    if (!m_queue->AcceptsJobs())
        m_failure = NotAccepting();
}

QtPrinter::QtPrinter(std::unique_ptr<QPrinter> printer)
    : m_printer(std::move(printer))
{
}

std::unique_ptr<QtPrinter> QtPrinter::ToPdfFile(const QString &path, const QString &document)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setDocName(document);
    // The printable area of a usual office printer: a quarter inch from every edge.
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
        QMarginsF(0.25, 0.25, 0.25, 0.25), QPageLayout::Inch));
    return std::unique_ptr<QtPrinter>(new QtPrinter(std::move(printer)));
}

QtPrinter::~QtPrinter()
{
    // A job that was never ended is not sent half.
    if (m_painter.isActive()) {
        m_printer->abort();
        m_painter.end();
    }
}

bool QtPrinter::Begin()
{
    if (!m_begun && m_failure.isEmpty()) {
        m_begun = true;
        if (m_queue)
            m_queue->NoteJobs();
        if (!m_painter.begin(m_printer.get()))
            Fail(QStringLiteral("De afdruktaak kon niet worden gestart."));
    }
    return m_failure.isEmpty();
}

void QtPrinter::Fail(const QString &reason)
{
    if (!m_failure.isEmpty())
        return;
    m_failure = reason;
    if (m_painter.isActive()) {
        m_printer->abort();
        m_painter.end();
    }
}

double QtPrinter::ToDevice(int twips) const
{
    return twips * m_printer->resolution() / TwipsPerInch;
}

void QtPrinter::UseFont()
{
    QFont font(FontName());
    font.setPointSizeF(FontSize());
    font.setBold(FontBold());
    if (!m_metrics || font != m_font) {
        m_font = font;
        m_metrics.emplace(m_font, m_printer.get());
        m_fontOnPainter = false;
    }
}

void QtPrinter::Print(const QString &text)
{
    if (!Begin())
        return;
    UseFont();
    if (!m_fontOnPainter) {
        m_painter.setFont(m_font);
        m_fontOnPainter = true;
    }
    m_painter.setPen(ForeColor());
    m_painter.drawText(
        QPointF(ToDevice(CurrentX()), ToDevice(CurrentY()) + m_metrics->ascent()), text);
}

int QtPrinter::TextWidth(const QString &text)
{
    UseFont();
    return static_cast<int>(
        std::ceil(m_metrics->horizontalAdvance(text) * TwipsPerInch / m_printer->resolution()));
}

void QtPrinter::Draw(
    int width, int height, const QSizeF &size, const std::function<void(QPainter &painter)> &draw)
{
    if (!Begin() || size.isEmpty())
        return;
    m_painter.save();
    m_painter.translate(ToDevice(CurrentX()), ToDevice(CurrentY()));
    m_painter.scale(ToDevice(width) / size.width(), ToDevice(height) / size.height());
    draw(m_painter);
    m_painter.restore();
    // The picture may have left another font on the painter.
    m_fontOnPainter = false;
}

void QtPrinter::NewPage()
{
    if (Begin() && !m_printer->newPage())
        Fail(QStringLiteral("De printer kon geen nieuwe bladzijde beginnen."));
}

bool QtPrinter::EndDoc(QString *error)
{
    if (m_failure.isEmpty() && m_painter.isActive()) {
        if (!m_painter.end() || m_printer->printerState() == QPrinter::Error)
            m_failure = Refused();
        // Qt does not tell when the queue turned the job away; CUPS does.
        else if (m_queue && !m_queue->JobArrived())
            m_failure = m_queue->AcceptsJobs() ? Refused() : NotAccepting();
    }
    if (m_failure.isEmpty())
        return true;
    if (error)
        *error = m_failure;
    return false;
}

QList<InstalledPrinter> QtPrinters::Installed() const
{
    QList<InstalledPrinter> printers;
    for (const QPrinterInfo &info : QPrinterInfo::availablePrinters())
        printers.append({ info.printerName(), info.printerName() });
    return printers;
}

std::optional<InstalledPrinter> QtPrinters::SystemDefault() const
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return std::nullopt;
    return InstalledPrinter { info.printerName(), info.printerName() };
}

std::unique_ptr<Printer> QtPrinters::Open(const InstalledPrinter &printer, const QString &document)
{
    return std::make_unique<QtPrinter>(printer, document);
}
