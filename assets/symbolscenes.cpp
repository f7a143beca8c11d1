// The landscape symbols: the memorial, the sign on the hill, the carved mountain and the statue.
#include <QtMath>

#include "painting.h"
#include "symbolart.h"

namespace zel::art {

namespace {

void daysky(QPainter& p, qreal horizon) {
    p.fillRect(QRectF(0, 0, 100, horizon), vertical(QRectF(0, 0, 100, horizon), QColor(70, 140, 225), QColor(200, 230, 255)));
}

void cloud(QPainter& p, QPointF c, qreal s) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 210));
    p.drawEllipse(c, 7 * s, 4 * s);
    p.drawEllipse(c + QPointF(-6 * s, 1.5 * s), 5 * s, 3 * s);
    p.drawEllipse(c + QPointF(6 * s, 1.5 * s), 5 * s, 3 * s);
}

// A face carved into the rock: a lit brow and cheek, soft eye sockets, a shaded nose and a mouth.
void carvedface(QPainter& p, QPointF c, qreal s, qreal turn) {
    p.save();
    p.translate(c);
    p.scale(s, s);
    QRadialGradient lit(QPointF(-2 + turn, -2), 11);
    lit.setColorAt(0.0, QColor(240, 233, 220));
    lit.setColorAt(0.7, QColor(205, 196, 182));
    lit.setColorAt(1.0, QColor(165, 155, 143));
    QPainterPath head;
    head.moveTo(-6.5, -5);
    head.cubicTo(-6.5, -12, 6.5, -12, 6.5, -5);
    head.cubicTo(7, 4, 4, 10, 0, 10.5);
    head.cubicTo(-4, 10, -7, 4, -6.5, -5);
    p.fillPath(head, lit);
    p.setPen(QPen(QColor(120, 110, 100, 70), 0.6));
    p.setBrush(Qt::NoBrush);
    p.drawPath(head);
    // Hair line: a darker cap of rough rock.
    QPainterPath hair;
    hair.moveTo(-6.5, -5);
    hair.cubicTo(-6.5, -12, 6.5, -12, 6.5, -5);
    hair.cubicTo(3, -8, -3, -8, -6.5, -5);
    p.fillPath(hair, QColor(140, 130, 118));
    p.setPen(Qt::NoPen);
    for (qreal side : {-2.6, 2.6}) {
        QRadialGradient socket(QPointF(side + turn, -1.4), 2.2);
        socket.setColorAt(0, QColor(95, 85, 75, 200));
        socket.setColorAt(1, QColor(95, 85, 75, 0));
        p.setBrush(socket);
        p.drawEllipse(QPointF(side + turn, -1.4), 2.2, 1.7);
        p.setBrush(QColor(250, 245, 235, 150));
        p.drawEllipse(QPointF(side + turn, -3.6), 2.0, 0.7);  // the lit brow above it
    }
    QPainterPath nose;
    nose.moveTo(turn, -1.5);
    nose.lineTo(turn + 1.8, 3.6);
    nose.lineTo(turn - 0.8, 3.8);
    nose.closeSubpath();
    p.fillPath(nose, QColor(120, 110, 100, 150));
    p.setPen(QPen(QColor(110, 100, 90, 200), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(turn - 2.2, 6.4), QPointF(turn + 2.2, 6.2));
    p.restore();
}

}  // namespace

void drawmemorial(QPainter& p) {
    daysky(p, 86);
    cloud(p, QPointF(20, 16), 1.0);
    cloud(p, QPointF(80, 12), 0.8);
    p.fillRect(QRectF(0, 84, 100, 16), vertical(QRectF(0, 84, 100, 16), QColor(90, 170, 70), QColor(40, 110, 40)));
    const QColor marble(244, 240, 228), edge(120, 110, 98);
    p.setPen(QPen(edge, 1.0));
    // Steps.
    p.setBrush(marble.darker(112));
    p.drawRect(QRectF(12, 80, 76, 6));
    p.setBrush(marble.darker(104));
    p.drawRect(QRectF(16, 75, 68, 5));
    // Dark hall behind the columns.
    p.setBrush(QColor(120, 110, 100));
    p.drawRect(QRectF(20, 45, 60, 30));
    p.setBrush(QColor(255, 236, 170, 120));
    p.drawRect(QRectF(42, 52, 16, 23));
    // Six fluted columns.
    for (int i = 0; i < 6; ++i) {
        const qreal x = 20 + i * 11.2;
        const QRectF col(x, 46, 5.6, 29);
        QLinearGradient g(col.topLeft(), col.topRight());
        g.setColorAt(0, marble);
        g.setColorAt(1, marble.darker(125));
        p.setPen(QPen(edge, 0.8));
        p.setBrush(g);
        p.drawRect(col);
        p.drawLine(QPointF(x + 2.8, 47), QPointF(x + 2.8, 74));
        p.setBrush(marble);
        p.drawRect(QRectF(x - 1.2, 44, 8, 2.6));
    }
    // Entablature and pediment.
    p.setPen(QPen(edge, 1.0));
    p.setBrush(vertical(QRectF(16, 36, 68, 8), marble, marble.darker(115)));
    p.drawRect(QRectF(16, 36, 68, 8));
    for (int i = 0; i < 9; ++i)
        p.drawLine(QPointF(20 + i * 7.5, 38), QPointF(20 + i * 7.5, 42));
    QPolygonF pediment({QPointF(13, 36), QPointF(50, 17), QPointF(87, 36)});
    p.setBrush(vertical(QRectF(13, 17, 74, 19), marble, marble.darker(110)));
    p.drawPolygon(pediment);
    p.drawPolygon(QPolygonF({QPointF(22, 33.5), QPointF(50, 20.5), QPointF(78, 33.5)}));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(214, 170, 60));
    p.drawEllipse(QPointF(50, 28.5), 3, 3);
}

