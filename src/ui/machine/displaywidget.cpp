#include "ui/machine/displaywidget.h"

#include <QFontMetricsF>
#include <QPainter>

namespace zel {

namespace {
bool change(QString& field, const QString& text) {
    if (field == text) return false;
    field = text;
    return true;
}

// The largest bold font of the family, up to `pixels` high, in which `text` fits `width`.
QFont fitted(const QString& family, double pixels, const QString& text, double width) {
    QFont font(family);
    font.setBold(true);
    font.setPixelSize(qMax(6, int(pixels)));
    while (font.pixelSize() > 6 && QFontMetricsF(font).horizontalAdvance(text) > width)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

// LED text: a soft glow around bright segments.
void ledtext(QPainter& p, const QRectF& r, int flags, const QString& text, const QColor& colour) {
    QColor glow = colour;
    glow.setAlpha(70);
    p.setPen(glow);
    for (const QPointF d : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)})
        p.drawText(r.translated(d), flags, text);
    p.setPen(colour.lighter(115));
    p.drawText(r, flags, text);
}

const QString ledfamily = QStringLiteral("DejaVu Sans Mono");
const QString labelfamily = QStringLiteral("DejaVu Sans");
}  // namespace

DisplayWidget::DisplayWidget(Style s, QWidget* parent) : QWidget(parent), style(s) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

bool DisplayWidget::setheading(const QString& text) { return change(heading, text) ? (update(), true) : false; }
bool DisplayWidget::setvalue(const QString& text) { return change(value, text) ? (update(), true) : false; }
bool DisplayWidget::setsubvalue(const QString& text) { return change(subvalue, text) ? (update(), true) : false; }

bool DisplayWidget::setscale(double s) {
    if (s == scale) return false;
    scale = s;
    update();
    return true;
}

void DisplayWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    // A gold bezel around a black glass screen.
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double r = 4 * scale;
    QLinearGradient bezel(outer.topLeft(), outer.bottomLeft());
    bezel.setColorAt(0, QColor(255, 231, 150));
    bezel.setColorAt(0.5, QColor(176, 124, 30));
    bezel.setColorAt(1, QColor(92, 60, 12));
    p.setPen(QPen(QColor(40, 24, 4), 1));
    p.setBrush(bezel);
    p.drawRoundedRect(outer, r, r);
    const QRectF screen = outer.adjusted(2 * scale, 2 * scale, -2 * scale, -2 * scale);
    QLinearGradient glass(screen.topLeft(), screen.bottomLeft());
    glass.setColorAt(0, QColor(28, 6, 6));
    glass.setColorAt(1, QColor(6, 2, 2));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawRoundedRect(screen, r * 0.6, r * 0.6);

    if (style == Style::meter) paintmeter(p, screen);
    else paintbanner(p, screen);

    // Reflection on the glass.
    QLinearGradient shine(screen.topLeft(), screen.bottomLeft());
    shine.setColorAt(0, QColor(255, 255, 255, 34));
    shine.setColorAt(0.45, QColor(255, 255, 255, 0));
    p.setBrush(shine);
    p.drawRoundedRect(screen, r * 0.6, r * 0.6);
}

void DisplayWidget::paintmeter(QPainter& p, const QRectF& screen) {
    const double pad = 4 * scale;
    const QRectF top(screen.left() + pad, screen.top() + 1 * scale, screen.width() - 2 * pad, screen.height() * 0.34);
    const QRectF main(screen.left() + pad, top.bottom() - 1 * scale, screen.width() - 2 * pad,
                      screen.bottom() - top.bottom());

    p.setFont(fitted(labelfamily, top.height() * 0.85, heading, top.width() * 0.55));
    p.setPen(QColor(240, 196, 90));
    p.drawText(top, Qt::AlignLeft | Qt::AlignVCenter, heading.toUpper());
    const QString sub = subvalue.trimmed();
    if (!sub.isEmpty()) {
        p.setFont(fitted(ledfamily, top.height() * 0.85, sub, top.width() * 0.6));
        ledtext(p, top, Qt::AlignRight | Qt::AlignVCenter, sub, QColor(255, 176, 40));
    }
    const QString shown = value.trimmed();
    p.setFont(fitted(ledfamily, main.height() * 0.95, shown, main.width()));
    ledtext(p, main, Qt::AlignRight | Qt::AlignVCenter, shown, led);
}

void DisplayWidget::paintbanner(QPainter& p, const QRectF& screen) {
    const QString shown = value.trimmed();
    const QRectF area = screen.adjusted(6 * scale, 0, -6 * scale, 0);
    p.setFont(fitted(ledfamily, area.height() * 0.45, shown, area.width()));
    ledtext(p, area, Qt::AlignCenter, shown, led);
}

}  // namespace zel
