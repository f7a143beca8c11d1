#pragma once
// Drawing helpers shared by all the generated pictures: fonts, framed cells, outlined text,
// simple shapes and a repeatable noise source.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <cstdint>

namespace zel::art {

enum class Family { sans, serif };

// The font of the art; only families checked by fontsavailable() are ever used.
QFont font(Family family, qreal pixelsize, bool bold = true);

// True when both DejaVu families resolve to themselves; otherwise problem names the missing one.
bool fontsavailable(QString* problem);

// The density pictures are drawn at: 1, or 2 for the high-density copies. Every picture is drawn
// in the same coordinates at either density; blank() makes the canvas that many times larger.
void setdensity(int density);
int density();

// A transparent picture ready for QPainter: width x height in drawing coordinates, density times
// as many pixels each way.
QImage blank(int width, int height);

// A painter with antialiasing on.
void smooth(QPainter& p);

// The rounded, gold-framed background every symbol cell shares; inner is the fill of the face.
void cellframe(QPainter& p, const QBrush& inner);
// The frame alone (drawn last so the art never covers it).
void cellborder(QPainter& p);
// The clip path of the cell face inside the frame.
QPainterPath cellface();

// Text filled with a brush and stroked with an outline, centred in the rectangle.
void outlinedtext(QPainter& p, const QRectF& box, const QString& text, const QFont& f,
                  const QBrush& fill, const QColor& outline, qreal outlinewidth);

// The font shrunk, if need be, so the text fits the width.
QFont fitted(QFont f, const QString& text, qreal width);

// A star with the given number of points, the first pointing up.
QPainterPath star(QPointF centre, qreal outer, qreal inner, int points = 5);

// A vertical two-colour gradient across a rectangle.
QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom);

// A raised button face: rounded, gradient, light upper and dark lower bevel.
void buttonface(QPainter& p, const QRectF& r, const QColor& base);

// A flag with seven red and six white stripes and a blue canton with white dots as stars.
void flag(QPainter& p, const QRectF& r, qreal wave = 0.0);

// Repeatable pseudo-random numbers (the same sequence on every build).
class Noise {
public:
    explicit Noise(uint32_t seed) : state_(seed != 0 ? seed : 1u) {}
    // Uniform in [0, 1).
    double next();

private:
    uint32_t state_;
};

}  // namespace zel::art
