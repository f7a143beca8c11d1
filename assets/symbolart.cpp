#include "symbolart.h"

#include "painting.h"

namespace zel::art {

QImage symbolpicture(Symbol symbol) {
    QImage image = blank(100, 100);
    QPainter p(&image);
    smooth(p);
    cellframe(p, QColor(250, 246, 232));
    p.save();
    p.setClipPath(cellface());
    switch (symbol) {
    case Symbol::J:
    case Symbol::K:
    case Symbol::Q: drawletter(p, symbol); break;
    case Symbol::badge: drawbadge(p); break;
    case Symbol::memorial: drawmemorial(p); break;
    case Symbol::uncle: drawuncle(p); break;
    case Symbol::sign: drawsign(p); break;
    case Symbol::money: drawmoney(p); break;
    case Symbol::president: drawpresident(p); break;
    case Symbol::statue: drawstatue(p); break;
    case Symbol::mountain: drawmountain(p); break;
    case Symbol::eagle: draweagle(p); break;
    }
    p.restore();
    cellborder(p);
    return image;
}

void drawbanner(QPainter& p, const QRectF& r, const QString& caption, const QColor& colour) {
    p.save();
    const qreal fold = r.height() * 0.45;
    // The two tails behind the ribbon, a shade darker.
    const QColor tail = colour.darker(150);
    QPainterPath left, right;
    left.moveTo(r.left() + fold, r.top() + fold * 0.5);
    left.lineTo(r.left() - fold * 0.2, r.top() + fold * 0.5);
    left.lineTo(r.left() + fold * 0.45, r.center().y() + fold * 0.5);
    left.lineTo(r.left() - fold * 0.2, r.bottom() + fold * 0.5);
    left.lineTo(r.left() + fold, r.bottom() + fold * 0.5);
    left.closeSubpath();
    right = QTransform().translate(r.center().x() * 2, 0).scale(-1, 1).map(left);
    p.fillPath(left, tail);
    p.fillPath(right, tail);
    // The ribbon itself bows slightly upwards.
    QPainterPath band;
    const qreal bow = r.height() * 0.18;
    band.moveTo(r.left() + fold * 0.6, r.top());
    band.quadTo(r.center().x(), r.top() - bow, r.right() - fold * 0.6, r.top());
    band.lineTo(r.right() - fold * 0.6, r.bottom());
    band.quadTo(r.center().x(), r.bottom() - bow, r.left() + fold * 0.6, r.bottom());
    band.closeSubpath();
    p.fillPath(band, vertical(r, colour.lighter(140), colour.darker(120)));
    p.setPen(QPen(QColor(255, 214, 90), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawPath(band);
    const QRectF box = r.adjusted(fold, -bow * 0.5, -fold, -bow * 0.5);
    const QFont f = fitted(font(Family::sans, r.height() * 0.78), caption, box.width());
    outlinedtext(p, box, caption, f, QColor(255, 250, 230), QColor(60, 10, 10), 2.2);
    p.restore();
}

}  // namespace zel::art
