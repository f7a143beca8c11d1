// The gamble cards: four aces, the joker, the four small suit signs and four button faces.
#include <QtMath>

#include "catalogue.h"
#include "generators.h"
#include "painting.h"

namespace zel::art {

namespace {

enum class Suit { hearts = 1, clubs = 2, diamonds = 3, spades = 4 };

bool isred(Suit s) { return s == Suit::hearts || s == Suit::diamonds; }

QColor suitcolour(Suit s) { return isred(s) ? QColor(210, 20, 35) : QColor(25, 25, 35); }

QPainterPath heart() {
    QPainterPath h;
    h.moveTo(0, 0.46);
    h.cubicTo(-0.1, 0.32, -0.5, 0.06, -0.5, -0.17);
    h.cubicTo(-0.5, -0.38, -0.36, -0.48, -0.25, -0.48);
    h.cubicTo(-0.12, -0.48, -0.03, -0.4, 0, -0.27);
    h.cubicTo(0.03, -0.4, 0.12, -0.48, 0.25, -0.48);
    h.cubicTo(0.36, -0.48, 0.5, -0.38, 0.5, -0.17);
    h.cubicTo(0.5, 0.06, 0.1, 0.32, 0, 0.46);
    h.closeSubpath();
    return h;
}

QPainterPath stem() {
    QPainterPath s;
    s.moveTo(-0.04, 0.12);
    s.quadTo(-0.04, 0.38, -0.2, 0.5);
    s.lineTo(0.2, 0.5);
    s.quadTo(0.04, 0.38, 0.04, 0.12);
    s.closeSubpath();
    return s;
}

// A suit sign in a unit box centred on the origin. Shapes are joined at a hundred times the size,
// because joining flattens curves into polygons at the path's own scale.
QPainterPath suitpath(Suit s) {
    const QTransform up = QTransform::fromScale(100, 100), down = QTransform::fromScale(0.01, 0.01);
    QPainterPath path;
    switch (s) {
    case Suit::hearts: return heart();
    case Suit::diamonds:
        path.moveTo(0, -0.5);
        path.quadTo(0.16, -0.2, 0.38, 0);
        path.quadTo(0.16, 0.2, 0, 0.5);
        path.quadTo(-0.16, 0.2, -0.38, 0);
        path.quadTo(-0.16, -0.2, 0, -0.5);
        path.closeSubpath();
        return path;
    case Suit::spades: {
        const QPainterPath top = QTransform().translate(0, -0.08).scale(0.92, -0.84).map(heart());
        return down.map(up.map(top).united(up.map(stem())));
    }
    case Suit::clubs: {
        QPainterPath lobe;
        for (const QPointF c : {QPointF(0, -0.25), QPointF(-0.25, 0.06), QPointF(0.25, 0.06)}) {
            QPainterPath one;
            one.addEllipse(c, 0.22, 0.22);
            lobe = lobe.united(up.map(one));
        }
        QPainterPath middle;
        middle.addRect(QRectF(-0.1, -0.15, 0.2, 0.3));
        return down.map(lobe.united(up.map(middle)).united(up.map(stem())));
    }
    }
    return path;
}

void drawsuit(QPainter& p, Suit s, QPointF centre, qreal size) {
    const QPainterPath path = QTransform().translate(centre.x(), centre.y()).scale(size, size).map(suitpath(s));
    const QColor c = suitcolour(s);
    QLinearGradient g(centre.x() - size / 2, centre.y() - size / 2, centre.x() + size / 2, centre.y() + size / 2);
    g.setColorAt(0, c.lighter(isred(s) ? 140 : 260));
    g.setColorAt(1, c.darker(isred(s) ? 130 : 100));
    p.fillPath(path, g);
}

QImage cardbody() {
    QImage image = blank(100, 153);
    QPainter p(&image);
    smooth(p);
    QPainterPath body;
    body.addRoundedRect(QRectF(0.5, 0.5, 99, 152), 8, 8);
    p.fillPath(body, vertical(QRectF(0, 0, 100, 153), QColor(255, 255, 255), QColor(236, 236, 240)));
    p.setPen(QPen(QColor(110, 110, 120), 1.0));
    p.drawPath(body);
    return image;
}

QImage ace(Suit s) {
    QImage image = cardbody();
    QPainter p(&image);
    smooth(p);
    const QFont index = font(Family::serif, 20);
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner == 1) {
            p.translate(100, 153);
            p.rotate(180);
        }
        outlinedtext(p, QRectF(3, 4, 20, 22), QStringLiteral("A"), index, suitcolour(s), QColor(0, 0, 0, 0), 0);
        drawsuit(p, s, QPointF(13, 34), 14);
        p.restore();
    }
    const qreal size = s == Suit::spades ? 70 : 58;
    if (s == Suit::spades) {
        // The ace of spades carries an ornamental ring round its sign.
        p.setPen(QPen(QColor(180, 140, 40), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(50, 76.5), 40, 44);
        p.setPen(QPen(QColor(180, 140, 40), 0.8, Qt::DotLine));
        p.drawEllipse(QPointF(50, 76.5), 36, 40);
    }
    drawsuit(p, s, QPointF(50, 76.5), size);
    return image;
}

QImage joker() {
    QImage image = cardbody();
    QPainter p(&image);
    smooth(p);
    QPainterPath back;
    back.addRoundedRect(QRectF(5, 5, 90, 143), 5, 5);
    p.fillPath(back, vertical(QRectF(5, 5, 90, 143), QColor(40, 60, 170), QColor(20, 25, 90)));
    p.save();
    p.setClipPath(back);
    p.setPen(QPen(QColor(255, 215, 100, 90), 1.0));
    for (int i = -160; i < 260; i += 10) {
        p.drawLine(QPointF(i, 0), QPointF(i + 153, 153));
        p.drawLine(QPointF(i + 153, 0), QPointF(i, 153));
    }
    p.restore();
    p.setPen(QPen(QColor(240, 200, 90), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(back);
    // A medallion with a star and the word JOKER.
    p.setBrush(QColor(150, 20, 40));
    p.setPen(QPen(QColor(255, 215, 100), 2.0));
    p.drawEllipse(QPointF(50, 76.5), 36, 48);
    QRadialGradient gold(QPointF(46, 56), 24);
    gold.setColorAt(0, QColor(255, 245, 170));
    gold.setColorAt(1, QColor(220, 150, 20));
    p.setPen(QPen(QColor(120, 70, 0), 1.0));
    p.setBrush(gold);
    p.drawPath(star(QPointF(50, 60), 20, 8));
    outlinedtext(p, QRectF(14, 84, 72, 22), QStringLiteral("JOKER"), font(Family::serif, 15),
                 QColor(255, 230, 120), QColor(60, 0, 10), 2.4);
    outlinedtext(p, QRectF(14, 104, 72, 16), QStringLiteral("?"), font(Family::serif, 14),
                 QColor(255, 255, 255), QColor(60, 0, 10), 2.0);
    return image;
}

QImage suitsign(Suit s) {
    QImage image = blank(100, 153);
    QPainter p(&image);
    smooth(p);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(1, 1, 98, 151), 10, 10);
    QRadialGradient g(QPointF(50, 70), 90);
    g.setColorAt(0, QColor(255, 255, 250));
    g.setColorAt(1, QColor(225, 222, 205));
    p.fillPath(tile, g);
    p.setPen(QPen(QColor(170, 150, 100), 2.0));
    p.drawPath(tile);
    const assets::Square sq = assets::suitsignsquare;
    drawsuit(p, s, QPointF(sq.x + sq.size / 2.0, sq.y + sq.size / 2.0), sq.size * 0.8);
    return image;
}

// A tall button face with two lines of text, for example "Bet" over "3".
QImage cardbutton(const QString& text) {
    QImage image = blank(100, 153);
    QPainter p(&image);
    smooth(p);
    buttonface(p, QRectF(0, 0, 100, 153), QColor(30, 140, 70));
    const QStringList words = text.split(QLatin1Char(' '));
    outlinedtext(p, QRectF(0, 22, 100, 40), words.value(0), font(Family::sans, 28), QColor(255, 255, 255),
                 QColor(0, 50, 20), 3);
    outlinedtext(p, QRectF(0, 66, 100, 64), words.value(1), font(Family::sans, 58), QColor(255, 230, 90),
                 QColor(0, 50, 20), 4);
    return image;
}

}  // namespace

void writecards(AssetWriter& out) {
    const assets::NumberedSet& set = assets::imagelistcards;
    for (int c = 1; c <= 4; ++c) {
        const Suit s = static_cast<Suit>(c);
        out.picture(assets::picturepath(set, c), ace(s), set.width, set.height);
        out.picture(assets::picturepath(set, assets::firstsuitsign + c - 1), suitsign(s), set.width, set.height);
    }
    out.picture(assets::picturepath(set, assets::jokercard), joker(), set.width, set.height);
    for (int b = 0; b < 4; ++b)
        out.picture(assets::picturepath(set, assets::firstcardbutton + b),
                    cardbutton(QString::fromLatin1(assets::cardbuttontext[b])), set.width, set.height);
}

}  // namespace zel::art
