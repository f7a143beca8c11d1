#pragma once
// The six line segments (Lineflash) that draw a winning line across the reels: a transparent
// layer over the cabinet that never takes a click and never paints over a reel window, so a
// segment shows only in the gaps and stubs between the symbols.
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
    // Reel window r = 1..5 where it lies on this layer (an empty rectangle for none).
    void setreelwindow(int r, const QRect& where);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QRectF bounds(const LineControl& line) const;
    LineControl segments[7];
    QRect reelwindows[6];
    double scale = 1.0;
};

}  // namespace zel
