#pragma once
// A 3-D push button that shows a face picture and no text: a gold rim, pressed by a step
// down, greyed when disabled, lit when the pointer is over it, ringed when it has the focus.
// While the face picture is missing, a short fallback label keeps the button readable.
#include <QAbstractButton>
#include <QPixmap>

#include "core/machine/formmodel.h"

namespace zel {

class ImageButtonWidget : public QAbstractButton {
    Q_OBJECT
public:
    explicit ImageButtonWidget(QWidget* parent = nullptr);

    bool setfacepath(const QString& path);
    bool setfacepicture(const Pic& pic);
    void setfallback(const QString& text);
    // A button without an action (the gamble's history boxes): no clicks, no focus.
    void setinert(bool inert);
    bool isinert() const { return inert; }
    const Pic& facepicture() const { return facepic; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;
    void enterEvent(QEnterEvent*) override;
    void leaveEvent(QEvent*) override;

private:
    QPixmap face() const;
    QString facepath;
    Pic facepic;
    QString fallback;
    bool hovered = false;
    bool inert = false;
};

}  // namespace zel
