#pragma once

#include <QColor>
#include <QSizeF>
#include <QString>

#include <functional>

class QPainter;

// A printer as the pages are described: a font, a text colour and a position in twips from the
// top left corner of the printable area, text printed there with y the top of its line, new
// pages, and the end of the document, which hands the job to the printer.
//
// A backend opens its job with the first text. Once an operation has failed, the job is
// abandoned and the operations after it do nothing; EndDoc then says why.
class Printer {
public:
    virtual ~Printer() = default;

    void SetFontName(const QString &name) { m_fontName = name; }
    void SetFontSize(double points) { m_fontSize = points; }
    void SetFontBold(bool bold) { m_fontBold = bold; }
    void SetForeColor(const QColor &colour) { m_foreColor = colour; }
    void SetCurrentX(int twips) { m_currentX = twips; }
    void SetCurrentY(int twips) { m_currentY = twips; }

    const QString &FontName() const { return m_fontName; }
    double FontSize() const { return m_fontSize; }
    bool FontBold() const { return m_fontBold; }
    const QColor &ForeColor() const { return m_foreColor; }
    int CurrentX() const { return m_currentX; }
    int CurrentY() const { return m_currentY; }

    // Prints the text with its top left corner at the current position, which stays as it is.
    virtual void Print(const QString &text) = 0;
    // How wide the text stands on paper in the current font, in twips.
    virtual int TextWidth(const QString &text) = 0;
    // Draws a picture into the area of `width` by `height` twips whose top left corner is at the
    // current position: `draw` paints on a surface of `size` units, stretched over the area.
    virtual void Draw(int width, int height, const QSizeF &size,
        const std::function<void(QPainter &painter)> &draw)
        = 0;
    virtual void NewPage() = 0;
    // Ends the document and hands it over. False, with the reason in Dutch when there is one,
    // when the job failed at any step.
    virtual bool EndDoc(QString *error) = 0;

private:
    QString m_fontName = QStringLiteral("Arial");
    double m_fontSize = 10.0;
    bool m_fontBold = false;
    QColor m_foreColor = Qt::black;
    int m_currentX = 0;
    int m_currentY = 0;
};
