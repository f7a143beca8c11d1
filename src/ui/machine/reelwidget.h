#pragma once
// One reel window (Picture1..5): the reel's strip picture moving behind a window three cells
// high, the three highlight frames (flasher) of its cells drawn over it, and the glass.
#include <QPixmap>
#include <QWidget>

#include "core/machine/formmodel.h"

namespace zel {

class ReelWidget : public QWidget {
    Q_OBJECT
public:
    ReelWidget(int reel, QWidget* parent = nullptr);

    // Each returns true when the view changed (the widget has then asked to be repainted).
    bool setscale(double scale);
    bool setstriptop(int32_t twips);
    // Row 0..2 of the window: the highlight frame of that cell.
    bool setflasher(int row, const Control& flasher);
    int number() const { return reel; }
    int32_t top() const { return striptop; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    const QPixmap& strip();
    const QPixmap& glass();

    int reel;
    double scale = 1.0;
    int32_t striptop = 0;
    Control flashers[3];
    QPixmap scaledstrip;
    double scaledfor = 0.0;
    QPixmap glasspixmap;
};

}  // namespace zel
