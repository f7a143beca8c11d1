#include "ui/history/reelsnapshotwidget.h"

#include <QPainter>
#include <QPainterPath>

#include "core/machine/linetable.h"
#include "ui/machine/picturewidget.h"

namespace zel {

namespace {
constexpr int cell = 64;     // pixels, at the window's scale
constexpr int gap = 6;
constexpr int border = 8;
}  // namespace

ReelSnapshotWidget::ReelSnapshotWidget(QWidget* parent) : QWidget(parent) {
    setMinimumSize(sizeHint());
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize ReelSnapshotWidget::sizeHint() const {
    return {2 * border + reelcount * cell + (reelcount - 1) * gap, 2 * border + 3 * cell};
}

void ReelSnapshotWidget::setspin(const std::optional<SpinRecord>& spin) {
    shown = spin;
    update();
}

QRectF ReelSnapshotWidget::cellrect(int reel, int row) const {
    return {double(border + reel * (cell + gap)), double(border + row * cell), double(cell), double(cell)};
}

void ReelSnapshotWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.fillRect(rect(), QColor(0x1d, 0x06, 0x0a));
    if (!shown) {
        p.setPen(QColor(0xf3, 0xd2, 0x7a));
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("No game chosen"));
        return;
    }
    const SymbolWindow window = windowof(shown->stops);
    for (int r = 0; r < reelcount; ++r) {
        p.fillRect(QRectF(cellrect(r, 0).topLeft(), cellrect(r, 2).bottomRight()), QColor(0xf7, 0xf1, 0xe3));
        for (int row = 0; row < 3; ++row) {
            const QString path = QStringLiteral(":/symbols/%1.png").arg(QLatin1String(symbolname[int(window[size_t(r)][size_t(row)])]));
            const QPixmap symbol = zelpicture(path, cellrect(r, row).size(), devicePixelRatioF());
            if (!symbol.isNull()) p.drawPixmap(cellrect(r, row).toRect(), symbol);
        }
        if (shown->held[size_t(r)]) {
            p.setPen(QPen(QColor(0xe8, 0x3a, 0x2e), 2, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(cellrect(r, 0).topLeft(), cellrect(r, 2).bottomRight()).adjusted(1, 1, -1, -1));
        }
    }
    // Each paying line through the centres of its cells, its run framed, in the line's colour.
    for (const PaidLine& paid : shown->lines) {
        const QColor colour = QColor::fromRgb(linetable[size_t(paid.line)].colour);
        QPainterPath path;
        for (int r = 0; r < reelcount; ++r) {
            const QPointF centre = cellrect(r, lineshape[paid.line][r]).center();
            if (r == 0) path.moveTo(centre.x() - cell / 2.0 - border / 2.0, centre.y());
            path.lineTo(centre);
            if (r == reelcount - 1) path.lineTo(centre.x() + cell / 2.0 + border / 2.0, centre.y());
        }
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 150), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        for (int r = 0; r < paid.run; ++r) p.drawRoundedRect(cellrect(r, lineshape[paid.line][r]).adjusted(2, 2, -2, -2), 6, 6);
    }
}

}  // namespace zel
