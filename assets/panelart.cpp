// The panels of the main window: the credit warning, the history caption, the gamble table with
// its win and lose plaques, and the program icon for the about window.
#include <QtMath>

#include "catalogue.h"
#include "generators.h"
#include "painting.h"

namespace zel::art {

namespace {

QImage canvas(const assets::NamedPicture& pic) { return blank(pic.width, pic.height); }

// A rounded plaque with a gradient and a gold rim.
void plaque(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom, const QColor& rim) {
    const qreal radius = qMin(r.width(), r.height()) * 0.22;
    QPainterPath body;
    body.addRoundedRect(r.adjusted(1, 1, -1, -1), radius, radius);
    p.fillPath(body, vertical(r, top, bottom));
    p.setPen(QPen(rim, 2.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1.0));
    p.drawRoundedRect(r.adjusted(3.5, 3.5, -3.5, -3.5), radius - 2, radius - 2);
}

QImage nomoney() {
    QImage image = canvas(assets::nomoneypanel);
    QPainter p(&image);
    smooth(p);
    const QRectF r(QPointF(), image.deviceIndependentSize());
    plaque(p, r, QColor(200, 30, 30), QColor(110, 0, 10), QColor(255, 210, 80));
    const QFont f = font(Family::sans, 12.5);
    outlinedtext(p, QRectF(0, 3, r.width(), 17), QStringLiteral("Not enough"), fitted(f, QStringLiteral("Not enough"), 79),
                 QColor(255, 240, 120), QColor(60, 0, 0), 2.0);
    outlinedtext(p, QRectF(0, 19, r.width(), 17), QStringLiteral("credit !"), f, QColor(255, 240, 120),
                 QColor(60, 0, 0), 2.0);
    return image;
}

QImage pasthistory() {
    QImage image = canvas(assets::pasthistorypanel);
    QPainter p(&image);
    smooth(p);
    const QRectF r(QPointF(), image.deviceIndependentSize());
    plaque(p, r.adjusted(0, 6, 0, -6), QColor(20, 90, 50), QColor(8, 50, 25), QColor(220, 180, 80));
    const QString text = QStringLiteral("past history");
    outlinedtext(p, r, text, fitted(font(Family::serif, 14), text, 78), QColor(255, 225, 130), QColor(0, 30, 10), 2.0);
    return image;
}

QImage gambletable() {
    QImage image = canvas(assets::gamblepanel);
    QPainter p(&image);
    smooth(p);
    const QRectF r(QPointF(), image.deviceIndependentSize());
    QPainterPath edge;
    edge.addRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 14, 14);
    p.fillPath(edge, vertical(r, QColor(120, 70, 30), QColor(70, 35, 12)));  // wooden rail
    QPainterPath felt;
    felt.addRoundedRect(r.adjusted(7, 7, -7, -7), 9, 9);
    QRadialGradient g(QPointF(r.center().x(), r.height() * 0.4), r.height() * 0.75);
    g.setColorAt(0, QColor(40, 150, 80));
    g.setColorAt(1, QColor(10, 70, 35));
    p.fillPath(felt, g);
    // The nap of the felt: a faint, fixed speckle.
    p.save();
    p.setClipPath(felt);
    Noise noise(2024);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 2600; ++i) {
        const qreal x = noise.next() * r.width(), y = noise.next() * r.height();
        const bool light = noise.next() < 0.5;
        p.setBrush(light ? QColor(255, 255, 255, 14) : QColor(0, 0, 0, 20));
        p.drawRect(QRectF(x, y, 1, 1));
    }
    // Gold printing on the table: an inner line and faint suit signs in the corners.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(230, 190, 90, 170), 1.2));
    p.drawRoundedRect(r.adjusted(13, 13, -13, -13), 7, 7);
    p.setPen(QPen(QColor(230, 190, 90, 70), 0.8));
    p.drawRoundedRect(r.adjusted(16, 16, -16, -16), 5, 5);
    const QFont pips = font(Family::sans, 16, false);
    const QString signs[4] = {QStringLiteral("\u2665"), QStringLiteral("\u2663"), QStringLiteral("\u2666"),
                              QStringLiteral("\u2660")};
    const QPointF corners[4] = {{26, 28}, {r.width() - 26, 28}, {26, r.height() - 26}, {r.width() - 26, r.height() - 26}};
    for (int i = 0; i < 4; ++i)
        outlinedtext(p, QRectF(corners[i] - QPointF(10, 10), QSizeF(20, 20)), signs[i], pips, QColor(255, 220, 120, 90),
                     QColor(0, 0, 0, 0), 0);
    p.restore();
    p.setPen(QPen(QColor(40, 20, 5), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(felt);
    return image;
}

QImage gambleresult(bool win) {
    const assets::NamedPicture& pic = win ? assets::gamblewinpanel : assets::gamblelosepanel;
    QImage image = canvas(pic);
    QPainter p(&image);
    smooth(p);
    const QRectF r(0, 0, pic.width, pic.height);
    if (win) {
        p.save();
        p.translate(r.center());
        for (int i = 0; i < 12; ++i) {
            p.rotate(30);
            QPainterPath ray;
            ray.moveTo(0, 0);
            ray.lineTo(-5, -60);
            ray.lineTo(5, -60);
            p.fillPath(ray, QColor(255, 230, 120, 90));
        }
        p.restore();
        plaque(p, r.adjusted(6, 6, -6, -6), QColor(255, 220, 90), QColor(210, 120, 10), QColor(150, 40, 0));
        outlinedtext(p, r.adjusted(0, 2, 0, 0), QStringLiteral("WIN!"), font(Family::sans, 30), QColor(255, 255, 255),
                     QColor(170, 20, 20), 4);
        p.fillPath(star(QPointF(16, 12), 6, 2.2, 4), QColor(255, 255, 255));
        p.fillPath(star(QPointF(105, 40), 5, 1.8, 4), QColor(255, 255, 255));
    } else {
        plaque(p, r.adjusted(4, 4, -4, -4), QColor(110, 110, 120), QColor(45, 40, 50), QColor(160, 30, 30));
        outlinedtext(p, r.adjusted(0, 1, 0, 0), QStringLiteral("LOSE"), font(Family::sans, 28), QColor(235, 235, 240),
                     QColor(120, 10, 10), 3.2);
    }
    return image;
}

}  // namespace

void writepanels(AssetWriter& out) {
    const auto write = [&out](const assets::NamedPicture& pic, const QImage& image) {
        out.picture(pic.path, image, pic.width, pic.height);
    };
    write(assets::nomoneypanel, nomoney());
    write(assets::pasthistorypanel, pasthistory());
    write(assets::gamblepanel, gambletable());
    write(assets::gamblewinpanel, gambleresult(true));
    write(assets::gamblelosepanel, gambleresult(false));
    write(assets::programicon, programicon(assets::programicon.width));
}

}  // namespace zel::art
