#include "ui/players/figurelabel.h"

#include <QPainter>
#include <QRegularExpression>
#include <QStyle>

namespace zel {

CaptionParts splitcaption(const QString& caption) {
    static const QRegularExpression lastgap(QStringLiteral("^(.*\\S) {2,}(\\S.*)$"));
    const QString trimmed = caption.trimmed();
    const QRegularExpressionMatch parts = lastgap.match(trimmed);
    if (!parts.hasMatch()) return {trimmed, {}};
    return {parts.captured(1), parts.captured(2)};
}

FigureLabel::FigureLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    // The size comes from the window's layout, not from the caption.
    setSizePolicy(QSizePolicy::Ignored, sizePolicy().verticalPolicy());
}

void FigureLabel::setcaption(const QString& caption) {
    if (text() != caption) setText(caption);
}

void FigureLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect room = contentsRect();
    const CaptionParts parts = splitcaption(text());
    const QFontMetrics metrics = fontMetrics();
    const int figurewidth = metrics.horizontalAdvance(parts.figure);
    const int gap = metrics.horizontalAdvance(QStringLiteral("  "));
    const QString words = metrics.elidedText(parts.words, Qt::ElideRight, std::max(0, room.width() - figurewidth - gap));
    style()->drawItemText(&p, room, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), words, foregroundRole());
    style()->drawItemText(&p, room, Qt::AlignRight | Qt::AlignVCenter, palette(), isEnabled(), parts.figure,
                          foregroundRole());
}

}  // namespace zel
