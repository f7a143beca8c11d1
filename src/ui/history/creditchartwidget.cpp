#include "ui/history/creditchartwidget.h"

#include <algorithm>
#include <cmath>

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace zel {

namespace {
const QColor ink(0xf3, 0xd2, 0x7a);
const QColor background(0x1d, 0x06, 0x0a);
const QColor featurecolour(0xff, 0xc8, 0x28);
const QColor woncolour(0x3c, 0xd2, 0x5a);
const QColor lostcolour(0xe8, 0x3a, 0x2e);

void star(QPainter& p, QPointF c, double r) {
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5;
        const double radius = i % 2 ? r * 0.45 : r;
        points << QPointF(c.x() + radius * std::cos(a), c.y() + radius * std::sin(a));
    }
    p.drawPolygon(points);
}

void triangle(QPainter& p, QPointF c, double r, bool up) {
    const double s = up ? -1 : 1;
    p.drawPolygon(QPolygonF{QPointF(c.x(), c.y() + s * r), QPointF(c.x() - r, c.y() - s * r * 0.7),
                            QPointF(c.x() + r, c.y() - s * r * 0.7)});
}
}  // namespace

CreditChartWidget::CreditChartWidget(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(150);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

QSize CreditChartWidget::sizeHint() const { return {640, 180}; }

void CreditChartWidget::setgames(const std::vector<GameRecord>* games, int chosen) {
    list = games;
    selected = chosen;
    low = high = 0;
    if (list && !list->empty()) {
        const auto [lo, hi] = std::minmax_element(list->begin(), list->end(),
                                                  [](const GameRecord& a, const GameRecord& b) { return a.credit < b.credit; });
        low = lo->credit;
        high = hi->credit;
    }
    update();
}

QRectF CreditChartWidget::plotarea() const {
    const int labels = fontMetrics().horizontalAdvance(QStringLiteral("-2000000000")) + 8;
    return QRectF(labels, 12, std::max(10, width() - labels - 14), std::max(10, height() - 12 - fontMetrics().height() - 10));
}

QPointF CreditChartWidget::pointof(int game) const {
    const QRectF area = plotarea();
    const int count = list ? int(list->size()) : 0;
    const double x = count <= 1 ? area.center().x() : area.left() + area.width() * game / (count - 1);
    const double span = std::max<double>(1, double(high) - low);
    const double credit = list && game >= 0 && game < count ? (*list)[size_t(game)].credit : low;
    return {x, area.bottom() - area.height() * (credit - low) / span};
}

int CreditChartWidget::gameat(double x) const {
    const int count = list ? int(list->size()) : 0;
    if (count == 0) return -1;
    const QRectF area = plotarea();
    if (count == 1) return 0;
    const double at = (x - area.left()) / area.width() * (count - 1);
    return std::clamp(int(std::lround(at)), 0, count - 1);
}

void CreditChartWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), background);
    p.setPen(ink);
    if (!list || list->empty()) {
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("The credit after each game shows here"));
        return;
    }
    const QRectF area = plotarea();
    p.setPen(QPen(ink.darker(160), 1));
    p.drawRect(area);
    p.setPen(ink);
    const QRectF labels(0, area.top() - 6, area.left() - 6, area.height() + 12);
    p.drawText(labels, Qt::AlignRight | Qt::AlignTop, QString::number(high));
    p.drawText(labels, Qt::AlignRight | Qt::AlignBottom, QString::number(low));
    p.drawText(QRectF(area.left(), area.bottom() + 4, area.width(), fontMetrics().height()), Qt::AlignCenter,
               list->size() == 1 ? QStringLiteral("credit after the one game kept")
                                 : QStringLiteral("credit after each of the last %1 games, oldest on the left").arg(list->size()));

    if (selected >= 0 && selected < int(list->size())) {
        p.setPen(QPen(ink.darker(130), 1, Qt::DashLine));
        const double x = pointof(selected).x();
        p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
    }
    QPainterPath line;
    for (int i = 0; i < int(list->size()); ++i) i == 0 ? line.moveTo(pointof(i)) : line.lineTo(pointof(i));
    p.setPen(QPen(ink, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(line);

    for (int i = 0; i < int(list->size()); ++i) {
        const GameRecord& g = (*list)[size_t(i)];
        const QPointF at = pointof(i);
        p.setPen(QPen(background, 1));
        if (g.feature()) {
            p.setBrush(featurecolour);
            star(p, at, 7);
        }
        if (g.gamble) {
            p.setBrush(g.gamble->collected ? woncolour : lostcolour);
            triangle(p, at + QPointF(0, g.gamble->collected ? -9 : 9), 5, g.gamble->collected);
        }
        if (i == selected) {
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(Qt::white, 2));
            p.drawEllipse(at, 5, 5);
        }
    }
}

void CreditChartWidget::mousePressEvent(QMouseEvent* event) {
    const int game = gameat(event->position().x());
    if (game >= 0 && onchoose) onchoose(game);
}

}  // namespace zel
