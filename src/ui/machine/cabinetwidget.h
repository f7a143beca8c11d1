#pragma once
// The machine's cabinet: the client area of the main window under the menu bar. It paints the
// dark cabinet with its gold trim, the marquee and the button deck, and holds every control.
// The places of the controls that the game itself does not place are fixed here, in pixels at
// scale 1 (the window multiplies them by its scale).
#include <QPixmap>
#include <QRect>
#include <QWidget>

class QPainter;

namespace zel {

namespace cabinet {
constexpr int width = 643;   // 9765 x 7365 twips less the frame, the title and the menu bar
constexpr int height = 444;

// Line buttons and the coin slot on the upper row of the deck, bet buttons and the gamble
// and collect buttons on the lower row, the meters on the right.
constexpr QRect payline(int i) { return {8 + (i - 1) * 55, 362, 52, 36}; }
constexpr QRect play(int i) { return {8 + (i - 1) * 64, 403, 60, 36}; }
constexpr QRect coinsin{288, 362, 70, 36};
constexpr QRect doublebutton{396, 403, 70, 36};
constexpr QRect takewin{396, 403, 70, 36};
constexpr QRect creditmeter{366, 362, 136, 36};
constexpr QRect winmeter{507, 362, 129, 36};
constexpr QRect lastbetmeter{474, 403, 74, 36};
constexpr QRect pannomoney{550, 401, 87, 40};
// Over both rows (the line and bet buttons are away during free spins), clear of the credit meter.
constexpr QRect spinsleft{8, 362, 354, 77};
// The gamble panel lies over the middle of the reels.
constexpr QRect pandouble{196, 4, 254, 350};
}  // namespace cabinet

class CabinetWidget : public QWidget {
    Q_OBJECT
public:
    explicit CabinetWidget(QWidget* parent = nullptr);
    void setscale(double scale);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent*) override { backdrop = QPixmap(); }

private:
    void paintbackdrop(QPainter& p) const;
    double scale = 1.0;
    QPixmap backdrop;
};

}  // namespace zel
