// The two animation image lists: the scatter pulse with the highlight frames (ImageList1) and the
// wild shimmer with the multiplier badges (ImageList2).
#include <QtMath>

#include "catalogue.h"
#include "generators.h"
#include "painting.h"
#include "symbolart.h"

namespace zel::art {

namespace {

// A glowing rounded border round the cell: several strokes fading outwards.
void glowborder(QPainter& p, const QColor& colour, qreal strength) {
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = 4; i >= 0; --i) {
        QColor c = colour;
        c.setAlphaF(qBound(0.0, strength * (1.0 - i * 0.18), 1.0));
        p.setPen(QPen(c, 2.0 + i * 1.6));
        p.drawRoundedRect(QRectF(3.5, 3.5, 93, 93), 11, 11);
    }
    QColor core = colour.lighter(150);
    core.setAlphaF(qBound(0.0, strength, 1.0));
    p.setPen(QPen(core, 1.4));
    p.drawRoundedRect(QRectF(3.5, 3.5, 93, 93), 11, 11);
    p.restore();
}

void sparkle(QPainter& p, QPointF c, qreal size, int alpha) {
    p.fillPath(star(c, size, size * 0.28, 4), QColor(255, 255, 240, alpha));
    p.fillPath(star(c, size * 0.5, size * 0.2, 4), QColor(255, 255, 255, qMin(255, alpha + 40)));
}

// Scatter frame: the mountain lit up by strength 0 (calm) .. 1 (brightest), sparkles turning by phase.
QImage scatterframe(const QImage& mountain, qreal strength, qreal phase) {
    QImage image = mountain;
    QPainter p(&image);
    smooth(p);
    p.save();
    p.setClipPath(cellface());
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    QRadialGradient light(QPointF(50, 45), 60);
    light.setColorAt(0, QColor(255, 220, 120, int(110 * strength)));
    light.setColorAt(1, QColor(255, 160, 40, int(60 * strength)));
    p.fillRect(QRectF(0, 0, 100, 100), light);
    p.restore();
    glowborder(p, QColor(255, 200, 40), 0.25 + 0.75 * strength);
    for (int i = 0; i < 4; ++i) {
        const qreal a = phase + i * M_PI / 2;
        const QPointF c(50 + 34 * qCos(a), 46 + 30 * qSin(a));
        sparkle(p, c, 3 + 6 * strength, int(80 + 170 * strength));
    }
    return image;
}

// A transparent highlight: only a glowing border, drawn over a reel cell.
QImage highlight(const QColor& colour) {
    QImage image = blank(100, 100);
    QPainter p(&image);
    smooth(p);
    glowborder(p, colour, 1.0);
    return image;
}

// Wild frame k of n: a bright band sweeping across the eagle and a pulsing border.
QImage wildframe(const QImage& eagle, int k, int n) {
    QImage image = eagle;
    QPainter p(&image);
    smooth(p);
    const qreal t = qreal(k) / n;
    p.save();
    p.setClipPath(cellface());
    const qreal x = -30 + 160 * t;
    QLinearGradient band(QPointF(x - 28, 0), QPointF(x + 28, 14));
    band.setColorAt(0.0, QColor(255, 200, 60, 0));
    band.setColorAt(0.35, QColor(255, 210, 80, 120));
    band.setColorAt(0.5, QColor(255, 255, 220, 230));
    band.setColorAt(0.65, QColor(255, 210, 80, 120));
    band.setColorAt(1.0, QColor(255, 200, 60, 0));
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.fillRect(QRectF(0, 0, 100, 100), band);
    p.restore();
    sparkle(p, QPointF(x + 4, 20 + 60 * t), 6, 230);
    glowborder(p, QColor(255, 80, 60), 0.55 + 0.45 * qSin(t * M_PI));
    return image;
}

// Multiplier badge overlay: transparent, with a badge in the upper right corner at pulse frame 0..3.
QImage badge(int multiplier, int frame) {
    static constexpr qreal pulse[4] = {0.9, 1.0, 1.1, 1.0};
    QImage image = blank(100, 100);
    QPainter p(&image);
    smooth(p);
    const QPointF c(75, 25);
    const qreal r = 16 * pulse[frame];
    p.save();
    p.translate(c);
    p.rotate(frame * 7.5);
    QRadialGradient halo(QPointF(0, 0), r * 1.45);
    halo.setColorAt(0.6, QColor(255, 220, 80, 200));
    halo.setColorAt(1.0, QColor(255, 180, 0, 0));
    p.fillPath(star(QPointF(0, 0), r * 1.45, r * 1.02, 12), halo);
    p.restore();
    QRadialGradient body(c - QPointF(r * 0.35, r * 0.35), r * 1.4);
    body.setColorAt(0, QColor(255, 110, 90));
    body.setColorAt(0.6, QColor(205, 20, 30));
    body.setColorAt(1, QColor(120, 0, 10));
    p.setPen(QPen(QColor(255, 215, 80), 2.2));
    p.setBrush(body);
    p.drawEllipse(c, r, r);
    const QString text = QStringLiteral("x%1").arg(multiplier);
    const qreal size = (text.size() > 2 ? 15.0 : 19.0) * pulse[frame];
    outlinedtext(p, QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), text, font(Family::sans, size),
                 QColor(255, 255, 255), QColor(80, 0, 0), 2.4);
    return image;
}

}  // namespace

void writeimagelists(AssetWriter& out) {
    const assets::NumberedSet& one = assets::imagelist1;
    const QImage mountain = symbolpicture(Symbol::mountain);
    QImage list1[assets::imagelist1.count + 1];
    for (int i = 1; i <= assets::scatterframes; ++i) {
        const qreal t = qreal(i - 1) / (assets::scatterframes - 1);
        list1[i] = scatterframe(mountain, t * t * (3 - 2 * t), i * 0.22);
    }
    // 21..25: the full glow with the sparkles still turning; never addressed by the game.
    for (int i = assets::scatterframes + 1; i <= 25; ++i)
        list1[i] = scatterframe(mountain, 1.0, i * 0.22);
    list1[assets::emptycellpicture] = highlight(QColor(255, 205, 50));
    list1[27] = highlight(QColor(220, 230, 255));
    list1[28] = highlight(QColor(255, 70, 60));
    for (int i = 1; i <= one.count; ++i)
        out.picture(assets::picturepath(one, i), list1[i], one.width, one.height);

    const assets::NumberedSet& two = assets::imagelist2;
    const QImage eagle = symbolpicture(Symbol::eagle);
    for (int i = 1; i <= assets::wildframes; ++i)
        out.picture(assets::picturepath(two, i), wildframe(eagle, i - 1, assets::wildframes), two.width, two.height);
    for (int b = 0; b < 4; ++b)
        for (int f = 0; f < assets::badgeframes; ++f) {
            const int index = assets::firstbadgepicture + b * assets::badgeframes + f;
            out.picture(assets::picturepath(two, index), badge(assets::badgemultiplier[b], f), two.width, two.height);
        }
}

}  // namespace zel::art
