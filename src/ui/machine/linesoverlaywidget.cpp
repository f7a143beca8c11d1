#include "ui/machine/linesoverlaywidget.h"

#include <QPainter>

namespace zel {

namespace {
constexpr double twipsperpixel = 15.0;
constexpr double penwidth = 3.0;  // visible width in pixels at scale 1
bool sameline(const LineControl& a, const LineControl& b) {
    if (a.visible != b.visible) return false;
    if (!a.visible) return true;  // a hidden segment looks the same wherever it lies
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2 && a.bordercolor == b.bordercolor;
}
}  // namespace

LinesOverlayWidget::LinesOverlayWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

bool LinesOverlayWidget::setscale(double s) {
    if (s == scale) return false;
    scale = s;
    update();
    return true;
}

QRectF LinesOverlayWidget::bounds(const LineControl& line) const {
    const double k = scale / twipsperpixel;
    const QRectF r = QRectF(QPointF(line.x1 * k, line.y1 * k), QPointF(line.x2 * k, line.y2 * k)).normalized();
    const double margin = penwidth * scale + 3.0;
    return r.adjusted(-margin, -margin, margin, margin);
}

bool LinesOverlayWidget::setsegment(int i, const LineControl& line) {
    if (i < 1 || i > 6 || sameline(segments[i], line)) return false;
    // Repaint only where the old and the new segment lie.
    if (segments[i].visible) update(bounds(segments[i]).toAlignedRect());
    segments[i] = line;
    if (line.visible) update(bounds(line).toAlignedRect());
    return true;
}

void LinesOverlayWidget::setreelwindow(int r, const QRect& where) {
    if (r < 1 || r > 5 || reelwindows[r] == where) return;
    reelwindows[r] = where;
    update();
}

void LinesOverlayWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // The reels hide what would fall over them, the round ends and the halo included.
    QRegion outside(rect());
    for (int r = 1; r <= 5; ++r) outside -= reelwindows[r];
    p.setClipRegion(outside);
    const double k = scale / twipsperpixel;
    for (int i = 1; i <= 6; ++i) {
        const LineControl& s = segments[i];
        if (!s.visible) continue;
        const QPointF a(s.x1 * k, s.y1 * k), b(s.x2 * k, s.y2 * k);
        const QColor colour = QColor::fromRgb(s.bordercolor & 0xFFFFFF);
        // A dark halo keeps pale lines visible over light symbols.
        p.setPen(QPen(QColor(0, 0, 0, 120), (penwidth + 2) * scale, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
        p.setPen(QPen(colour, penwidth * scale, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a, b);
    }
}

}  // namespace zel
