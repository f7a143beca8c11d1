#pragma once
// The credit after each kept game as a line over the games, oldest on the left: a star where a
// game ran a feature, a triangle up where a gamble was collected and down where one was lost, and
// the chosen game marked. A click on the chart chooses the game under it.
#include <functional>
#include <vector>

#include <QWidget>

#include "core/history/gamerecord.h"

namespace zel {

class CreditChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit CreditChartWidget(QWidget* parent = nullptr);
    void setgames(const std::vector<GameRecord>* games, int chosen);
    QSize sizeHint() const override;

    // The game (index into the list) a click chose.
    std::function<void(int)> onchoose;

    // Where game i is drawn, and the game nearest an x (-1 with none): the chart's own geometry.
    QPointF pointof(int game) const;
    int gameat(double x) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRectF plotarea() const;
    const std::vector<GameRecord>* list = nullptr;
    int selected = -1;
    int32_t low = 0, high = 0;
};

}  // namespace zel
