#include "reports/Grafiek.h"

#include "common/Opmaak.h"
#include "reports/JaarTabel.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

constexpr QColor InkomstenKleur(86, 156, 74);
constexpr QColor UitgavenKleur(196, 72, 56);
constexpr QColor SaldoKleur(0, 0, 110);
constexpr QColor RasterKleur(205, 205, 185);
constexpr QColor NulKleur(120, 120, 100);
constexpr QColor TekstKleur(50, 50, 40);

// The vertical axis in euros: from `onder` to `boven`, a line every `stap`. Zero always lies on
// it, and both ends lie on a line.
struct Schaal {
    double onder = 0.0;
    double boven = 0.0;
    double stap = 1.0;

    int Lijnen() const { return static_cast<int>(std::lround((boven - onder) / stap)); }
};

// A step of 1, 2 or 5 times a power of ten, at least a euro, that divides the range into four
// or five parts.
Schaal MaakSchaal(double laagste, double hoogste)
{
    // Nothing but zeros still gets an axis to stand on.
    if (!(hoogste > laagste))
        hoogste = laagste + 100.0;
    const double ruw = (hoogste - laagste) / 4.0;
    const double macht = std::pow(10.0, std::floor(std::log10(ruw)));
    double stap = 10.0 * macht;
    for (const double factor : { 1.0, 2.0, 5.0 }) {
        if (factor * macht >= ruw) {
            stap = factor * macht;
            break;
        }
    }
    stap = std::max(stap, 1.0);
    return { std::floor(laagste / stap) * stap, std::ceil(hoogste / stap) * stap, stap };
}

double Euro(qint64 centen)
{
    return static_cast<double>(centen) / 100.0;
}

// A scale value as a whole number of euros; "-0" would only puzzle.
QString EuroTekst(double euro)
{
    return QString::number(euro + 0.0, 'f', 0);
}

