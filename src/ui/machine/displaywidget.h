#pragma once
// The machine's meters: an LED display with a small heading, a big value and an optional
// second value beside the heading (the credit in coins and in dollars, the win, the last bet),
// and a one-line banner (the free-spin count).
#include <QColor>
#include <QWidget>

class QPainter;

namespace zel {

class DisplayWidget : public QWidget {
    Q_OBJECT
public:
    enum class Style { meter, banner };
    explicit DisplayWidget(Style style, QWidget* parent = nullptr);

    // Each returns true when the display changed.
    bool setheading(const QString& text);
    bool setvalue(const QString& text);
    bool setsubvalue(const QString& text);
    bool setscale(double scale);
    void setledcolour(const QColor& colour) { led = colour; }
    QString headingtext() const { return heading; }
    QString valuetext() const { return value; }
    QString subvaluetext() const { return subvalue; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    void paintmeter(QPainter& p, const QRectF& screen);
    void paintbanner(QPainter& p, const QRectF& screen);
    Style style;
    QString heading, value, subvalue;
    double scale = 1.0;
    QColor led{255, 64, 40};
};

}  // namespace zel
