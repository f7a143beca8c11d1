#pragma once
// Pictures of the main window: the image lists and named pictures by resource path, and a
// widget that shows one picture. A picture that is not there draws nothing.
#include <QPixmap>
#include <QString>
#include <QWidget>

#include "core/machine/formmodel.h"

class QPainter;

namespace zel {

// The resource path of picture `index` of an image list (empty for PicList::none).
QString picturepath(PicList list, int index);
// A picture from the resources, loaded once; a null pixmap when it is missing.
QPixmap zelpicture(const QString& path);
inline QPixmap zelpicture(PicList list, int index) { return zelpicture(picturepath(list, index)); }

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
