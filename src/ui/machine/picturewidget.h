#pragma once
// Pictures of the main window: the image lists and named pictures by resource path, and a
// widget that shows one picture. A picture that is not there draws nothing.
#include <functional>

#include <QPixmap>
#include <QString>
#include <QWidget>

#include "core/machine/formmodel.h"

class QPainter;

namespace zel {

// The resource path of picture `index` of an image list (empty for PicList::none).
QString picturepath(PicList list, int index);
// A picture from the resources at its own size, loaded once; a null pixmap when it is missing.
QPixmap zelpicture(const QString& path);
// The picture for a draw that fills `target` (logical pixels) on a device with `dpr` device pixels
// to the logical one: its high-density copy (name@2x.png, twice the size, device pixel ratio 2)
// when the draw has more device pixels than the picture has pixels, as at 200 % or at the
// machine's larger scale; the picture itself otherwise, or when it has no such copy.
QPixmap zelpicture(const QString& path, const QSizeF& target, qreal dpr);
inline QPixmap zelpicture(PicList list, int index, const QSizeF& target, qreal dpr) {
    return zelpicture(picturepath(list, index), target, dpr);
}

// Tells `watch` of every picture chosen for a draw: its path, the density the draw needed and the
// density of the picture chosen (tests use it; an empty function stops it).
void watchpicturedensity(std::function<void(const QString& path, qreal needed, qreal density)> watch);

// Draws `pixmap` into `target`, keeping its proportions and centred; nothing when null.
void drawfitted(QPainter& painter, const QRectF& target, const QPixmap& pixmap);

// One picture (with an optional overlay picture drawn on top), fitted into the widget;
// when the picture is missing, the fallback caption is drawn instead.
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    explicit PictureWidget(QWidget* parent = nullptr);
    // True when something changed (the widget then repaints itself).
    bool setpicture(const Pic& pic);
    bool setpath(const QString& path);
    bool setcaption(const QString& caption);
    void setstretched(bool stretched) { stretch = stretched; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Pic current;
    QString path;
    QString caption;
    bool stretch = false;
};

}  // namespace zel