void drawsign(QPainter& p) {
    QLinearGradient sky(0, 0, 0, 70);
    sky.setColorAt(0.0, QColor(70, 30, 120));
    sky.setColorAt(0.45, QColor(220, 80, 90));
    sky.setColorAt(0.8, QColor(255, 160, 60));
    sky.setColorAt(1.0, QColor(255, 215, 110));
    p.fillRect(QRectF(0, 0, 100, 100), sky);
    QRadialGradient sun(QPointF(70, 58), 26);
    sun.setColorAt(0, QColor(255, 250, 200));
    sun.setColorAt(0.45, QColor(255, 210, 80));
    sun.setColorAt(0.5, QColor(255, 170, 60, 180));
    sun.setColorAt(1, QColor(255, 140, 60, 0));
    p.fillRect(QRectF(40, 30, 60, 60), sun);
    // Far ridge, then the near hill carrying the letters.
    QPainterPath ridge;
    ridge.moveTo(0, 66);
    ridge.cubicTo(20, 54, 40, 62, 60, 58);
    ridge.cubicTo(75, 55, 90, 60, 100, 56);
    ridge.lineTo(100, 100);
    ridge.lineTo(0, 100);
    p.fillPath(ridge, QColor(110, 60, 110));
    QPainterPath hill;
    hill.moveTo(0, 60);
    hill.cubicTo(25, 38, 55, 50, 100, 74);
    hill.lineTo(100, 100);
    hill.lineTo(0, 100);
    p.fillPath(hill, vertical(QRectF(0, 40, 100, 60), QColor(90, 110, 50), QColor(40, 55, 30)));
    // Scrub on the hill.
    Noise n(77);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 30; ++i) {
        const qreal x = n.next() * 100, y = 70 + n.next() * 28;
        p.setBrush(QColor(30, 70, 30, 160));
        p.drawEllipse(QPointF(x, y), 2.5, 1.6);
    }
    // Big white letters, each standing on the slope.
    const QString word = QStringLiteral("ZEL");
    const QFont f = font(Family::sans, 31);
    for (int i = 0; i < word.size(); ++i) {
        const qreal x = 15 + i * 26;
        const qreal ground = 60 + i * 8;  // follows the slope of the hill
        p.save();
        p.translate(x + 12, ground);
        p.rotate(-3 + i * 3);
        p.setPen(QPen(QColor(60, 50, 40), 1.0));
        p.drawLine(QPointF(-6, 0), QPointF(-6, 6));
        p.drawLine(QPointF(6, 0), QPointF(6, 6));
        outlinedtext(p, QRectF(-14, -30, 28, 30), word.mid(i, 1), f,
                     vertical(QRectF(-14, -30, 28, 30), QColor(255, 255, 255), QColor(210, 205, 200)),
                     QColor(50, 40, 50), 2.0);
        p.restore();
    }
}

