#pragma once
// The window's client area under the menu bar: a plain backdrop that holds the cabinet in its
// middle. The window may take any size (maximised, fullscreen, dragged by its edges); the cabinet
// is drawn at the largest scale that fits, keeping its proportions.
#include <functional>

#include <QSize>
#include <QWidget>

namespace zel {

class StageWidget : public QWidget {
    Q_OBJECT
public:
    explicit StageWidget(QWidget* parent = nullptr);

    // The size the window is laid out for when nobody has resized it: the cabinet at the scale the
    // game shows it.
    void setdesignsize(const QSize& size);
    QSize sizeHint() const override { return designsize; }

    // Called after every change of size, once the stage has its new size.
    std::function<void()> onresize;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent*) override;

private:
    QSize designsize;
};

// The largest scale at which a cabinet of `design` pixels (at scale 1) fits into `area`.
double fitscale(const QSize& area, const QSize& design);

}  // namespace zel
