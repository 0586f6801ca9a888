#include "app/KnopPlaatjes.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

// Antialiased edges are blended onto this light grey before keying, so they sit well on the
// light button body and never leave a green fringe.
constexpr QRgb Ondergrond = qRgb(236, 236, 236);

// Pixels less covered than this become transparent.
constexpr int MinimaleDekking = 96;

QColor Kleur(int r, int g, int b)
{
    return QColor(r, g, b);
}

QPen Lijn(const QColor &kleur, double breedte)
{
    QPen pen(kleur, breedte);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}

QPainterPath Tandwiel(QPointF midden, double buiten, double binnen, int tanden, double gat)
{
    QPainterPath pad;
    const double periode = 2 * std::numbers::pi / tanden;
    auto punt = [&](double hoek, double straal) {
        return midden + QPointF(std::cos(hoek) * straal, std::sin(hoek) * straal);
    };
    for (int i = 0; i < tanden; ++i) {
        const double begin = i * periode;
        const QPointF eerste = punt(begin, binnen);
        if (i == 0)
            pad.moveTo(eerste);
        else
            pad.lineTo(eerste);
        pad.lineTo(punt(begin + 0.12 * periode, buiten));
        pad.lineTo(punt(begin + 0.42 * periode, buiten));
        pad.lineTo(punt(begin + 0.54 * periode, binnen));
    }
    pad.closeSubpath();
    pad.addEllipse(midden, gat, gat);
    pad.setFillRule(Qt::OddEvenFill);
    return pad;
}

void TekenNieuw(QPainter &p)
{
    const QPolygonF blad({ { 9, 4 }, { 25, 4 }, { 32, 11 }, { 32, 36 }, { 9, 36 } });
    p.setPen(Lijn(Kleur(90, 90, 90), 1.5));
    p.setBrush(Qt::white);
    p.drawPolygon(blad);
    p.setBrush(Kleur(205, 205, 205));
    p.drawPolygon(QPolygonF({ { 25, 4 }, { 25, 11 }, { 32, 11 } }));
    p.setPen(Lijn(Kleur(120, 150, 200), 1.5));
    for (double y : { 16.0, 20.0, 24.0 })
        p.drawLine(QPointF(13, y), QPointF(28, y));
    p.setPen(Lijn(Kleur(170, 95, 10), 1.2));
    p.setBrush(Kleur(245, 160, 30));
    p.drawEllipse(QPointF(29, 31), 7, 7);
    p.setPen(Lijn(Qt::white, 2.5));
    p.drawLine(QPointF(29, 27), QPointF(29, 35));
    p.drawLine(QPointF(25, 31), QPointF(33, 31));
}

void TekenOpenen(QPainter &p)
{
    const QColor rand = Kleur(150, 105, 20);
    p.setPen(Lijn(rand, 1.5));
    p.setBrush(Kleur(225, 175, 55));
    p.drawPolygon(
        QPolygonF({ { 4, 9 }, { 14, 9 }, { 17, 12 }, { 33, 12 }, { 33, 32 }, { 4, 32 } }));
    p.setPen(Lijn(Kleur(140, 140, 140), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(10, 7, 19, 15));
    p.setPen(Lijn(rand, 1.5));
    p.setBrush(Kleur(250, 212, 95));
    p.drawPolygon(QPolygonF({ { 4, 32 }, { 10, 18 }, { 37, 18 }, { 33, 32 } }));
}

void TekenOpslaan(QPainter &p)
{
    p.setPen(Lijn(Kleur(25, 50, 110), 1.5));
    p.setBrush(Kleur(55, 95, 175));
    p.drawPolygon(QPolygonF({ { 5, 5 }, { 31, 5 }, { 35, 9 }, { 35, 35 }, { 5, 35 } }));
    p.setPen(Qt::NoPen);
    p.setBrush(Kleur(205, 210, 215));
    p.drawRect(QRectF(11, 5.5, 17, 10));
    p.setBrush(Kleur(45, 55, 75));
    p.drawRect(QRectF(22, 7.5, 3.5, 6));
    p.setPen(Lijn(Kleur(150, 150, 150), 1));
    p.setBrush(Kleur(248, 248, 248));
    p.drawRect(QRectF(9, 20, 22, 15));
    p.setPen(Lijn(Kleur(200, 80, 70), 1.5));
    p.drawLine(QPointF(12, 25), QPointF(28, 25));
    p.setPen(Lijn(Kleur(160, 160, 160), 1.2));
    p.drawLine(QPointF(12, 30), QPointF(28, 30));
}

void TekenAfdrukken(QPainter &p)
{
    const QPen papierRand = Lijn(Kleur(130, 130, 130), 1.2);
    p.setPen(papierRand);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(11, 4, 18, 12));
    p.setPen(Lijn(Kleur(60, 62, 70), 1.5));
    p.setBrush(Kleur(115, 120, 130));
    p.drawRoundedRect(QRectF(4, 14, 32, 15), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(Kleur(160, 165, 175));
    p.drawRect(QRectF(5.5, 15.5, 29, 3.5));
    p.setBrush(Kleur(60, 180, 70));
    p.drawEllipse(QPointF(31, 22.5), 1.8, 1.8);
    p.setPen(papierRand);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(10, 24, 20, 12));
    p.setPen(Lijn(Kleur(120, 150, 200), 1.3));
    p.drawLine(QPointF(13, 28.5), QPointF(27, 28.5));
    p.drawLine(QPointF(13, 32), QPointF(24, 32));
}

