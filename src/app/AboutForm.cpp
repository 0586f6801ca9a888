#include "app/AboutForm.h"

#include "common/KlokTekst.h"
#include "common/Opmaak.h"
#include "controls/MaakKnop.h"
#include "controls/VistaButton.h"
#include "platform/Twips.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int PlaatjeGrootte = 120;

// The version line, with the size of the program file when it can be read.
QString VersieRegel(const QFileInfo &bestand)
{
    QString regel = QStringLiteral("Version : " GELDLOG_VERSION);
    if (bestand.isFile())
        regel += QStringLiteral(" / ") + QString::number(bestand.size());
    return regel;
}

// The last change of the program file in the Dutch general form, 3-12-2026 16:38:04; nothing
// when the file cannot be read.
QString DatumRegel(const QFileInfo &bestand)
{
    if (!bestand.isFile())
        return {};
    const QDateTime moment = bestand.lastModified();
    return QStringLiteral("Date : ") + KorteDatum(moment.date()) + u' '
        + moment.time().toString(u"H:mm:ss");
}

QString InfoTekst(const QString &programmaBestand)
{
    const QFileInfo bestand(programmaBestand);
    QStringList regels {
        QStringLiteral("Mijn Geldlog, het kasboek voor thuis."),
        QStringLiteral("Gemaakt door de ontwikkelaars van Geldlog,"),
        QStringLiteral("geschreven in C++ met Qt 6."),
        QStringLiteral("Meer van ons werk staat bij de broncode."),
        QString(),
        QStringLiteral("© De ontwikkelaars van Geldlog, " GELDLOG_BOUWJAAR),
        VersieRegel(bestand),
    };
    if (const QString datum = DatumRegel(bestand); !datum.isEmpty())
        regels.append(datum);
    return regels.join(u'\n');
}

// An open cash book with its columns of figures, and a few euro coins on it.
QImage TekenPlaatje()
{
    QImage plaatje(PlaatjeGrootte, PlaatjeGrootte, QImage::Format_ARGB32_Premultiplied);
    plaatje.fill(Qt::transparent);
    QPainter p(&plaatje);
    p.setRenderHint(QPainter::Antialiasing);

    // The cover, a little larger than the pages, and its shadow.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawRoundedRect(QRectF(9, 21, 106, 82), 6, 6);
    p.setBrush(QColor(40, 90, 70));
    p.drawRoundedRect(QRectF(5, 17, 106, 82), 6, 6);

    // Two pages with their ruling and a red margin; a shadow where they meet.
    const QPen rand(QColor(150, 150, 150), 1);
    for (const double links : { 10.0, 58.0 }) {
        p.setPen(rand);
        p.setBrush(QColor(252, 250, 240));
        p.drawRect(QRectF(links, 21, 48, 72));
        p.setPen(QPen(QColor(150, 180, 220), 1));
        for (double y = 31; y < 90; y += 7)
            p.drawLine(QPointF(links + 3, y), QPointF(links + 45, y));
        p.setPen(QPen(QColor(220, 90, 80), 1));
        p.drawLine(QPointF(links + 12, 23), QPointF(links + 12, 91));
    }
    QLinearGradient vouw(QPointF(52, 0), QPointF(64, 0));
    vouw.setColorAt(0, QColor(0, 0, 0, 0));
    vouw.setColorAt(0.5, QColor(0, 0, 0, 60));
    vouw.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(52, 21, 12, 72), vouw);

    // Short strokes for the amounts: green income on the left page, red expenses on the right.
    const int inkomsten[] = { 22, 14, 26, 18, 10, 24, 16 };
    const int uitgaven[] = { 12, 24, 18, 8, 20, 14, 26 };
    for (int rij = 0; rij < 7; ++rij) {
        const double y = 29 + 7 * rij;
        p.setPen(QPen(QColor(40, 140, 60), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(53 - inkomsten[rij], y), QPointF(53, y));
        p.setPen(QPen(QColor(170, 40, 40), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(101 - uitgaven[rij], y), QPointF(101, y));
    }

    // A small stack of coins over the bottom right corner, the top one with a euro sign.
    const QColor goud(240, 185, 50);
    const QColor goudRand(160, 110, 20);
    for (int munt = 0; munt < 3; ++munt) {
        const QRectF vlak(72, 92 - 5 * munt, 40, 16);
        p.setPen(QPen(goudRand, 1.2));
        p.setBrush(goud.darker(110));
        p.drawEllipse(vlak.translated(0, 4));
        p.setBrush(goud);
        p.drawEllipse(vlak);
    }
    p.setPen(QPen(goudRand, 1.2));
    p.setBrush(goud.lighter(115));
    p.drawEllipse(QPointF(96, 68), 17, 17);
    p.setBrush(goud);
    p.drawEllipse(QPointF(96, 68), 13, 13);
    QFont teken(QStringLiteral("Arial"));
    teken.setPixelSize(18);
    teken.setBold(true);
    p.setFont(teken);
    p.setPen(goudRand.darker(120));
    p.drawText(QRectF(79, 51, 34, 34), Qt::AlignCenter, QStringLiteral("€"));
    return plaatje;
}

} // namespace

AboutForm::AboutForm(QWidget *parent, const QString &programmaBestand)
    : QDialog(parent)
    , Image1(new QLabel(this))
    , Label1(new QLabel(this))
    , CancelKnop(MaakKnop(this, QStringLiteral("CancelKnop"), QStringLiteral("Annuleren"),
          twips::rect(5070, 1920, 990, 360)))
{
    RichtDialoogIn(*this, QStringLiteral("AboutForm"), QStringLiteral("About Geldlog..."), 6300,
        2880, QColor(190, 200, 230));

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap::fromImage(TekenPlaatje()));
    Image1->move(twips::point(180, 210));
    Image1->adjustSize();

    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(twips::rect(2250, 300, 3900, 1800));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setText(InfoTekst(programmaBestand));

    // Escape closes the dialog as the button does: QDialog rejects on Escape.
    connect(CancelKnop, &VistaButton::Click, this, &QDialog::reject);
}