// A bar of income is filled, one of expenses hatched and outlined: the two stay apart on paper
// without colour, where red and green print as nearly one grey, and for eyes that tell red from
// green badly. The lines are drawn within the bar, never clipped, so nothing lands outside it.
void TekenBalk(QPainter &painter, const QRectF &balk, const QColor &kleur, bool gearceerd)
{
    if (!gearceerd) {
        painter.fillRect(balk, kleur);
        return;
    }
    // A month without expenses has no bar, not even its outline on the zero line.
    if (balk.height() <= 0.0)
        return;
    constexpr double Tussen = 3.5;
    painter.save();
    // A light tint of the colour under the lines: on paper without colour a light grey.
    const auto tint = [](int deel) { return 255 - (255 - deel) / 4; };
    painter.fillRect(balk, QColor(tint(kleur.red()), tint(kleur.green()), tint(kleur.blue())));
    painter.setPen(QPen(kleur, 1.0));
    // Lines rising to the right at 45 degrees, each from where it enters the bar to where it
    // leaves it.
    const double hoogte = balk.height();
    for (double begin = balk.left() - hoogte + Tussen; begin < balk.right(); begin += Tussen) {
        const double van = std::max(begin, balk.left());
        const double tot = std::min(begin + hoogte, balk.right());
        painter.drawLine(QPointF(van, balk.bottom() - (van - begin)),
            QPointF(tot, balk.bottom() - (tot - begin)));
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(balk.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

// The key to the colours, ending at `rechts`, unless it needs more than `ruimte`.
void TekenLegenda(
    QPainter &painter, const QFontMetricsF &maat, double rechts, double midden, double ruimte)
{
    enum class Teken { Vol, Gearceerd, Lijn };
    const struct {
        QString naam;
        QColor kleur;
        Teken teken;
    } delen[] = { { QStringLiteral("Inkomsten"), InkomstenKleur, Teken::Vol },
        { QStringLiteral("Uitgaven"), UitgavenKleur, Teken::Gearceerd },
        { QStringLiteral("Saldo"), SaldoKleur, Teken::Lijn } };
    const double blok = maat.height() * 0.6;
    constexpr double VoorBlok = 4.0;
    constexpr double TussenDelen = 14.0;
    double breedte = 0.0;
    for (const auto &deel : delen)
        breedte += TussenDelen + blok + VoorBlok + maat.horizontalAdvance(deel.naam);
    if (breedte > ruimte)
        return;

    double x = rechts - breedte;
    for (const auto &deel : delen) {
        x += TussenDelen;
        if (deel.teken == Teken::Lijn) {
            painter.setPen(QPen(deel.kleur, 2));
            painter.drawLine(QPointF(x, midden), QPointF(x + blok, midden));
        } else {
            TekenBalk(painter, QRectF(x, midden - blok / 2, blok, blok), deel.kleur,
                deel.teken == Teken::Gearceerd);
        }
        x += blok + VoorBlok;
        const double tekst = maat.horizontalAdvance(deel.naam);
        painter.setPen(TekstKleur);
        painter.drawText(QRectF(x, midden - maat.height() / 2, tekst, maat.height()),
            Qt::AlignLeft | Qt::AlignVCenter, deel.naam);
        x += tekst;
    }
}

} // namespace

void TekenGrafiek(QPainter &painter, const QRectF &vlak, const QString &titel, const JaarRij &rij)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);

    const QFont kopLetter = Arial(9, true);
    const QFont letter = Arial(8);
    const QFontMetricsF kopMaat(kopLetter, painter.device());
    const QFontMetricsF maat(letter, painter.device());
    const double rand = 6.0;
    if (vlak.width() < 4 * rand || vlak.height() < 2 * rand + kopMaat.height()) {
        painter.restore();
        return;
    }

    // The title on the left of the top line, the legend on its right.
    const QRectF kop(
        vlak.left() + rand, vlak.top() + rand, vlak.width() - 2 * rand, kopMaat.height());
    painter.setFont(letter);
    TekenLegenda(painter, maat, kop.right(), kop.center().y(), kop.width() * 0.45);
    painter.setFont(kopLetter);
    painter.setPen(TekstKleur);
    painter.drawText(kop, Qt::AlignLeft | Qt::AlignVCenter,
        kopMaat.elidedText(titel, Qt::ElideRight, kop.width() * 0.55));
    painter.setFont(letter);

    double laagste = 0.0;
    double hoogste = 0.0;
    for (const Telling &maand : rij.maanden) {
        for (const qint64 centen : { maand.inkomsten, maand.uitgaven, maand.Saldo() }) {
            laagste = std::min(laagste, Euro(centen));
            hoogste = std::max(hoogste, Euro(centen));
        }
    }
    const Schaal schaal = MaakSchaal(laagste, hoogste);

    double labelBreedte = 0.0;
    for (int lijn = 0; lijn <= schaal.Lijnen(); ++lijn)
        labelBreedte = std::max(
            labelBreedte, maat.horizontalAdvance(EuroTekst(schaal.onder + lijn * schaal.stap)));
    const QRectF raster(
        QPointF(vlak.left() + rand + labelBreedte + 6, kop.bottom() + maat.height()),
        QPointF(vlak.right() - rand, vlak.bottom() - rand - maat.height() - 4));
    if (raster.width() < 24 || raster.height() < 12) {
        painter.restore();
        return;
    }
    const auto y = [&](double euro) {
        return raster.bottom()
            - (euro - schaal.onder) / (schaal.boven - schaal.onder) * raster.height();
    };

    for (int lijn = 0; lijn <= schaal.Lijnen(); ++lijn) {
        const double euro = schaal.onder + lijn * schaal.stap;
        const double hoogte = y(euro);
        painter.setPen(QPen(euro == 0.0 ? NulKleur : RasterKleur, 1));
        painter.drawLine(QPointF(raster.left(), hoogte), QPointF(raster.right(), hoogte));
        painter.setPen(TekstKleur);
        painter.drawText(
            QRectF(vlak.left() + rand, hoogte - maat.height() / 2, labelBreedte, maat.height()),
            Qt::AlignRight | Qt::AlignVCenter, EuroTekst(euro));
    }

    const double vak = raster.width() / 12.0;
    const double balk = vak * 0.3;
    const double nul = y(0.0);
    QPainterPath saldoLijn;
    for (int maand = 0; maand < 12; ++maand) {
        const Telling &telling = rij.maanden[maand];
        const double midden = raster.left() + (maand + 0.5) * vak;
        TekenBalk(painter,
            QRectF(QPointF(midden - balk - 1, y(Euro(telling.inkomsten))), QPointF(midden - 1, nul))
                .normalized(),
            InkomstenKleur, false);
        TekenBalk(painter,
            QRectF(QPointF(midden + 1, y(Euro(telling.uitgaven))), QPointF(midden + balk + 1, nul))
                .normalized(),
            UitgavenKleur, true);
        painter.setPen(TekstKleur);
        painter.drawText(QRectF(midden - vak / 2, raster.bottom() + 4, vak, maat.height()),
            Qt::AlignHCenter | Qt::AlignTop, MaandKoppen().at(maand));

        const QPointF punt(midden, y(Euro(telling.Saldo())));
        if (maand == 0)
            saldoLijn.moveTo(punt);
        else
            saldoLijn.lineTo(punt);
    }
    painter.setPen(QPen(SaldoKleur, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(saldoLijn);
    painter.setBrush(SaldoKleur);
    for (int maand = 0; maand < 12; ++maand) {
        if (rij.maanden[maand].posten > 0)
            painter.drawEllipse(saldoLijn.elementAt(maand), 2.5, 2.5);
    }
    painter.restore();
}
