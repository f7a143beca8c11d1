// The low symbols: the letters J, K and Q, the badge and the money.
#include <QtMath>

#include "painting.h"
#include "symbolart.h"

namespace zel::art {

namespace {

QColor lettercolour(Symbol letter) {
    switch (letter) {
    case Symbol::J: return QColor(30, 165, 70);
    case Symbol::K: return QColor(35, 95, 215);
    default: return QColor(200, 40, 150);
    }
}

void tintedbackground(QPainter& p, const QColor& tint) {
    QRadialGradient g(QPointF(50, 42), 62);
    g.setColorAt(0.0, QColor(255, 253, 244));
    g.setColorAt(0.6, QColor(250, 242, 220));
    g.setColorAt(1.0, tint);
    p.fillRect(QRectF(0, 0, 100, 100), g);
}

// One banknote centred on the origin, 52 x 26.
void banknote(QPainter& p) {
    const QRectF r(-26, -13, 52, 26);
    p.fillRect(r, vertical(r, QColor(170, 222, 150), QColor(90, 160, 90)));
    p.setPen(QPen(QColor(30, 90, 40), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    p.setPen(QPen(QColor(240, 255, 230, 200), 0.8));
    p.drawRect(r.adjusted(2.5, 2.5, -2.5, -2.5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(225, 245, 210));
    p.drawEllipse(QPointF(0, 0), 9, 9);
    outlinedtext(p, QRectF(-9, -9, 18, 18), QStringLiteral("$"), font(Family::serif, 15), QColor(20, 100, 40),
                 QColor(0, 0, 0, 0), 0);
    p.setBrush(QColor(40, 110, 50));
    p.drawEllipse(QPointF(-19, 0), 2.2, 2.2);
    p.drawEllipse(QPointF(19, 0), 2.2, 2.2);
}

void coin(QPainter& p, QPointF c, qreal r) {
    QRadialGradient g(c - QPointF(r * 0.3, r * 0.3), r * 1.3);
    g.setColorAt(0, QColor(255, 244, 170));
    g.setColorAt(0.6, QColor(235, 180, 40));
    g.setColorAt(1, QColor(170, 110, 10));
    p.setPen(QPen(QColor(120, 70, 0), 1.0));
    p.setBrush(g);
    p.drawEllipse(c, r, r);
    p.setPen(QPen(QColor(255, 230, 140), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.75, r * 0.75);
    outlinedtext(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), QStringLiteral("$"), font(Family::serif, r * 1.3),
                 QColor(150, 90, 0), QColor(0, 0, 0, 0), 0);
}

}  // namespace

void drawletter(QPainter& p, Symbol letter) {
    const QColor c = lettercolour(letter);
    tintedbackground(p, c.lighter(170));
    const QString text = QString::fromLatin1(symbolname[static_cast<int>(letter)]);
    const QFont f = font(Family::serif, 78);
    // A soft shadow, then the letter with a light-to-dark fill, a dark rim and a light inner line.
    outlinedtext(p, QRectF(3, 4, 100, 100), text, f, QColor(0, 0, 0, 70), QColor(0, 0, 0, 40), 5);
    QLinearGradient fill(0, 16, 0, 86);
    fill.setColorAt(0.0, c.lighter(175));
    fill.setColorAt(0.45, c.lighter(115));
    fill.setColorAt(0.55, c);
    fill.setColorAt(1.0, c.darker(170));
    outlinedtext(p, QRectF(0, 1, 100, 100), text, f, QColor(255, 255, 255), QColor(20, 20, 40), 7);
    outlinedtext(p, QRectF(0, 1, 100, 100), text, f, fill, QColor(255, 255, 255, 0), 0);
    p.fillPath(star(QPointF(20, 20), 6, 2.5, 4), QColor(255, 255, 255, 220));
    p.fillPath(star(QPointF(82, 80), 4, 1.6, 4), QColor(255, 255, 255, 200));
}

void drawbadge(QPainter& p) {
    QRadialGradient sky(QPointF(50, 45), 65);
    sky.setColorAt(0, QColor(235, 245, 255));
    sky.setColorAt(1, QColor(120, 170, 230));
    p.fillRect(QRectF(0, 0, 100, 100), sky);
    // Rays behind the star.
    p.save();
    p.translate(50, 52);
    for (int i = 0; i < 16; ++i) {
        p.rotate(22.5);
        QPainterPath ray;
        ray.moveTo(0, 0);
        ray.lineTo(-4, -60);
        ray.lineTo(4, -60);
        ray.closeSubpath();
        p.fillPath(ray, QColor(255, 255, 255, i % 2 ? 70 : 120));
    }
    p.restore();
    drawbadgestar(p);
}

void drawbadgestar(QPainter& p) {
    const QPainterPath big = star(QPointF(50, 53), 46, 19);
    QRadialGradient gold(QPointF(44, 40), 50);
    gold.setColorAt(0, QColor(255, 246, 170));
    gold.setColorAt(0.55, QColor(245, 190, 40));
    gold.setColorAt(1, QColor(190, 120, 10));
    p.setPen(QPen(QColor(110, 60, 0), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawPath(big);
    // The shield in front of the star.
    QPainterPath shield;
    shield.moveTo(50, 36);
    shield.quadTo(58, 42, 68, 40);
    shield.lineTo(68, 56);
    shield.quadTo(66, 70, 50, 79);
    shield.quadTo(34, 70, 32, 56);
    shield.lineTo(32, 40);
    shield.quadTo(42, 42, 50, 36);
    shield.closeSubpath();
    QLinearGradient steel(32, 36, 68, 79);
    steel.setColorAt(0, QColor(90, 140, 240));
    steel.setColorAt(1, QColor(20, 45, 130));
    p.setPen(QPen(QColor(230, 235, 245), 3.0));
    p.setBrush(steel);
    p.drawPath(shield);
    p.setPen(QPen(QColor(30, 30, 60), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(QTransform().translate(50, 57).scale(1.1, 1.08).translate(-50, -57).map(shield));
    p.setPen(QPen(QColor(150, 20, 30), 0.8));
    p.setBrush(QColor(255, 255, 255));
    p.drawPath(star(QPointF(50, 57), 10, 4));
}

void drawmoney(QPainter& p) {
    tintedbackground(p, QColor(220, 235, 180));
    // The big stack: top face, front face with note edges, right side, and a paper band.
    const QColor dark(50, 110, 55), mid(110, 175, 105), light(170, 220, 150);
    QPolygonF top({QPointF(12, 60), QPointF(76, 60), QPointF(88, 48), QPointF(24, 48)});
    QPolygonF side({QPointF(76, 60), QPointF(88, 48), QPointF(88, 74), QPointF(76, 86)});
    const QRectF front(12, 60, 64, 26);
    p.setPen(Qt::NoPen);
    p.setBrush(light);
    p.drawPolygon(top);
    p.setBrush(dark);
    p.drawPolygon(side);
    p.fillRect(front, mid);
    p.setPen(QPen(QColor(235, 250, 225), 0.9));
    for (qreal y = 62.5; y < 86; y += 3.2)
        p.drawLine(QPointF(12.5, y), QPointF(75.5, y));
    p.setPen(QPen(QColor(200, 240, 190), 0.7));
    for (qreal t = 2.5; t < 26; t += 3.2)
        p.drawLine(QPointF(76.5, 60 + t), QPointF(87.5, 48 + t));
    // Paper band around the middle.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 220, 120));
    p.drawPolygon(QPolygonF({QPointF(38, 60), QPointF(48, 60), QPointF(60, 48), QPointF(50, 48)}));
    p.fillRect(QRectF(38, 60, 10, 26), QColor(235, 195, 90));
    p.setPen(QPen(QColor(30, 70, 35), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(top);
    p.drawPolygon(side);
    p.drawRect(front);
    // Two loose notes fanned over the stack.
    p.save();
    p.translate(44, 38);
    p.rotate(-14);
    banknote(p);
    p.restore();
    p.save();
    p.translate(56, 32);
    p.rotate(9);
    banknote(p);
    p.restore();
    coin(p, QPointF(20, 82), 10);
    coin(p, QPointF(84, 84), 8);
}

}  // namespace zel::art
