#include "ui/machine/reelwidget.h"

#include <cmath>

#include <QPainter>

#include "ui/machine/picturewidget.h"

namespace zel {

namespace {
constexpr double twipsperpixel = 15.0;
bool samecontrol(const Control& a, const Control& b) {
    return a.visible == b.visible && a.picture == b.picture && a.left == b.left && a.top == b.top &&
           a.width == b.width && a.height == b.height;
}
}  // namespace

ReelWidget::ReelWidget(int r, QWidget* parent) : QWidget(parent), reel(r) {
    // The strip covers the whole window: nothing behind it needs drawing.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

bool ReelWidget::setscale(double s) {
    if (s == scale) return false;
    scale = s;
    update();
    return true;
}

bool ReelWidget::setstriptop(int32_t twips) {
    if (twips == striptop) return false;
    striptop = twips;
    update();
    return true;
}

bool ReelWidget::setflasher(int row, const Control& f) {
    if (row < 0 || row > 2 || samecontrol(flashers[row], f)) return false;
    const Control before = flashers[row];
    flashers[row] = f;
    // A frame that stays hidden changes nothing on screen (the wild animation swaps pictures
    // of hidden frames ten times a second); otherwise only the frame's own cell is redrawn.
    if (!before.visible && !f.visible) return false;
    const double px = scale / twipsperpixel;
    const auto area = [px](const Control& c) {
        return QRect(int(std::floor(c.left * px)), int(std::floor(c.top * px)), int(std::ceil(c.width * px)) + 1,
                     int(std::ceil(c.height * px)) + 1);
    };
    update(area(before).united(area(f)));
    return true;
}

void ReelWidget::resizeEvent(QResizeEvent*) { glasspixmap = QPixmap(); }

const QPixmap& ReelWidget::strip() {
    const double dpr = devicePixelRatioF();
    if (scaledfor != scale * dpr) {
        const QString path = QStringLiteral(":/reels/reel%1.png").arg(reel);
        const QPixmap own = zelpicture(path);
        scaledstrip = QPixmap();
        if (!own.isNull()) {
            // Scaled once per scale from the picture with at least the pixels the screen shows.
            const double factor = scale * dpr;
            const QSize wanted(int(std::lround(own.width() * factor)), int(std::lround(own.height() * factor)));
            const QPixmap source = zelpicture(path, QSizeF(own.size()) * scale, dpr);
            scaledstrip = source.size() == wanted ? source
                                                  : source.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            scaledstrip.setDevicePixelRatio(dpr);
        }
        // A missing strip is looked for again at the next scale change only: never per frame.
        scaledfor = scale * dpr;
    }
    return scaledstrip;
}

const QPixmap& ReelWidget::glass() {
    // Curved-glass shading: darker towards the top and bottom edges, a soft highlight above the middle.
    if (glasspixmap.size() != size() * devicePixelRatioF()) {
        const double dpr = devicePixelRatioF();
        glasspixmap = QPixmap(size() * dpr);
        glasspixmap.setDevicePixelRatio(dpr);
        glasspixmap.fill(Qt::transparent);
        QPainter p(&glasspixmap);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0.00, QColor(0, 0, 0, 150));
        g.setColorAt(0.12, QColor(0, 0, 0, 30));
        g.setColorAt(0.30, QColor(255, 255, 255, 28));
        g.setColorAt(0.42, QColor(255, 255, 255, 0));
        g.setColorAt(0.85, QColor(0, 0, 0, 20));
        g.setColorAt(1.00, QColor(0, 0, 0, 160));
        p.fillRect(rect(), g);
        QLinearGradient side(0, 0, width(), 0);
        side.setColorAt(0.0, QColor(0, 0, 0, 70));
        side.setColorAt(0.08, QColor(0, 0, 0, 0));
        side.setColorAt(0.92, QColor(0, 0, 0, 0));
        side.setColorAt(1.0, QColor(0, 0, 0, 70));
        p.fillRect(rect(), side);
    }
    return glasspixmap;
}

void ReelWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const double pixelspertwip = scale / twipsperpixel;
    const QPixmap& pix = strip();
    const QRectF area(rect());
    if (pix.isNull()) {
        p.fillRect(area, QColor(238, 232, 214));
    } else {
        // The part of the strip behind the window, in strip pixels; the rest is plain backing.
        const double dpr = pix.devicePixelRatio();
        const double offset = -striptop * pixelspertwip;          // window top within the strip, logical px
        const double stripheight = pix.height() / dpr;
        const double from = std::max(0.0, offset);
        const double to = std::min(stripheight, offset + area.height());
        if (from > offset || to < offset + area.height()) p.fillRect(area, QColor(238, 232, 214));
        if (to > from)
            p.drawPixmap(QRectF(0, from - offset, area.width(), to - from), pix,
                         QRectF(0, from * dpr, pix.width(), (to - from) * dpr));
    }

    // The highlight frames of the cells, each with its overlay picture on top.
    p.setRenderHint(QPainter::SmoothPixmapTransform, scale != 1.0);
    for (const Control& f : flashers) {
        if (!f.visible) continue;
        const QRectF cell(f.left * pixelspertwip, f.top * pixelspertwip, f.width * pixelspertwip,
                          f.height * pixelspertwip);
        const QPixmap picture = zelpicture(f.picture.list, f.picture.index, cell.size(), devicePixelRatioF());
        if (!picture.isNull()) p.drawPixmap(cell, picture, QRectF(picture.rect()));
        if (f.picture.overlay > 0) {
            const QPixmap overlay = zelpicture(f.picture.list, f.picture.overlay, cell.size(), devicePixelRatioF());
            if (!overlay.isNull()) p.drawPixmap(cell, overlay, QRectF(overlay.rect()));
        }
    }
    p.drawPixmap(0, 0, glass());
}

}  // namespace zel
