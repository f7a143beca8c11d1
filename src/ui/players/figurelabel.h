#pragma once
// A statistic of the options window. Its caption is the game's own: words, a run of blanks and a
// figure ("Total Won                   900"). The label keeps the caption whole as its text and
// draws the words on the left and the figure on the right of its line, so the figures of the
// statistics stand in one column, however many blanks each caption has.
#include <QLabel>
#include <QString>

namespace zel {

struct CaptionParts {
    QString words;   // the caption up to its last run of two or more blanks
    QString figure;  // what follows that run; empty when the caption ends there
};
CaptionParts splitcaption(const QString& caption);

class FigureLabel : public QLabel {
    Q_OBJECT
public:
    explicit FigureLabel(QWidget* parent = nullptr);
    void setcaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent*) override;
};

}  // namespace zel
