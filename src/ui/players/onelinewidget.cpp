#include "ui/players/onelinewidget.h"

#include <algorithm>

#include <QStyle>
#include <QStyleOptionButton>

namespace zel {

QString oneline(const QString& text) {
    QString line = text;
    for (QChar& c : line)
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    return line;
}

QString titleline(const QString& text, int characters) {
    const QString line = oneline(text);
    if (line.size() <= characters) return line;
    return line.left(characters - 1) + QChar(0x2026);
}

namespace {
// Buttons read "&" as a shortcut mark; doubled it shows as itself.
QString buttontext(const QString& text) {
    QString shown = text;
    return shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QString elided(const QWidget* w, const QString& caption, int room) {
    return w->fontMetrics().elidedText(oneline(caption), Qt::ElideRight, std::max(room, 0));
}

// The width a button leaves for its text beside its frame (and its indicator).
int textroom(const QAbstractButton* b, QStyle::ContentsType type, int indicator) {
    QStyleOptionButton option;
    option.initFrom(b);
    const QSize frame = b->style()->sizeFromContents(type, &option, QSize(0, 0), b);
    return b->width() - frame.width() - indicator;
}
}  // namespace

QString shownpart(const QLabel* label, const QString& caption) {
    return elided(label, caption, label->contentsRect().width());
}

QString shownpart(const QRadioButton* radio, const QString& caption) {
    const QStyle* style = radio->style();
    const int indicator = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, radio) +
                          style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, radio);
    return buttontext(elided(radio, caption, textroom(radio, QStyle::CT_RadioButton, indicator)));
}

QString shownpart(const QPushButton* button, const QString& caption) {
    return buttontext(elided(button, caption, textroom(button, QStyle::CT_PushButton, 0)));
}

}  // namespace zel
