// The figure symbols: the pointing uncle, the president's portrait and the wild eagle.
#include <QtMath>

#include "painting.h"
#include "symbolart.h"

namespace zel::art {

namespace {

const QColor skin(246, 204, 168), skinshade(214, 160, 124), outline(60, 35, 30);

void eye(QPainter& p, QPointF c) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(c, 2.4, 1.7);
    p.setBrush(QColor(40, 60, 110));
    p.drawEllipse(c + QPointF(0.2, 0.1), 1.2, 1.2);
}

}  // namespace

void drawuncle(QPainter& p) {
    QRadialGradient bg(QPointF(50, 40), 70);
    bg.setColorAt(0, QColor(255, 255, 255));
    bg.setColorAt(1, QColor(170, 200, 240));
    p.fillRect(QRectF(0, 0, 100, 100), bg);
    for (int i = 0; i < 6; ++i)
        p.fillPath(star(QPointF(10 + (i % 2) * 80, 20 + (i / 2) * 26), 4, 1.7), QColor(40, 70, 160, 120));
    p.setPen(QPen(outline, 1.0));
    // Coat, white collar and red bow tie.
    QPainterPath coat;
    coat.moveTo(18, 100);
    coat.cubicTo(20, 80, 30, 72, 50, 70);
    coat.cubicTo(70, 72, 80, 80, 82, 100);
    coat.closeSubpath();
    p.setBrush(vertical(QRectF(18, 70, 64, 30), QColor(50, 80, 180), QColor(20, 35, 100)));
    p.drawPath(coat);
    p.setBrush(QColor(250, 250, 250));
    p.drawPolygon(QPolygonF({QPointF(42, 70), QPointF(50, 84), QPointF(58, 70)}));
    p.setBrush(QColor(210, 30, 40));
    p.drawPolygon(QPolygonF({QPointF(50, 75), QPointF(42, 71), QPointF(42, 79)}));
    p.drawPolygon(QPolygonF({QPointF(50, 75), QPointF(58, 71), QPointF(58, 79)}));
    // Face, white hair at the sides and the goatee.
    p.setBrush(QColor(245, 245, 245));
    p.drawEllipse(QPointF(36, 46), 5, 8);
    p.drawEllipse(QPointF(64, 46), 5, 8);
    p.setBrush(skin);
    p.drawEllipse(QPointF(50, 48), 13, 15);
    QPainterPath goatee;
    goatee.moveTo(41, 56);
    goatee.quadTo(50, 62, 59, 56);
    goatee.quadTo(56, 70, 50, 78);
    goatee.quadTo(44, 70, 41, 56);
    p.setBrush(QColor(248, 248, 248));
    p.drawPath(goatee);
    p.setPen(QPen(QColor(150, 140, 130), 0.8));
    p.drawLine(QPointF(44, 57), QPointF(49, 58));
    p.drawLine(QPointF(51, 58), QPointF(56, 57));
    eye(p, QPointF(45, 45));
    eye(p, QPointF(55, 45));
    p.setPen(QPen(QColor(235, 235, 235), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(41, 41), QPointF(48, 40.5));
    p.drawLine(QPointF(52, 40.5), QPointF(59, 41));
    p.setPen(QPen(skinshade.darker(120), 1.0));
    p.drawLine(QPointF(50, 46), QPointF(48.5, 52));
    p.drawLine(QPointF(48.5, 52), QPointF(51, 52.5));
    // Striped top hat with a starry band.
    const QRectF crown(33, 5, 34, 29);
    p.save();
    QPainterPath crownpath;
    crownpath.moveTo(31, 8);
    crownpath.lineTo(69, 8);
    crownpath.lineTo(66, 34);
    crownpath.lineTo(34, 34);
    crownpath.closeSubpath();
    p.setClipPath(crownpath);
    p.fillRect(crown.adjusted(-3, 0, 3, 0), QColor(250, 250, 250));
    for (int i = 0; i < 6; ++i)
        p.fillRect(QRectF(31 + i * 6.6, 5, 3.3, 29), QColor(210, 30, 40));
    p.fillRect(QRectF(30, 24, 40, 10), QColor(30, 50, 140));
    p.setClipping(false);
    p.restore();
    for (int i = 0; i < 4; ++i)
        p.fillPath(star(QPointF(39 + i * 7.5, 29), 3, 1.3), QColor(255, 255, 255));
    p.setPen(QPen(outline, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(crownpath);
    p.setBrush(QColor(30, 50, 140));
    p.drawEllipse(QRectF(22, 31, 56, 7));
    // The arm pointing at the player: sleeve, cuff, fist and a foreshortened finger.
    QPainterPath sleeve;
    sleeve.moveTo(76, 100);
    sleeve.cubicTo(80, 88, 78, 80, 72, 76);
    sleeve.lineTo(60, 84);
    sleeve.cubicTo(64, 90, 66, 96, 62, 100);
    sleeve.closeSubpath();
    p.setBrush(QColor(40, 65, 160));
    p.drawPath(sleeve);
    p.setBrush(QColor(250, 250, 250));
    p.drawEllipse(QPointF(68, 80), 9, 7);
    p.setBrush(skin);
    p.drawEllipse(QPointF(62, 74), 10, 8.5);
    p.setPen(QPen(skinshade.darker(115), 0.9));
    for (int k = 0; k < 3; ++k)
        p.drawArc(QRectF(56 + k * 4, 66, 5, 5), 0, 180 * 16);  // knuckles
    // The index finger points straight out of the picture: a round, shaded tip with its nail on top.
    QRadialGradient tip(QPointF(52.5, 77.5), 8);
    tip.setColorAt(0, skin.lighter(106));
    tip.setColorAt(1, skinshade);
    p.setPen(QPen(outline, 1.0));
    p.setBrush(tip);
    p.drawEllipse(QPointF(54, 79), 6.8, 6.8);
    p.setPen(QPen(skinshade.darker(130), 0.6));
    p.setBrush(QColor(255, 232, 222));
    p.drawEllipse(QPointF(54, 75.4), 3.2, 2.2);
}

void drawpresident(QPainter& p) {
    flag(p, QRectF(-2, 2, 104, 98), 2.5);
    // Gold oval frame with a dark velvet ground.
    const QRectF oval(24, 10, 52, 70);
    QLinearGradient gold(oval.topLeft(), oval.bottomRight());
    gold.setColorAt(0, QColor(255, 236, 150));
    gold.setColorAt(0.5, QColor(200, 140, 30));
    gold.setColorAt(1, QColor(255, 220, 120));
    p.setPen(QPen(QColor(90, 55, 10), 1.0));
    p.setBrush(gold);
    p.drawEllipse(oval.adjusted(-4, -4, 4, 4));
    QRadialGradient velvet(oval.center(), 36);
    velvet.setColorAt(0, QColor(60, 90, 150));
    velvet.setColorAt(1, QColor(20, 30, 70));
    p.setBrush(velvet);
    p.drawEllipse(oval);
    p.save();
    QPainterPath inside;
    inside.addEllipse(oval);
    p.setClipPath(inside);
    // Dark suit, white shirt, red tie.
    QPainterPath suit;
    suit.moveTo(22, 84);
    suit.cubicTo(26, 63, 36, 58, 50, 58);
    suit.cubicTo(64, 58, 74, 63, 78, 84);
    suit.closeSubpath();
    p.setPen(QPen(QColor(10, 10, 20), 0.8));
    p.setBrush(QColor(35, 35, 45));
    p.drawPath(suit);
    p.setBrush(QColor(250, 250, 250));
    p.drawPolygon(QPolygonF({QPointF(41, 58), QPointF(50, 80), QPointF(59, 58)}));
    p.setBrush(QColor(200, 25, 35));
    p.drawPolygon(QPolygonF({QPointF(48.3, 60), QPointF(51.7, 60), QPointF(53.2, 76), QPointF(50, 80), QPointF(46.8, 76)}));
    // Neck, ears, face.
    p.setPen(QPen(outline, 0.9));
    p.setBrush(skinshade);
    p.drawRect(QRectF(45, 51, 10, 8));
    p.setBrush(skin);
    p.drawEllipse(QPointF(38.5, 41), 2.5, 4);
    p.drawEllipse(QPointF(61.5, 41), 2.5, 4);
    p.drawEllipse(QPointF(50, 40), 11.5, 14.5);
    // Greying hair with a side parting.
    QPainterPath hair;
    hair.moveTo(38.2, 42);
    hair.cubicTo(35, 22, 50, 19, 58, 23);
    hair.cubicTo(64, 26, 64, 34, 61.8, 42);
    hair.cubicTo(61, 35, 58, 31, 52, 31);
    hair.cubicTo(48, 32, 44, 29, 42, 32);
    hair.cubicTo(40, 35, 39, 38, 38.2, 42);
    hair.closeSubpath();
    p.setBrush(vertical(QRectF(36, 20, 28, 22), QColor(175, 170, 165), QColor(110, 100, 95)));
    p.drawPath(hair);
    eye(p, QPointF(45.5, 40));
    eye(p, QPointF(54.5, 40));
    p.setPen(QPen(QColor(90, 80, 75), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(42.5, 36.5), QPointF(48, 36));
    p.drawLine(QPointF(52, 36), QPointF(57.5, 36.5));
    p.setPen(QPen(skinshade.darker(120), 1.0));
    p.drawLine(QPointF(50, 41), QPointF(48.7, 47));
    p.drawLine(QPointF(48.7, 47), QPointF(51, 47.4));
    p.setPen(QPen(QColor(170, 80, 70), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(45, 47, 10, 5), 200 * 16, 140 * 16);
    p.restore();
    // A name plate under the frame.
    p.setPen(QPen(QColor(90, 55, 10), 0.8));
    p.setBrush(gold);
    p.drawRoundedRect(QRectF(36, 84, 28, 8), 2, 2);
    p.fillPath(star(QPointF(50, 88), 3, 1.3), QColor(120, 60, 0));
}

void draweagle(QPainter& p) {
    flag(p, QRectF(-2, 2, 104, 98), 3.0);
    p.fillRect(QRectF(0, 0, 100, 100), QColor(255, 255, 255, 40));
    const QColor brown(110, 65, 25), darkbrown(60, 32, 10), light(170, 110, 50);
    // Wings raised in a heraldic spread, built from overlapping feathers.
    for (int side = -1; side <= 1; side += 2) {
        for (int i = 0; i < 6; ++i) {
            p.save();
            p.translate(50 + side * 8, 46);
            p.rotate(side * (-22 + i * 18));
            QPainterPath feather;
            const qreal len = 40 - i * 3.4;
            feather.moveTo(0, -3);
            feather.cubicTo(side * len * 0.5, -6, side * len * 0.9, -4, side * len, 0);
            feather.cubicTo(side * len * 0.9, 4, side * len * 0.5, 5, 0, 4);
            feather.closeSubpath();
            p.setPen(QPen(darkbrown, 0.9));
            p.setBrush(vertical(QRectF(-len, -6, 2 * len, 11), light, brown));
            p.drawPath(feather);
            p.restore();
        }
    }
    // White tail fan.
    QPainterPath tail;
    tail.moveTo(44, 66);
    tail.lineTo(38, 82);
    tail.lineTo(44, 80);
    tail.lineTo(50, 84);
    tail.lineTo(56, 80);
    tail.lineTo(62, 82);
    tail.lineTo(56, 66);
    tail.closeSubpath();
    p.setPen(QPen(QColor(110, 110, 120), 0.9));
    p.setBrush(QColor(250, 250, 250));
    p.drawPath(tail);
    // Body and legs with gold talons.
    p.setPen(QPen(darkbrown, 1.0));
    p.setBrush(vertical(QRectF(38, 36, 24, 36), light, brown));
    p.drawEllipse(QRectF(39, 36, 22, 36));
    p.setPen(QPen(QColor(200, 150, 20), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(45, 68), QPointF(43, 74));
    p.drawLine(QPointF(55, 68), QPointF(57, 74));
    // White head with a hooked yellow beak and a fierce eye.
    p.setPen(QPen(QColor(120, 120, 130), 0.9));
    p.setBrush(QColor(252, 252, 252));
    QPainterPath head;
    head.moveTo(56, 40);
    head.cubicTo(60, 30, 54, 22, 46, 23);
    head.cubicTo(40, 24, 37, 30, 40, 36);
    head.cubicTo(42, 40, 48, 42, 56, 40);
    p.drawPath(head);
    QPainterPath beak;
    beak.moveTo(40, 28);
    beak.cubicTo(34, 27, 30, 30, 30, 35);
    beak.cubicTo(32, 33, 34, 32, 36, 33);
    beak.lineTo(41, 33);
    beak.closeSubpath();
    p.setPen(QPen(QColor(150, 100, 0), 0.9));
    p.setBrush(QColor(255, 200, 30));
    p.drawPath(beak);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 20, 10));
    p.drawEllipse(QPointF(44.5, 28), 1.6, 1.6);
    p.setPen(QPen(QColor(60, 50, 40), 1.2));
    p.drawLine(QPointF(42, 25.5), QPointF(47.5, 26.5));
    drawbanner(p, QRectF(18, 76, 64, 18), QStringLiteral("WILD"), QColor(200, 30, 40));
}

}  // namespace zel::art
