#pragma once
// Captions that carry a player's name: a name from a hand-edited store may be thousands of
// characters long or hold line breaks. These widgets show such a caption on one line, cut with an
// ellipsis where it does not fit, and their size never follows the text, so a window keeps its
// designed size whatever the name.
#include <type_traits>

#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QString>

namespace zel {

// The text on one line: line breaks, tabs and other control characters become blanks.
QString oneline(const QString& text);
// A window title on one line, cut with an ellipsis past `characters` (the desktop draws titles in
// fonts of its own, so the cut goes by characters).
QString titleline(const QString& text, int characters = 96);

// What each kind of widget shows of a caption at its present width.
QString shownpart(const QLabel* label, const QString& caption);
QString shownpart(const QRadioButton* radio, const QString& caption);
QString shownpart(const QPushButton* button, const QString& caption);

template <class Base>
class OneLine : public Base {
public:
    explicit OneLine(QWidget* parent = nullptr) : Base(parent) {
        this->setSizePolicy(QSizePolicy::Ignored, this->sizePolicy().verticalPolicy());
        if constexpr (std::is_same_v<Base, QLabel>) this->setTextFormat(Qt::PlainText);
    }
    void setcaption(const QString& caption) {
        if (caption == full) return;
        full = caption;
        // A screen reader reads the whole caption, where the widget shows it cut short.
        this->setAccessibleName(oneline(full));
        elide();
    }
    const QString& caption() const { return full; }

protected:
    void resizeEvent(QResizeEvent* event) override {
        Base::resizeEvent(event);
        elide();
    }

private:
    void elide() {
        const QString shown = shownpart(this, full);
        if (this->text() != shown) this->setText(shown);
    }
    QString full;
};

using OneLineLabel = OneLine<QLabel>;
using OneLineRadio = OneLine<QRadioButton>;
using OneLineButton = OneLine<QPushButton>;

}  // namespace zel
