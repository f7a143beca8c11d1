#include "ui/machine/imagebuttonwidget.h"

#include <QHash>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include "ui/machine/picturewidget.h"

namespace zel {

namespace {
enum class Look { greyed, pressed, lit };

// A face as it looks disabled (grey and dark), pressed (darker) or pointed at (brighter),
// made once per picture and look.
QPixmap variant(const QString& path, const QPixmap& face, Look look) {
    static QHash<QString, QPixmap> made;
    const QString key = path + QLatin1Char('#') + QString::number(face.width()) + QLatin1Char('#') + QString::number(int(look));
    auto found = made.constFind(key);
    if (found != made.constEnd()) return *found;
    QImage image = face.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = line[x];
            int r = qRed(c), g = qGreen(c), b = qBlue(c);
            switch (look) {
            case Look::greyed: r = g = b = qGray(c) * 50 / 100 + 20; break;
            case Look::pressed: r = r * 72 / 100; g = g * 72 / 100; b = b * 72 / 100; break;
            case Look::lit: r = qMin(255, r * 112 / 100 + 14); g = qMin(255, g * 112 / 100 + 14); b = qMin(255, b * 112 / 100 + 14); break;
            }
            line[x] = qRgba(r, g, b, qAlpha(c));
        }
    }
    QPixmap result = QPixmap::fromImage(image);
    made.insert(key, result);
    return result;
}

QLinearGradient goldrim(const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0.0, QColor(255, 240, 170));
    g.setColorAt(0.45, QColor(201, 151, 38));
    g.setColorAt(0.55, QColor(160, 110, 20));
    g.setColorAt(1.0, QColor(96, 62, 10));
    return g;
}
}  // namespace

ImageButtonWidget::ImageButtonWidget(QWidget* parent) : QAbstractButton(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

bool ImageButtonWidget::setfacepath(const QString& path) {
    if (path == facepath) return false;
    facepath = path;
    facepic = Pic{};
    update();
    return true;
}

bool ImageButtonWidget::setfacepicture(const Pic& pic) {
    const QString path = picturepath(pic.list, pic.index);
    if (pic == facepic && path == facepath) return false;
    facepic = pic;
    facepath = path;
    update();
    return true;
}

void ImageButtonWidget::setfallback(const QString& text) {
    fallback = text;
    update();
}

void ImageButtonWidget::setinert(bool on) {
    inert = on;
    setAttribute(Qt::WA_TransparentForMouseEvents, on);
    setFocusPolicy(on ? Qt::NoFocus : Qt::StrongFocus);
    setCursor(on ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

QSize ImageButtonWidget::sizeHint() const { return QSize(60, 36); }

void ImageButtonWidget::enterEvent(QEnterEvent* event) {
    hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ImageButtonWidget::leaveEvent(QEvent* event) {
    hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

QPixmap ImageButtonWidget::face() const { return zelpicture(facepath, size(), devicePixelRatioF()); }

void ImageButtonWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const bool down = isDown() && !inert;
    const bool active = isEnabled() || inert;
    const QPixmap pixmap = face();

    if (!pixmap.isNull() && facepic.list == PicList::none) {
        // The face is a whole button: it sinks a pixel when pressed and greys when disabled.
        QPixmap shown = pixmap;
        if (!active) shown = variant(facepath, pixmap, Look::greyed);
        else if (down) shown = variant(facepath, pixmap, Look::pressed);
        else if (hovered) shown = variant(facepath, pixmap, Look::lit);
        const QRectF place = QRectF(rect()).adjusted(0, down ? 1 : 0, 0, down ? 0 : -1);
        if (!down) {
            p.setOpacity(0.45);
            p.drawPixmap(QRectF(rect()).adjusted(0, 1.5, 0, 0.5), variant(facepath, pixmap, Look::greyed),
                         QRectF(pixmap.rect()));
            p.setOpacity(1.0);
        }
        p.drawPixmap(place, shown, QRectF(shown.rect()));
        if (hasFocus() && !inert) {
            p.setPen(QPen(QColor(255, 250, 210, 230), 1.2, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            const double r = height() * 0.14;
            p.drawRoundedRect(place.adjusted(3, 3, -3, -3), r, r);
        }
        return;
    }

    // A gold-rimmed button: around a small picture (the suit signs), or around a label while
    // the face picture is missing.
    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal radius = qMin(width(), height()) * 0.16;
    if (!down) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 110));
        p.drawRoundedRect(outer.translated(0, 1.5), radius, radius);
    }
    const QRectF body = down ? outer.adjusted(0, 1, 0, 0) : outer.adjusted(0, 0, 0, -1);
    p.setPen(QPen(QColor(60, 38, 5), 1));
    p.setBrush(active ? QBrush(goldrim(body)) : QBrush(QColor(90, 84, 70)));
    p.drawRoundedRect(body, radius, radius);

    const qreal inset = qMax<qreal>(2.0, height() * 0.06);
    const QRectF inner = body.adjusted(inset, inset, -inset, -inset);
    QPainterPath clip;
    clip.addRoundedRect(inner, radius * 0.7, radius * 0.7);
    p.save();
    p.setClipPath(clip);
    if (!pixmap.isNull()) {
        p.fillRect(inner, active ? QColor(250, 246, 232) : QColor(150, 146, 136));
        drawfitted(p, inner.adjusted(2, 2, -2, -2), active ? pixmap : variant(facepath, pixmap, Look::greyed));
    } else {
        QLinearGradient g(inner.topLeft(), inner.bottomLeft());
        g.setColorAt(0, active ? QColor(150, 20, 24) : QColor(70, 66, 60));
        g.setColorAt(1, active ? QColor(80, 6, 10) : QColor(48, 45, 40));
        p.fillRect(inner, g);
        p.setPen(active ? QColor(255, 236, 160) : QColor(150, 146, 136));
        QFont font = p.font();
        font.setBold(true);
        font.setPixelSize(qMax(7, int(inner.height() * 0.36)));
        p.setFont(font);
        p.drawText(inner, Qt::AlignCenter | Qt::TextWordWrap, fallback);
    }
    QLinearGradient shine(inner.topLeft(), inner.bottomLeft());
    shine.setColorAt(0.0, QColor(255, 255, 255, active ? 70 : 25));
    shine.setColorAt(0.5, QColor(255, 255, 255, 0));
    p.fillRect(inner, shine);
    if (down) p.fillRect(inner, QColor(0, 0, 0, 70));
    else if (hovered && active) p.fillRect(inner, QColor(255, 245, 200, 40));
    p.restore();

    if (hasFocus() && !inert) {
        p.setPen(QPen(QColor(255, 250, 210, 220), 1.4, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(inner.adjusted(1.5, 1.5, -1.5, -1.5), radius * 0.5, radius * 0.5);
    }
}

}  // namespace zel