void TekenInstellingen(QPainter &p)
{
    p.setPen(Lijn(Kleur(60, 62, 70), 1.3));
    p.setBrush(Kleur(125, 130, 140));
    p.drawPath(Tandwiel({ 16, 16 }, 13, 9.5, 8, 4));
    p.setPen(Lijn(Kleur(150, 95, 15), 1.2));
    p.setBrush(Kleur(235, 160, 45));
    p.drawPath(Tandwiel({ 29, 29 }, 9, 6.5, 7, 2.6));
}

void TekenRondje(QPainter &p, const QColor &vulling, const QColor &rand)
{
    p.setPen(Lijn(rand, 1.5));
    p.setBrush(vulling);
    p.drawEllipse(QPointF(20, 20), 16, 16);
}

void TekenInfo(QPainter &p)
{
    TekenRondje(p, Kleur(40, 110, 205), Kleur(20, 70, 150));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(20, 11.5), 2.7, 2.7);
    p.drawRoundedRect(QRectF(17.5, 16, 5, 15), 1.5, 1.5);
}

void TekenHelp(QPainter &p)
{
    TekenRondje(p, Kleur(35, 150, 120), Kleur(20, 100, 80));
    QPainterPath vraag;
    const QRectF boog(14, 9, 12, 12);
    vraag.arcMoveTo(boog, 180);
    vraag.arcTo(boog, 180, -240);
    vraag.lineTo(20, 22.5);
    vraag.lineTo(20, 24.5);
    p.setPen(Lijn(Qt::white, 4.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(vraag);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(20, 30.5), 2.6, 2.6);
}

void TekenOverzicht(QPainter &p)
{
    struct Staaf {
        double x, hoogte;
        QColor kleur;
    };
    const Staaf staven[] = { { 9, 11, Kleur(60, 120, 210) }, { 16, 20, Kleur(240, 160, 40) },
        { 23, 15, Kleur(210, 60, 60) }, { 30, 26, Kleur(60, 165, 90) } };
    p.setPen(Lijn(Kleur(50, 50, 60), 1));
    for (const Staaf &s : staven) {
        p.setBrush(s.kleur);
        p.drawRect(QRectF(s.x, 34 - s.hoogte, 5, s.hoogte));
    }
    p.setPen(Lijn(Kleur(50, 50, 60), 2));
    p.drawLine(QPointF(5, 5), QPointF(5, 35));
    p.drawLine(QPointF(5, 35), QPointF(37, 35));
}

void TekenAfsluiten(QPainter &p)
{
    TekenRondje(p, Kleur(200, 50, 45), Kleur(140, 30, 30));
    QPainterPath boog;
    const QRectF cirkel(11.5, 11.5, 17, 17);
    boog.arcMoveTo(cirkel, 120);
    boog.arcTo(cirkel, 120, 300);
    p.setPen(Lijn(Qt::white, 3.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(boog);
    p.drawLine(QPointF(20, 8.5), QPointF(20, 19));
}

// A statement: the bank's coloured head, rows of money in and out beside their descriptions,
// and the bank's building in front.
void TekenBankafschrift(QPainter &p)
{
    p.setPen(Lijn(Kleur(110, 110, 110), 1.2));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4, 3, 25, 32));
    p.setPen(Qt::NoPen);
    p.setBrush(Kleur(55, 95, 175));
    p.drawRect(QRectF(4.6, 3.6, 23.8, 5.5));

    const QColor bij = Kleur(50, 150, 70);
    const QColor af = Kleur(200, 60, 55);
    const QColor bedragen[] = { bij, af, af, bij };
    for (int rij = 0; rij < 4; ++rij) {
        // The lower rows end where the building begins.
        const bool kort = rij >= 2;
        const double y = 13.5 + 5 * rij;
        p.setPen(Lijn(Kleur(150, 150, 150), 1.5));
        p.drawLine(QPointF(7.5, y), QPointF(kort ? 10.5 : 16, y));
        p.setPen(Lijn(bedragen[rij], 1.8));
        p.drawLine(QPointF(kort ? 13 : 19, y), QPointF(kort ? 16 : 25.5, y));
    }

    p.setPen(Lijn(Kleur(150, 95, 15), 1.2));
    p.setBrush(Kleur(245, 185, 60));
    p.drawPolygon(QPolygonF({ { 18.5, 26 }, { 28.5, 19 }, { 38.5, 26 } }));
    for (double x : { 20.5, 26.75, 33.0 })
        p.drawRect(QRectF(x, 27.5, 3.5, 7));
    p.drawRect(QRectF(19, 34.5, 19, 3));
}

void Teken(QPainter &p, KnopPlaatjeSoort soort)
{
    switch (soort) {
    case KnopPlaatjeSoort::NieuwGeldlog:
        return TekenNieuw(p);
    case KnopPlaatjeSoort::GeldlogOpenen:
        return TekenOpenen(p);
    case KnopPlaatjeSoort::GeldlogOpslaan:
        return TekenOpslaan(p);
    case KnopPlaatjeSoort::GeldlogAfdrukken:
        return TekenAfdrukken(p);
    case KnopPlaatjeSoort::Instellingen:
        return TekenInstellingen(p);
    case KnopPlaatjeSoort::ProgrammaInfo:
        return TekenInfo(p);
    case KnopPlaatjeSoort::Help:
        return TekenHelp(p);
    case KnopPlaatjeSoort::Overzicht:
        return TekenOverzicht(p);
    case KnopPlaatjeSoort::Afsluiten:
        return TekenAfsluiten(p);
    case KnopPlaatjeSoort::Bankafschrift:
        return TekenBankafschrift(p);
    }
}

// A drawn pixel that happens to be the mask colour would vanish; move it one step off.
QRgb BuitenMasker(QRgb kleur)
{
    return kleur == KnopPlaatjeMasker ? qRgb(0, 254, 0) : kleur;
}

QRgb OpOndergrond(QRgb premultiplied)
{
    const int dekking = qAlpha(premultiplied);
    if (dekking < MinimaleDekking)
        return KnopPlaatjeMasker;
    const int rest = 255 - dekking;
    auto kanaal = [rest](int voor, int achter) { return voor + (rest * achter + 127) / 255; };
    return BuitenMasker(qRgb(kanaal(qRed(premultiplied), qRed(Ondergrond)),
        kanaal(qGreen(premultiplied), qGreen(Ondergrond)),
        kanaal(qBlue(premultiplied), qBlue(Ondergrond))));
}

// The disabled look: light, flat grey carrying only the brightness of the original.
QRgb Vergrijsd(QRgb kleur)
{
    if (kleur == KnopPlaatjeMasker)
        return kleur;
    const int helderheid = qGray(kleur);
    const int grijs = 120 + helderheid * 115 / 255;
    return qRgb(grijs, grijs, grijs);
}

} // namespace

QImage TekenKnopPlaatje(KnopPlaatjeSoort soort)
{
    constexpr int n = KnopPlaatjeGrootte;
    QImage tekening(n, n, QImage::Format_ARGB32_Premultiplied);
    tekening.fill(Qt::transparent);
    {
        QPainter p(&tekening);
        p.setRenderHint(QPainter::Antialiasing);
        Teken(p, soort);
    }

    QImage strook(2 * n, n, QImage::Format_RGB32);
    for (int y = 0; y < n; ++y) {
        const auto *bron = reinterpret_cast<const QRgb *>(tekening.constScanLine(y));
        auto *doel = reinterpret_cast<QRgb *>(strook.scanLine(y));
        for (int x = 0; x < n; ++x) {
            const QRgb kleur = OpOndergrond(bron[x]);
            doel[x] = kleur;
            doel[n + x] = Vergrijsd(kleur);
        }
    }
    return strook;
}
