#pragma once
// The six line segments (Lineflash) that draw a winning line across the reels: a transparent
// layer over the reel windows that never takes a click.
#include <QWidget>

#include "core/machine/formmodel.h"

namespace zel {

class LinesOverlayWidget : public QWidget {
    Q_OBJECT
public:
    explicit LinesOverlayWidget(QWidget* parent = nullptr);

    bool setscale(double scale);
    // Segment i = 1..6; true when what it shows changed.
    bool setsegment(int i, const LineControl& line);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QRectF bounds(const LineControl& line) const;
    LineControl segments[7];
    double scale = 1.0;
};

}  // namespace zel
