#include "ui/machine/picturewidget.h"

#include <algorithm>

#include <QHash>
#include <QPainter>

namespace zel {

QString picturepath(PicList list, int index) {
    const char* folder = nullptr;
    switch (list) {
    case PicList::ImageList1: folder = "ImageList1"; break;
    case PicList::ImageList2: folder = "ImageList2"; break;
    case PicList::imagelistcards: folder = "imagelistcards"; break;
    case PicList::linepics: folder = "linepics"; break;
    case PicList::none: return {};
    }
    if (index < 1) return {};
    return QStringLiteral(":/%1/%2.png").arg(QLatin1String(folder)).arg(index);
}

namespace {
std::function<void(const QString&, qreal, qreal)> densitywatch;

QPixmap loadonce(const QString& path, qreal density) {
    // Every picture is small and used again and again: keep each one for the run.
    static QHash<QString, QPixmap> loaded;
    if (path.isEmpty()) return {};
    auto found = loaded.constFind(path);
    if (found != loaded.constEnd()) return *found;
    QPixmap pixmap(path);
    pixmap.setDevicePixelRatio(density);
    loaded.insert(path, pixmap);
    return pixmap;
}

QString highdensitypath(const QString& path) {
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}
}  // namespace

QPixmap zelpicture(const QString& path) { return loadonce(path, 1.0); }

QPixmap zelpicture(const QString& path, const QSizeF& target, qreal dpr) {
    const QPixmap own = zelpicture(path);
    if (own.isNull() || target.isEmpty()) return own;
    const qreal needed = dpr * std::max(target.width() / own.width(), target.height() / own.height());
    QPixmap chosen = own;
    if (needed > 1.001) {
        const QPixmap high = loadonce(highdensitypath(path), 2.0);
        if (!high.isNull()) chosen = high;
    }
    if (densitywatch) densitywatch(path, needed, chosen.devicePixelRatio());
    return chosen;
}

void watchpicturedensity(std::function<void(const QString&, qreal, qreal)> watch) { densitywatch = std::move(watch); }

void drawfitted(QPainter& painter, const QRectF& target, const QPixmap& pixmap) {
    if (pixmap.isNull() || target.isEmpty()) return;
    const QSizeF size = QSizeF(pixmap.size()).scaled(target.size(), Qt::KeepAspectRatio);
    const QRectF place(target.center().x() - size.width() / 2, target.center().y() - size.height() / 2,
                       size.width(), size.height());
    painter.drawPixmap(place, pixmap, QRectF(pixmap.rect()));
}

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

bool PictureWidget::setpicture(const Pic& pic) {
    if (pic == current && path == picturepath(pic.list, pic.index)) return false;
    current = pic;
    path = picturepath(pic.list, pic.index);
    update();
    return true;
}

bool PictureWidget::setpath(const QString& p) {
    if (p == path) return false;
    current = Pic{};
    path = p;
    update();
    return true;
}

bool PictureWidget::setcaption(const QString& text) {
    if (text == caption) return false;
    caption = text;
    update();
    return true;
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap pixmap = zelpicture(path, size(), devicePixelRatioF());
    if (pixmap.isNull()) {
        if (caption.isEmpty()) return;
        painter.setPen(QColor(255, 220, 120));
        QFont font = painter.font();
        font.setBold(true);
        font.setPixelSize(qMax(8, height() / 3));
        painter.setFont(font);
        painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, caption);
        return;
    }
    if (stretch) painter.drawPixmap(QRectF(rect()), pixmap, QRectF(pixmap.rect()));
    else drawfitted(painter, QRectF(rect()), pixmap);
    if (current.overlay > 0) drawfitted(painter, QRectF(rect()), zelpicture(current.list, current.overlay, size(), devicePixelRatioF()));
}

}  // namespace zel
