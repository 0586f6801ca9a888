#include "RecordingPrinters.h"

#include <QCursor>
#include <QGuiApplication>

namespace {

class RecordingPrinter final : public Printer {
public:
    RecordingPrinter(Afdruktaak &taak, bool weigert)
        : m_taak(taak)
        , m_weigert(weigert)
    {
    }

    void Print(const QString &text) override
    {
        if (m_taak.paginas == 0)
            m_taak.paginas = 1;
        m_taak.teksten.append({ m_taak.paginas, CurrentX(), CurrentY(), text, FontName(),
            FontSize(), FontBold(), ForeColor() });
    }

    // A picture opens the job as a text does; it is not kept, the tests read the texts.
    void Draw(int, int, const QSizeF &, const std::function<void(QPainter &painter)> &) override
    {
        if (m_taak.paginas == 0)
            m_taak.paginas = 1;
    }

    // 100 twips a character, whatever the font, so a cut is easy to check by hand.
    int TextWidth(const QString &text) override { return 100 * static_cast<int>(text.size()); }

    void NewPage() override { m_taak.paginas = std::max(m_taak.paginas, 1) + 1; }

    bool EndDoc(QString *error) override
    {
        m_taak.beeindigd = true;
        m_taak.zandloperBijEinde = QGuiApplication::overrideCursor()
            && QGuiApplication::overrideCursor()->shape() == Qt::WaitCursor;
        if (!m_weigert)
            return true;
        if (error)
            *error = QStringLiteral("De printer heeft de afdruktaak geweigerd.");
        return false;
    }

private:
    Afdruktaak &m_taak;
    bool m_weigert;
};

} // namespace

std::unique_ptr<Printer> RecordingPrinters::Open(
    const InstalledPrinter &printer, const QString &document)
{
    taken.push_back({ printer, document, {}, 0, false, false });
    return std::make_unique<RecordingPrinter>(taken.back(), weigerend.contains(printer.key));
}
