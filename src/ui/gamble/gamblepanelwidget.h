#pragma once
// The gamble panel (pandouble) that lies over the reels while the player gambles: the card
// holder, the colour and suit buttons, the collect button, the captions of the amount at
// risk and of the possible wins, the card history and the sliding win and lose pictures.
#include <QWidget>

#include "core/machine/formmodel.h"

namespace zel {

class ImageButtonWidget;
class PictureWidget;

// A caption painted in gold on the panel.
class PanelLabelWidget : public QWidget {
    Q_OBJECT
public:
    explicit PanelLabelWidget(QWidget* parent = nullptr);
    bool settext(const QString& text);
    const QString& shown() const { return text; }
    void setscale(double s) { scale = s; update(); }
    void setemphasis(bool big) { emphasis = big; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString text;
    double scale = 1.0;
    bool emphasis = false;
};

class GamblePanelWidget : public QWidget {
    Q_OBJECT
public:
    explicit GamblePanelWidget(QWidget* parent = nullptr);

    // Brings the panel's controls in line with the form (the panel's own place and visibility
    // are set by the window).
    void sync(const ZelForm& form, double scale);

    PictureWidget* piccardholder;
    ImageButtonWidget* betred;
    ImageButtonWidget* betblack;
    ImageButtonWidget* cancelbet;
    ImageButtonWidget* suitbet[5] = {};
    ImageButtonWidget* historypic[6] = {};
    PanelLabelWidget* risklab;
    PanelLabelWidget* lblblackred;
    PanelLabelWidget* lblsuit;
    PictureWidget* Lblpasthistory;
    PictureWidget* gamblewin;
    PictureWidget* gamblelose;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    double scale = 0.0;
};

}  // namespace zel
