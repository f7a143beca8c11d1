#include "ui/machine/widgetsync.h"

#include <cmath>

namespace zel {

namespace {
int px(double v) { return int(std::lround(v)); }
}  // namespace

QRect scaledrect(const QRect& r, double scale) {
    const int left = px(r.x() * scale), top = px(r.y() * scale);
    return {left, top, px((r.x() + r.width()) * scale) - left, px((r.y() + r.height()) * scale) - top};
}

QRect twipsrect(const Control& c, double scale) {
    const double k = scale / twipsperpixel;
    const int left = px(c.left * k), top = px(c.top * k);
    return {left, top, px((double(c.left) + c.width) * k) - left, px((double(c.top) + c.height) * k) - top};
}

bool place(QWidget* widget, const QRect& rect) {
    if (widget->geometry() == rect) return false;
    widget->setGeometry(rect);
    return true;
}

bool showif(QWidget* widget, bool visible) {
    if (widget->isHidden() == !visible) return false;
    widget->setVisible(visible);
    return true;
}

bool enableif(QWidget* widget, bool enabled) {
    if (widget->isEnabledTo(widget->parentWidget()) == enabled) return false;
    widget->setEnabled(enabled);
    return true;
}

}  // namespace zel
