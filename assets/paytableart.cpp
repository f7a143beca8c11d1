// The pay schedule shown by the pay-table window: every line symbol with its pays, the wild and
// scatter rules and the free spins, drawn from the machine's own pay tables.
#include "catalogue.h"
#include "generators.h"
#include "core/machine/paytables.h"
#include "painting.h"
#include "symbolart.h"

namespace zel::art {

namespace {

const QColor gold(255, 214, 90), paper(240, 240, 250), ink(20, 24, 60);

// The line symbols from the richest down, as the schedule lists them.
constexpr Symbol payorder[linesymbolcount] = {Symbol::money, Symbol::memorial, Symbol::statue, Symbol::K,
                                              Symbol::sign,  Symbol::president, Symbol::uncle, Symbol::J,
                                              Symbol::Q,     Symbol::badge};

void box(QPainter& p, const QRectF& r) {
    QPainterPath path;
    path.addRoundedRect(r, 6, 6);
    p.fillPath(path, vertical(r, QColor(40, 55, 120), QColor(22, 30, 75)));
    p.setPen(QPen(QColor(200, 160, 70), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void smallpicture(QPainter& p, Symbol s, const QRectF& r) {
    p.drawImage(r, symbolpicture(s));
}

void text(QPainter& p, const QRectF& r, const QString& s, const QFont& f, const QColor& c, int flags) {
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, flags, s);
}

// One line symbol: picture, the "1XCredit" tag and its pays for 5, 4, 3 (and 2) in a row.
void symbolpays(QPainter& p, Symbol s, const QRectF& r) {
    box(p, r);
    smallpicture(p, s, QRectF(r.left() + 4, r.top() + 5, 40, 40));
    const QRectF tag(r.left() + 47, r.top() + 5, r.width() - 51, 13);
    QPainterPath tagpath;
    tagpath.addRoundedRect(tag, 3, 3);
    p.fillPath(tagpath, vertical(tag, QColor(230, 50, 50), QColor(150, 10, 20)));
    outlinedtext(p, tag, QStringLiteral("1XCredit"), fitted(font(Family::sans, 9.5), QStringLiteral("1XCredit"), tag.width() - 4),
                 QColor(255, 255, 255), QColor(0, 0, 0, 0), 0);
    const QFont f = font(Family::sans, 10.5);
    qreal y = r.top() + 20;
    for (int run = 5; run >= 2; --run) {
        const int pay = linepay[static_cast<int>(s)][run];
        if (pay == 0)
            continue;
        const QRectF row(tag.left() + 1, y, tag.width() - 2, 12);
        text(p, row, QString::number(run), f, gold, Qt::AlignLeft | Qt::AlignVCenter);
        text(p, row, QString::number(pay), f, paper, Qt::AlignRight | Qt::AlignVCenter);
        y += 12;
    }
}

}  // namespace

void writepaytable(AssetWriter& out) {
    const assets::NamedPicture& pic = assets::paytablepanel;
    QImage image = blank(pic.width, pic.height);
    QPainter p(&image);
    smooth(p);
    const QRectF all(0, 0, pic.width, pic.height);
    p.fillRect(all, vertical(all, QColor(12, 16, 50), QColor(40, 10, 40)));
    p.setPen(QPen(gold, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(1.5, 1.5, -1.5, -1.5));
    outlinedtext(p, QRectF(0, 4, pic.width, 30), QStringLiteral("ZEL PAY SCHEDULE"), font(Family::serif, 24),
                 vertical(QRectF(0, 8, 10, 22), QColor(255, 245, 180), QColor(230, 160, 30)), QColor(60, 20, 0), 3);

    // Ten line symbols in two rows of five.
    const qreal cellw = (pic.width - 12 - 4 * 4) / 5.0, cellh = 68;
    for (int i = 0; i < linesymbolcount; ++i) {
        const QRectF cell(6 + (i % 5) * (cellw + 4), 38 + (i / 5) * (cellh + 4), cellw, cellh);
        symbolpays(p, payorder[i], cell);
    }

    // The wild and the free spins on the left, the scatter pays on the right.
    const QFont body = font(Family::sans, 11);
    const QFont heading = font(Family::serif, 14);
    const QRectF wild(6, 186, 300, 186);
    box(p, wild);
    smallpicture(p, Symbol::eagle, QRectF(wild.left() + 6, wild.top() + 8, 50, 50));
    text(p, QRectF(wild.left() + 62, wild.top() + 6, wild.width() - 68, 30),
         QStringLiteral("Wild Card substitutes for all other symbols except scatters"), body, paper,
         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    text(p, QRectF(wild.left() + 62, wild.top() + 40, wild.width() - 68, 46),
         QStringLiteral("Any Wild card Appearing on a Reel will be held over for the next spin (including during free Spins)"),
         body, paper, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap);
    p.setPen(QPen(QColor(200, 160, 70), 1.0));
    p.drawLine(QPointF(wild.left() + 10, wild.top() + 94), QPointF(wild.right() - 10, wild.top() + 94));
    text(p, QRectF(wild.left() + 10, wild.top() + 98, wild.width() - 20, 20), QStringLiteral("FREE SPINS"), heading, gold,
         Qt::AlignHCenter | Qt::AlignVCenter);
    const QFont spins = font(Family::sans, 12);
    for (int count = 3; count <= 5; ++count)
        text(p, QRectF(wild.left() + 10, wild.top() + 120 + (count - 3) * 20, wild.width() - 20, 20),
             QStringLiteral("%1 Scatters trigger %2 free spins").arg(count).arg(awardedspins[count] - 1), spins, paper,
             Qt::AlignHCenter | Qt::AlignVCenter);

    const QRectF scatter(312, 186, pic.width - 318, 186);
    box(p, scatter);
    text(p, QRectF(scatter.left(), scatter.top() + 6, scatter.width(), 20), QStringLiteral("SCATTERS"), heading, gold,
         Qt::AlignHCenter | Qt::AlignVCenter);
    smallpicture(p, Symbol::mountain, QRectF(scatter.center().x() - 30, scatter.top() + 30, 60, 60));
    for (int count = 2; count <= 5; ++count)
        text(p, QRectF(scatter.left(), scatter.top() + 96 + (count - 2) * 21, scatter.width(), 20),
             QStringLiteral("%1 = %2 X Coins").arg(count).arg(scatterpay[count]), spins, paper,
             Qt::AlignHCenter | Qt::AlignVCenter);
    p.end();
    out.picture(pic.path, image, pic.width, pic.height);
}

}  // namespace zel::art
