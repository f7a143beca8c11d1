#include "painting.h"

#include <QFontInfo>
#include <QtMath>

namespace zel::art {

namespace {
const char* familyname(Family family) { return family == Family::sans ? "DejaVu Sans" : "DejaVu Serif"; }
}  // namespace

QFont font(Family family, qreal pixelsize, bool bold) {
    QFont f(QString::fromLatin1(familyname(family)));
    f.setPixelSize(qMax(1, qRound(pixelsize)));
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

bool fontsavailable(QString* problem) {
    for (Family family : {Family::sans, Family::serif}) {
        for (bool bold : {false, true}) {
            const QFont f = font(family, 20, bold);
            const QString got = QFontInfo(f).family();
            if (got != QLatin1String(familyname(family))) {
                if (problem)
                    *problem = QStringLiteral("asked for font \"%1\"%2 but got \"%3\" (install fonts-dejavu-core)")
                                   .arg(QLatin1String(familyname(family)), bold ? QStringLiteral(" bold") : QString(), got);
                return false;
            }
        }
    }
    return true;
}

namespace {
int drawingdensity = 1;
}  // namespace

void setdensity(int density) { drawingdensity = density; }
int density() { return drawingdensity; }

QImage blank(int width, int height) {
    QImage image(width * drawingdensity, height * drawingdensity, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(drawingdensity);
    image.fill(Qt::transparent);
    return image;
}

void smooth(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QPainterPath cellface() {
    QPainterPath path;
    path.addRoundedRect(QRectF(4, 4, 92, 92), 10, 10);
    return path;
}

void cellframe(QPainter& p, const QBrush& inner) {
    p.save();
    QPainterPath outer;
    outer.addRoundedRect(QRectF(0.5, 0.5, 99, 99), 13, 13);
    p.fillPath(outer, QColor(20, 24, 48));
    p.fillPath(cellface(), inner);
    p.restore();
}

void cellborder(QPainter& p) {
    p.save();
    QLinearGradient gold(0, 0, 100, 100);
    gold.setColorAt(0.0, QColor(255, 240, 170));
    gold.setColorAt(0.45, QColor(214, 160, 40));
    gold.setColorAt(0.55, QColor(250, 214, 110));
    gold.setColorAt(1.0, QColor(150, 96, 20));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(gold), 3.0));
    p.drawRoundedRect(QRectF(3, 3, 94, 94), 11, 11);
    p.setPen(QPen(QColor(60, 36, 8, 160), 1.0));
    p.drawRoundedRect(QRectF(4.8, 4.8, 90.4, 90.4), 9.5, 9.5);
    p.restore();
}

void outlinedtext(QPainter& p, const QRectF& box, const QString& text, const QFont& f,
                  const QBrush& fill, const QColor& outline, qreal outlinewidth) {
    QPainterPath path;
    path.addText(0, 0, f, text);
    const QRectF bounds = path.boundingRect();
    path.translate(box.center() - bounds.center());
    p.save();
    if (outlinewidth > 0) {
        p.setPen(QPen(outline, outlinewidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.fillPath(path, fill);
    p.restore();
}

QFont fitted(QFont f, const QString& text, qreal width) {
    QPainterPath probe;
    probe.addText(0, 0, f, text);
    const qreal w = probe.boundingRect().width();
    if (w > width && w > 0)
        f.setPixelSize(qMax(6, int(f.pixelSize() * width / w)));
    return f;
}

QPainterPath star(QPointF centre, qreal outer, qreal inner, int points) {
    QPainterPath path;
    for (int i = 0; i < 2 * points; ++i) {
        const qreal radius = (i % 2 == 0) ? outer : inner;
        const qreal angle = -M_PI / 2 + i * M_PI / points;
        const QPointF pt(centre.x() + radius * qCos(angle), centre.y() + radius * qSin(angle));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

void buttonface(QPainter& p, const QRectF& r, const QColor& base) {
    p.save();
    const qreal radius = qMin(r.height(), r.width()) * 0.2;
    QPainterPath outer;
    outer.addRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.fillPath(outer, base.darker(260));
    const QRectF body = r.adjusted(1.5, 1.5, -1.5, -1.5);
    QPainterPath face;
    face.addRoundedRect(body, radius - 1, radius - 1);
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0.0, base.lighter(165));
    g.setColorAt(0.48, base.lighter(112));
    g.setColorAt(0.52, base);
    g.setColorAt(1.0, base.darker(150));
    p.fillPath(face, g);
    // Bevel: a light rim on the upper left, a dark one on the lower right.
    p.setClipPath(face);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.2));
    p.drawRoundedRect(body.adjusted(0.6, 0.6, 0.6, 0.6), radius - 1, radius - 1);
    p.setPen(QPen(QColor(0, 0, 0, 110), 1.2));
    p.drawRoundedRect(body.adjusted(-0.6, -0.6, -0.6, -0.6), radius - 1, radius - 1);
    // A soft gloss over the upper half.
    QRectF gloss = body.adjusted(2, 1.5, -2, -body.height() * 0.52);
    p.fillRect(gloss, vertical(gloss, QColor(255, 255, 255, 90), QColor(255, 255, 255, 10)));
    p.restore();
}

void flag(QPainter& p, const QRectF& r, qreal wave) {
    p.save();
    const QColor red(200, 24, 40), white(250, 250, 250), blue(30, 50, 130);
    const int stripes = 13;
    const qreal h = r.height() / stripes;
    const int steps = 24;
    for (int s = 0; s < stripes; ++s) {
        // Each stripe is a band whose edges follow a gentle sine wave.
        QPainterPath band;
        for (int i = 0; i <= steps; ++i) {
            const qreal x = r.left() + r.width() * i / steps;
            const qreal y = r.top() + s * h + wave * qSin(i * 2 * M_PI / steps);
            i == 0 ? band.moveTo(x, y) : band.lineTo(x, y);
        }
        for (int i = steps; i >= 0; --i) {
            const qreal x = r.left() + r.width() * i / steps;
            const qreal y = r.top() + (s + 1) * h + wave * qSin(i * 2 * M_PI / steps) + 0.4;
            band.lineTo(x, y);
        }
        p.fillPath(band, s % 2 == 0 ? red : white);
    }
    const QRectF canton(r.left(), r.top() + wave * 0.3, r.width() * 0.42, h * 7);
    p.fillRect(canton, blue);
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    const qreal dot = qMax(0.4, canton.height() / 48);
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 6; ++col)
            p.drawEllipse(QPointF(canton.left() + canton.width() * (col + 0.5 + (row % 2) * 0.4) / 6.4,
                                  canton.top() + canton.height() * (row + 0.55) / 5.2),
                          dot, dot);
    p.restore();
}

double Noise::next() {
    // xorshift32: small, fast and the same everywhere.
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return (state_ >> 8) * (1.0 / 16777216.0);
}

}  // namespace zel::art
