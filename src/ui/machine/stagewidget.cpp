#include "ui/machine/stagewidget.h"

#include <algorithm>

#include <QPainter>
#include <QPaintEvent>

namespace zel {

namespace {
// The room around the cabinet when the window is larger than the cabinet: the cabinet's own
// darkest lacquer, so the machine stands out without a frame of its own.
const QColor backdrop(10, 2, 4);
}  // namespace

StageWidget::StageWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("stage"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void StageWidget::setdesignsize(const QSize& size) {
    if (size == designsize) return;
    designsize = size;
    updateGeometry();
}

void StageWidget::paintEvent(QPaintEvent* event) {
    // Only the room the cabinet leaves free comes here: the cabinet paints itself, opaquely.
    QPainter p(this);
    p.fillRect(event->rect(), backdrop);
}

void StageWidget::resizeEvent(QResizeEvent*) {
    if (onresize) onresize();
}

double fitscale(const QSize& area, const QSize& design) {
    if (area.isEmpty() || design.isEmpty()) return 0.0;
    return std::min(double(area.width()) / design.width(), double(area.height()) / design.height());
}

}  // namespace zel
