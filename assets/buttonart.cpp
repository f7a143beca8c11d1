// The button faces of the main window and the line number tags beside the reels.
#include "catalogue.h"
#include "generators.h"
#include "core/machine/paytables.h"
#include "painting.h"

namespace zel::art {

namespace {

const QColor shadow(10, 20, 10);

// A face with one caption.
QImage face(int width, int height, const QColor& base, const QString& caption) {
    QImage image = blank(width, height);
    QPainter p(&image);
    smooth(p);
    buttonface(p, QRectF(0, 0, width, height), base);
    const QRectF inside(6, 2, width - 12, height - 4);
    const QFont f = fitted(font(Family::sans, height * 0.42), caption, inside.width());
    outlinedtext(p, inside, caption, f, QColor(255, 255, 255), shadow, 2.4);
    return image;
}

// A play button: a small "BET" over the big bet per line.
QImage playface(int bet) {
    const assets::NumberedSet& set = assets::playfaces;
    QImage image = blank(set.width, set.height);
    QPainter p(&image);
    smooth(p);
    buttonface(p, QRectF(0, 0, set.width, set.height), QColor(25, 150, 60));
    outlinedtext(p, QRectF(0, 4, set.width, 10), QStringLiteral("BET"), font(Family::sans, 9.5), QColor(255, 255, 255),
                 shadow, 2.0);
    outlinedtext(p, QRectF(0, 14, set.width, 19), QString::number(bet), font(Family::sans, 17), QColor(255, 236, 90),
                 shadow, 2.6);
    return image;
}

// A line button: the big number of lines over a small "LINE" or "LINES".
QImage paylineface(int lines) {
    const assets::NumberedSet& set = assets::paylinefaces;
    QImage image = blank(set.width, set.height);
    QPainter p(&image);
    smooth(p);
    buttonface(p, QRectF(0, 0, set.width, set.height), QColor(35, 95, 205));
    outlinedtext(p, QRectF(0, 2, set.width, 21), QString::number(lines), font(Family::sans, 17), QColor(255, 255, 255),
                 shadow, 2.6);
    const QString word = lines == 1 ? QStringLiteral("LINE") : QStringLiteral("LINES");
    outlinedtext(p, QRectF(0, 22, set.width, 12), word, font(Family::sans, 9.5), QColor(200, 230, 255), shadow, 2.0);
    return image;
}

QImage coinface() {
    const assets::NamedPicture& pic = assets::coinsinface;
    QImage image = blank(pic.width, pic.height);
    QPainter p(&image);
    smooth(p);
    buttonface(p, QRectF(0, 0, pic.width, pic.height), QColor(200, 140, 20));
    const QPointF c(15, 18);
    QRadialGradient g(c - QPointF(3, 3), 14);
    g.setColorAt(0, QColor(255, 248, 190));
    g.setColorAt(0.6, QColor(240, 190, 50));
    g.setColorAt(1, QColor(160, 100, 0));
    p.setPen(QPen(QColor(90, 50, 0), 1.0));
    p.setBrush(g);
    p.drawEllipse(c, 10, 10);
    p.setPen(QPen(QColor(255, 235, 150), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 7.5, 7.5);
    outlinedtext(p, QRectF(5, 8, 20, 20), QStringLiteral("$"), font(Family::serif, 13), QColor(140, 80, 0),
                 QColor(0, 0, 0, 0), 0);
    outlinedtext(p, QRectF(27, 3, 38, 15), QStringLiteral("INSERT"), fitted(font(Family::sans, 11), QStringLiteral("INSERT"), 36),
                 QColor(255, 255, 255), QColor(80, 40, 0), 2.2);
    outlinedtext(p, QRectF(27, 18, 38, 15), QStringLiteral("COIN"), font(Family::sans, 12), QColor(255, 255, 255),
                 QColor(80, 40, 0), 2.2);
    return image;
}

// The line number tag: lit in the line's colour, or grey when the line is not played.
QImage linetag(int line, bool lit) {
    const assets::NumberedSet& set = assets::linepics;
    QImage image = blank(set.width, set.height);
    QPainter p(&image);
    smooth(p);
    const assets::Rgb rgb = assets::linecolour(line);
    const QColor base = lit ? QColor(rgb.r, rgb.g, rgb.b) : QColor(150, 150, 156);
    const QRectF r(0.5, 0.5, set.width - 1, set.height - 1);
    QPainterPath tag;
    tag.addRoundedRect(r, 5, 5);
    p.fillPath(tag, vertical(r, base.lighter(lit ? 135 : 115), base.darker(lit ? 115 : 120)));
    p.setPen(QPen(lit ? base.darker(220) : QColor(95, 95, 100), 1.0));
    p.drawPath(tag);
    const bool lightground = 0.299 * base.red() + 0.587 * base.green() + 0.114 * base.blue() > 140;
    const QColor ink = !lit ? QColor(70, 70, 76) : lightground ? QColor(10, 10, 20) : QColor(255, 255, 255);
    const QColor rim = !lit ? QColor(190, 190, 195) : lightground ? QColor(255, 255, 255, 170) : QColor(0, 0, 0, 170);
    outlinedtext(p, r, QString::number(line), font(Family::sans, 13), ink, rim, 2.0);
    return image;
}

}  // namespace

void writebuttons(AssetWriter& out) {
    for (int i = 1; i <= assets::playfaces.count; ++i)
        out.picture(assets::picturepath(assets::playfaces, i), playface(playbet[i]), assets::playfaces.width,
                    assets::playfaces.height);
    for (int i = 1; i <= assets::paylinefaces.count; ++i)
        out.picture(assets::picturepath(assets::paylinefaces, i), paylineface(paylinelines[i]),
                    assets::paylinefaces.width, assets::paylinefaces.height);
    const auto named = [&out](const assets::NamedPicture& pic, const QColor& base, const QString& caption) {
        out.picture(pic.path, face(pic.width, pic.height, base, caption), pic.width, pic.height);
    };
    out.picture(assets::coinsinface.path, coinface(), assets::coinsinface.width, assets::coinsinface.height);
    named(assets::doubleface, QColor(225, 90, 20), QStringLiteral("GAMBLE"));
    named(assets::takewinface, QColor(20, 140, 125), QStringLiteral("COLLECT"));
    named(assets::betredface, QColor(205, 25, 35), QStringLiteral("RED"));
    named(assets::betblackface, QColor(45, 45, 55), QStringLiteral("BLACK"));
    named(assets::cancelbetface, QColor(20, 140, 125), QStringLiteral("COLLECT"));

    const assets::NumberedSet& tags = assets::linepics;
    for (int line = 1; line <= 25; ++line) {
        out.picture(assets::picturepath(tags, line), linetag(line, true), tags.width, tags.height);
        out.picture(assets::picturepath(tags, line + 25), linetag(line, false), tags.width, tags.height);
    }
}

}  // namespace zel::art
