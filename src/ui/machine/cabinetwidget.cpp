#include "ui/machine/cabinetwidget.h"

#include <QPainter>
#include <QPainterPath>
#include <QPaintEvent>

namespace zel {

namespace {
constexpr int reelleft[5] = {53, 162, 273, 383, 493};  // the reel windows, as the game places them
constexpr int reeltop = 53, reelwidth = 100, reelheight = 300;

QLinearGradient gold(const QRectF& r, bool vertical = true) {
    QLinearGradient g(r.topLeft(), vertical ? r.bottomLeft() : r.topRight());
    g.setColorAt(0.00, QColor(255, 243, 178));
    g.setColorAt(0.30, QColor(222, 174, 60));
    g.setColorAt(0.55, QColor(150, 100, 18));
    g.setColorAt(0.80, QColor(232, 190, 80));
    g.setColorAt(1.00, QColor(110, 70, 10));
    return g;
}

// A rounded plate with a gold rim of `rim` pixels.
void trimmedplate(QPainter& p, const QRectF& r, double radius, double rim, const QBrush& inside) {
    p.setPen(QPen(QColor(30, 16, 2), 1));
    p.setBrush(gold(r));
    p.drawRoundedRect(r, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(inside);
    const QRectF in = r.adjusted(rim, rim, -rim, -rim);
    p.drawRoundedRect(in, qMax(0.0, radius - rim), qMax(0.0, radius - rim));
}

void marquee(QPainter& p, const QRectF& r) {
    QLinearGradient red(r.topLeft(), r.bottomLeft());
    red.setColorAt(0, QColor(150, 12, 20));
    red.setColorAt(1, QColor(60, 2, 8));
    trimmedplate(p, r, 10, 3, red);
    // Chaser bulbs along the rim.
    const QRectF in = r.adjusted(8, 6, -8, -6);
    for (int i = 0; i <= 40; ++i) {
        const double x = in.left() + in.width() * i / 40.0;
        for (const double y : {in.top(), in.bottom()}) {
            QRadialGradient bulb(QPointF(x, y), 2.6);
            bulb.setColorAt(0, QColor(255, 255, 220));
            bulb.setColorAt(0.6, QColor(255, 200, 60));
            bulb.setColorAt(1, QColor(255, 160, 0, 0));
            p.setBrush(bulb);
            p.drawEllipse(QPointF(x, y), 2.6, 2.6);
        }
    }
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(24);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    const QString title = QStringLiteral("\u2605  ZEL SLOTS  \u2605");
    QPainterPath text;
    text.addText(0, 0, font, title);
    const QRectF box = text.boundingRect();
    text.translate(r.center().x() - box.center().x(), r.center().y() - box.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 160));
    p.drawPath(text.translated(1.5, 2));
    p.setPen(QPen(QColor(70, 30, 0), 1));
    p.setBrush(gold(text.boundingRect()));
    p.drawPath(text);
}
}  // namespace

CabinetWidget::CabinetWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setObjectName(QStringLiteral("zel"));
}

void CabinetWidget::setscale(double s) {
    if (s == scale) return;
    scale = s;
    backdrop = QPixmap();
    update();
}

void CabinetWidget::paintbackdrop(QPainter& p) const {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF all(0, 0, cabinet::width, cabinet::height);
    QLinearGradient body(all.topLeft(), all.bottomLeft());
    body.setColorAt(0, QColor(58, 10, 16));
    body.setColorAt(0.8, QColor(26, 4, 8));
    body.setColorAt(1, QColor(12, 2, 4));
    p.fillRect(all, body);

    marquee(p, QRectF(58, 2, 527, 41));

    // Plates behind the line tags, and the frame that holds the reels.
    QLinearGradient dark(0, 44, 0, 360);
    dark.setColorAt(0, QColor(22, 16, 14));
    dark.setColorAt(1, QColor(8, 6, 6));
    trimmedplate(p, QRectF(3, 44, 40, 316), 6, 2, dark);
    trimmedplate(p, QRectF(600, 44, 40, 316), 6, 2, dark);
    trimmedplate(p, QRectF(46, 46, 552, 312), 8, 3, QColor(6, 4, 4));
    for (const int left : reelleft) {
        const QRectF window(left, reeltop, reelwidth, reelheight);
        p.setPen(QPen(QColor(214, 168, 64), 1.5));
        p.setBrush(Qt::NoBrush);
        p.drawRect(window.adjusted(-2, -2, 2, 2));
    }

    // The button deck: dark brushed metal under a gold edge.
    const QRectF deck(0, 358, cabinet::width, cabinet::height - 358);
    QLinearGradient metal(deck.topLeft(), deck.bottomLeft());
    metal.setColorAt(0, QColor(52, 48, 54));
    metal.setColorAt(0.5, QColor(30, 28, 32));
    metal.setColorAt(1, QColor(14, 12, 16));
    p.fillRect(deck, metal);
    p.setPen(Qt::NoPen);
    for (int y = int(deck.top()) + 3; y < cabinet::height; y += 3) {
        p.setBrush(QColor(255, 255, 255, (y / 3) % 2 ? 6 : 0));
        p.drawRect(QRectF(0, y, cabinet::width, 1));
    }
    p.setBrush(gold(QRectF(0, deck.top(), cabinet::width, 3)));
    p.drawRect(QRectF(0, deck.top(), cabinet::width, 3));
}

void CabinetWidget::paintEvent(QPaintEvent* event) {
    const double dpr = devicePixelRatioF();
    if (backdrop.isNull()) {
        backdrop = QPixmap(size() * dpr);
        backdrop.setDevicePixelRatio(dpr);
        QPainter bp(&backdrop);
        bp.scale(scale, scale);
        paintbackdrop(bp);
    }
    QPainter p(this);
    const QRect r = event->rect();
    p.drawPixmap(r, backdrop, QRectF(r.x() * dpr, r.y() * dpr, r.width() * dpr, r.height() * dpr).toRect());
}

}  // namespace zel