void drawmountain(QPainter& p) {
    daysky(p, 80);
    cloud(p, QPointF(84, 12), 0.9);
    // The rock face.
    QPainterPath rock;
    rock.moveTo(0, 60);
    rock.lineTo(8, 34);
    rock.lineTo(22, 22);
    rock.lineTo(36, 18);
    rock.lineTo(52, 14);
    rock.lineTo(68, 20);
    rock.lineTo(80, 26);
    rock.lineTo(92, 38);
    rock.lineTo(100, 52);
    rock.lineTo(100, 100);
    rock.lineTo(0, 100);
    rock.closeSubpath();
    QLinearGradient stone(0, 14, 100, 90);
    stone.setColorAt(0, QColor(200, 190, 176));
    stone.setColorAt(1, QColor(120, 110, 100));
    p.fillPath(rock, stone);
    p.setPen(QPen(QColor(100, 90, 80), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rock);
    // Cracks and ledges.
    p.drawLine(QPointF(10, 58), QPointF(18, 70));
    p.drawLine(QPointF(88, 46), QPointF(94, 62));
    // Four faces carved into the rock, the second set further back.
    carvedface(p, QPointF(22, 42), 1.25, -0.8);
    carvedface(p, QPointF(41, 38), 1.3, -0.4);
    carvedface(p, QPointF(57, 44), 1.05, 0.6);
    carvedface(p, QPointF(76, 44), 1.3, 0.9);
    // Rubble slope and pines.
    p.setPen(Qt::NoPen);
    p.fillRect(QRectF(0, 64, 100, 10), vertical(QRectF(0, 64, 100, 10), QColor(150, 140, 128, 0), QColor(150, 140, 128)));
    for (int i = 0; i < 9; ++i) {
        const qreal x = 4 + i * 11.5, h = 14 + (i % 3) * 3;
        QPolygonF tree({QPointF(x, 84 - h), QPointF(x - 5, 84), QPointF(x + 5, 84)});
        p.setBrush(QColor(24, 90 + (i % 2) * 20, 50));
        p.drawPolygon(tree);
    }
    p.fillRect(QRectF(0, 82, 100, 18), QColor(40, 100, 50));
    drawbanner(p, QRectF(14, 78, 72, 15), QStringLiteral("SCATTER"), QColor(30, 120, 200));
}

void drawstatue(QPainter& p) {
    daysky(p, 100);
    cloud(p, QPointF(80, 64), 1.0);
    // A flag on its pole to the left.
    p.setPen(QPen(QColor(90, 80, 70), 1.6));
    p.drawLine(QPointF(16, 16), QPointF(16, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 190, 60));
    p.drawEllipse(QPointF(16, 15), 2, 2);
    flag(p, QRectF(17, 17, 24, 17), 1.2);
    // Pedestal.
    p.fillRect(QRectF(32, 80, 38, 20), vertical(QRectF(32, 80, 38, 20), QColor(215, 200, 175), QColor(150, 135, 115)));
    p.fillRect(QRectF(28, 78, 46, 4), QColor(190, 176, 152));
    const QColor copper(90, 175, 145), shade(45, 120, 100), rim(25, 70, 60);
    // Gown.
    QPainterPath gown;
    gown.moveTo(44, 40);
    gown.lineTo(59, 40);
    gown.cubicTo(62, 56, 66, 70, 67, 78);
    gown.lineTo(36, 78);
    gown.cubicTo(38, 66, 41, 54, 44, 40);
    gown.closeSubpath();
    QLinearGradient g(36, 0, 67, 0);
    g.setColorAt(0, copper.lighter(120));
    g.setColorAt(1, shade);
    p.setPen(QPen(rim, 1.0));
    p.setBrush(g);
    p.drawPath(gown);
    p.drawLine(QPointF(48, 46), QPointF(45, 76));
    p.drawLine(QPointF(54, 46), QPointF(58, 76));
    // Raised arm with the torch.
    QPainterPath arm;
    arm.moveTo(56, 42);
    arm.lineTo(61, 16);
    arm.lineTo(65, 17);
    arm.lineTo(60, 44);
    arm.closeSubpath();
    p.drawPath(arm);
    p.setBrush(shade);
    p.drawRect(QRectF(60, 10, 5, 7));
    QPainterPath flame;
    flame.moveTo(62.5, 0);
    flame.cubicTo(68, 5, 67, 9, 62.5, 10);
    flame.cubicTo(58, 9, 58, 4, 62.5, 0);
    QRadialGradient fire(QPointF(62.5, 7), 7);
    fire.setColorAt(0, QColor(255, 250, 180));
    fire.setColorAt(1, QColor(255, 130, 20));
    p.setPen(QPen(QColor(200, 90, 0), 0.8));
    p.setBrush(fire);
    p.drawPath(flame);
    // Tablet in the other arm.
    p.setPen(QPen(rim, 1.0));
    p.setBrush(copper);
    p.save();
    p.translate(40, 52);
    p.rotate(-12);
    p.drawRect(QRectF(-4, -8, 8, 14));
    p.restore();
    // Head with the spiked crown.
    p.setBrush(copper.lighter(110));
    p.drawEllipse(QPointF(51, 33), 5.5, 6.5);
    p.setBrush(copper);
    for (int i = 0; i < 7; ++i) {
        const qreal a = qDegreesToRadians(-160.0 + i * 23.3);
        const QPointF base(51 + 5 * qCos(a), 29 + 3 * qSin(a));
        const QPointF tip(51 + 11 * qCos(a), 29 + 8 * qSin(a));
        p.drawPolygon(QPolygonF({base + QPointF(-1.3, 0), tip, base + QPointF(1.3, 0)}));
    }
}

}  // namespace zel::art
