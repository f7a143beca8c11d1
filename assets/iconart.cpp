// The program's icon: the badge's gold star over the flag's stripes on a night-blue tile, with
// "ZEL" across the stripes. Each size is drawn on its own pixel grid, never scaled from another:
// edges of the tile and the stripes fall on whole pixels, and detail is added only where the size
// can carry it (no lettering below 48 pixels, the shield and the rays from 128).
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "catalogue.h"
#include "generators.h"
#include "painting.h"
#include "symbolart.h"

namespace zel::art {

namespace {

// What a size can carry.
struct Detail {
    bool lettering;  // "ZEL" across the stripes
    bool shield;     // the badge's own star, shield and all, with rays behind it
    bool gloss;      // a soft light across the top of the tile
    bool sparkles;
};

Detail detailfor(int size) { return {size >= 48, size >= 128, size >= 64, size >= 256}; }

int whole(qreal v) { return int(std::lround(v)); }

// The flag's stripes across the lower part, red first, each a whole number of pixels high.
void stripes(QPainter& p, int size, bool lettering) {
    const int height = std::max(2, whole(size / 21.0));
    const int top = whole(size * (lettering ? 0.66 : 0.72));
    for (int y = top, i = 0; y < size; y += height, ++i)
        p.fillRect(QRect(0, y, size, height), i % 2 ? QColor(250, 250, 250) : QColor(210, 30, 40));
}

void rays(QPainter& p, QPointF centre, qreal length) {
    p.save();
    p.translate(centre);
    for (int i = 0; i < 16; ++i) {
        p.rotate(22.5);
        QPainterPath ray;
        ray.moveTo(0, 0);
        ray.lineTo(-length * 0.07, -length);
        ray.lineTo(length * 0.07, -length);
        ray.closeSubpath();
        p.fillPath(ray, QColor(255, 255, 255, i % 2 ? 22 : 40));
    }
    p.restore();
}

// A plain gold star: the badge's star without the shield, for sizes too small for it.
void plainstar(QPainter& p, QPointF centre, qreal outer, qreal outline) {
    QRadialGradient gold(centre - QPointF(outer * 0.15, outer * 0.3), outer * 1.1);
    gold.setColorAt(0, QColor(255, 246, 170));
    gold.setColorAt(0.55, QColor(245, 190, 40));
    gold.setColorAt(1, QColor(200, 130, 10));
    p.setPen(QPen(QColor(90, 45, 0), outline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(gold);
    p.drawPath(star(centre, outer, outer * 0.42));
}

// The badge's star and shield, moved and scaled from the 100-pixel cell of the badge symbol.
void badgestar(QPainter& p, QPointF centre, qreal outer) {
    p.save();
    p.translate(centre);
    p.scale(outer / 46.0, outer / 46.0);
    p.translate(-50, -53);
    drawbadgestar(p);
    p.restore();
}

}  // namespace

QImage programicon(int size) {
    QImage image = blank(size, size);
    QPainter p(&image);
    smooth(p);
    const qreal s = size;
    const Detail detail = detailfor(size);
    const int margin = size >= 64 ? whole(s / 64) : 0;
    const int rim = std::max(1, whole(s / 40));
    const QRectF tile(margin, margin, size - 2 * margin, size - 2 * margin);
    const qreal radius = std::round(s * 0.19);
    QPainterPath body;
    body.addRoundedRect(tile, radius, radius);
    p.fillPath(body, vertical(tile, QColor(50, 90, 200), QColor(15, 25, 80)));

    const QPointF centre(s / 2, s * (detail.lettering ? 0.37 : 0.42));
    const qreal outer = s * (detail.lettering ? 0.31 : 0.40);
    p.save();
    p.setClipPath(body);
    if (detail.shield) rays(p, centre, s * 0.6);
    stripes(p, size, detail.lettering);
    if (detail.gloss) {
        QLinearGradient light(tile.topLeft(), QPointF(tile.left(), tile.top() + s * 0.5));
        light.setColorAt(0, QColor(255, 255, 255, 70));
        light.setColorAt(1, QColor(255, 255, 255, 0));
        p.fillRect(QRectF(tile.left(), tile.top(), tile.width(), s * 0.5), light);
    }
    p.restore();

    if (detail.shield)
        badgestar(p, centre, outer);
    else
        plainstar(p, centre, outer, std::max(1.0, s / 40));
    if (detail.lettering) {
        const qreal band = s * 0.27;
        outlinedtext(p, QRectF(0, s * 0.60, s, band), QStringLiteral("ZEL"), font(Family::sans, band),
                     QColor(255, 230, 100), QColor(20, 10, 40), s * 3 / 64);
    }
    if (detail.sparkles) {
        p.fillPath(star(QPointF(s * 0.2, s * 0.2), s * 0.05, s * 0.016, 4), QColor(255, 255, 255, 230));
        p.fillPath(star(QPointF(s * 0.82, s * 0.3), s * 0.035, s * 0.012, 4), QColor(255, 255, 255, 200));
    }
    // The rim inside the tile's edge, so its outer edge is the tile's own whole-pixel edge.
    QPainterPath edge;
    const qreal half = rim / 2.0;
    edge.addRoundedRect(tile.adjusted(half, half, -half, -half), radius - half, radius - half);
    p.strokePath(edge, QPen(QColor(240, 200, 90), rim));
    return image;
}

void writeprogramicons(AssetWriter& out) {
    for (const int size : assets::programiconsizes)
        out.picture(assets::programiconpath(size), programicon(size), size, size);
}

}  // namespace zel::art
