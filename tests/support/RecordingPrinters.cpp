#include "RecordingPrinters.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>

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
        Begin();
        m_taak.teksten.append({ m_taak.paginas, CurrentX(), CurrentY(), text, FontName(),
            FontSize(), FontBold(), ForeColor() });
    }

    void Draw(int width, int height, const QSizeF &size,
        const std::function<void(QPainter &painter)> &draw) override
    {
        Begin();
        GetekendePrent prent;
        prent.pagina = m_taak.paginas;
        prent.plaats = QRect(CurrentX(), CurrentY(), width, height);
        prent.maat = size;
        QPainter painter(&prent.prent);
        draw(painter);
        painter.end();
        m_taak.prenten.append(prent);
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
    void Begin()
    {
        if (m_taak.paginas == 0)
            m_taak.paginas = 1;
    }

    Afdruktaak &m_taak;
    bool m_weigert;
};

} // namespace

std::unique_ptr<Printer> RecordingPrinters::Open(
    const InstalledPrinter &printer, const QString &document)
{
    taken.push_back({ printer, document, {}, {}, 0, false, false });
    return std::make_unique<RecordingPrinter>(taken.back(), weigerend.contains(printer.key));
}
