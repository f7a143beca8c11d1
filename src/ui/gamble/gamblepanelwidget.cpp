#include "ui/gamble/gamblepanelwidget.h"

#include <QPainter>

#include "ui/machine/accessiblenames.h"
#include "ui/machine/imagebuttonwidget.h"
#include "ui/machine/picturewidget.h"
#include "ui/machine/widgetsync.h"

namespace zel {

namespace {
// Places on the 254 x 350 panel, in pixels at scale 1, of the controls the game does not place.
constexpr QRect risklabplace{4, 8, 246, 22};
constexpr QRect cardplace{18, 34, 100, 153};
constexpr QRect betredplace{152, 36, 70, 32};
constexpr QRect betblackplace{152, 74, 70, 32};
constexpr QRect suitplace(int i) { return {139 + ((i - 1) % 2) * 52, 112 + ((i - 1) / 2) * 48, 44, 44}; }
constexpr QRect blackredplace{8, 218, 152, 18};
constexpr QRect suitwinplace{8, 236, 152, 18};
constexpr QRect cancelbetplace{166, 220, 70, 32};
// Under the right end of the history row, beside the place where the win or lose picture lands.
constexpr QRect pasthistoryplace{158, 300, 87, 40};

void syncbutton(ImageButtonWidget* button, const Control& c, const QRect& where, double scale) {
    place(button, scaledrect(where, scale));
    showif(button, c.visible);
    enableif(button, c.enabled);
}
}  // namespace

PanelLabelWidget::PanelLabelWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

bool PanelLabelWidget::settext(const QString& t) {
    if (t == text) return false;
    text = t;
    update();
    return true;
}

void PanelLabelWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(qMax(7, int(height() * (emphasis ? 0.78 : 0.72))));
    while (font.pixelSize() > 7 && QFontMetrics(font).horizontalAdvance(text) > width() - 2)
        font.setPixelSize(font.pixelSize() - 1);
    p.setFont(font);
    p.setPen(QColor(0, 0, 0, 170));
    p.drawText(rect().translated(1, 1), Qt::AlignCenter, text);
    p.setPen(emphasis ? QColor(255, 226, 120) : QColor(250, 240, 210));
    p.drawText(rect(), Qt::AlignCenter, text);
}

GamblePanelWidget::GamblePanelWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pandouble"));
    const auto button = [this](const QString& name, const QString& fallback) {
        auto* b = new ImageButtonWidget(this);
        b->setObjectName(name);
        b->setfallback(fallback);
        return b;
    };
    piccardholder = new PictureWidget(this);
    piccardholder->setObjectName(QStringLiteral("piccardholder"));
    piccardholder->setstretched(true);
    betred = button(QStringLiteral("betred"), QStringLiteral("RED"));
    betred->setfacepath(QStringLiteral(":/faces/betred.png"));
    betblack = button(QStringLiteral("betblack"), QStringLiteral("BLACK"));
    betblack->setfacepath(QStringLiteral(":/faces/betblack.png"));
    cancelbet = button(QStringLiteral("cancelbet"), QStringLiteral("COLLECT"));
    cancelbet->setfacepath(QStringLiteral(":/faces/cancelbet.png"));
    betred->setToolTip(QStringLiteral("Red card: double the amount at risk"));
    betblack->setToolTip(QStringLiteral("Black card: double the amount at risk"));
    cancelbet->setToolTip(QStringLiteral("Collect the amount at risk"));
    static const char* const suitnames[5] = {"", "\u2665", "\u2663", "\u2666", "\u2660"};
    static const char* const suittips[5] = {"", "Hearts", "Clubs", "Diamonds", "Spades"};
    for (int i = 1; i <= 4; ++i) {
        suitbet[i] = button(QStringLiteral("suitbet(%1)").arg(i), QString::fromUtf8(suitnames[i]));
        suitbet[i]->setToolTip(QStringLiteral("%1: four times the amount at risk").arg(QLatin1String(suittips[i])));
    }
    for (int i = 1; i <= 5; ++i) {
        historypic[i] = button(QStringLiteral("historypic(%1)").arg(i), QString());
        historypic[i]->setinert(true);
    }
    risklab = new PanelLabelWidget(this);
    risklab->setObjectName(QStringLiteral("risklab"));
    risklab->setemphasis(true);
    lblblackred = new PanelLabelWidget(this);
    lblblackred->setObjectName(QStringLiteral("lblblackred"));
    lblsuit = new PanelLabelWidget(this);
    lblsuit->setObjectName(QStringLiteral("lblsuit"));
    Lblpasthistory = new PictureWidget(this);
    Lblpasthistory->setObjectName(QStringLiteral("Lblpasthistory"));
    Lblpasthistory->setpath(QStringLiteral(":/panels/Lblpasthistory.png"));
    gamblewin = new PictureWidget(this);
    gamblewin->setObjectName(QStringLiteral("gamblewin"));
    gamblewin->setpath(QStringLiteral(":/panels/gamblewin.png"));
    gamblewin->setcaption(QStringLiteral("WIN!"));
    gamblelose = new PictureWidget(this);
    gamblelose->setObjectName(QStringLiteral("gamblelose"));
    gamblelose->setpath(QStringLiteral(":/panels/gamblelose.png"));
    gamblelose->setcaption(QStringLiteral("LOSE"));
}

void GamblePanelWidget::sync(const ZelForm& f, double s) {
    if (s != scale) {
        scale = s;
        for (PanelLabelWidget* l : {risklab, lblblackred, lblsuit}) l->setscale(s);
        update();
    }
    place(piccardholder, scaledrect(cardplace, s));
    showif(piccardholder, f.piccardholder.visible);
    piccardholder->setpicture(f.piccardholder.picture);
    // The card drawn is told at once, by the change of the holder's name.
    const QString card = QStringLiteral("Card: ") + cardwords(f.piccardholder.picture);
    if (piccardholder->accessibleName() != card) piccardholder->setAccessibleName(card);

    syncbutton(betred, f.betred, betredplace, s);
    syncbutton(betblack, f.betblack, betblackplace, s);
    syncbutton(cancelbet, f.cancelbet, cancelbetplace, s);
    for (int i = 1; i <= 4; ++i) {
        syncbutton(suitbet[i], f.suitbet[i], suitplace(i), s);
        suitbet[i]->setfacepicture(f.suitbet[i].picture);
    }
    for (int i = 1; i <= 5; ++i) {
        const Control& h = f.historypic[i];
        place(historypic[i], twipsrect(h, s));
        showif(historypic[i], h.visible);
        historypic[i]->setfacepicture(h.picture);
    }

    const struct { PanelLabelWidget* label; const Control& control; QRect where; } labels[] = {
        {risklab, f.risklab, risklabplace}, {lblblackred, f.lblblackred, blackredplace}, {lblsuit, f.lblsuit, suitwinplace}};
    for (const auto& l : labels) {
        place(l.label, scaledrect(l.where, s));
        showif(l.label, l.control.visible);
        l.label->settext(l.control.caption);
    }
    place(Lblpasthistory, scaledrect(pasthistoryplace, s));
    showif(Lblpasthistory, f.Lblpasthistory.visible);
    Lblpasthistory->setcaption(f.Lblpasthistory.caption);

    // The win and lose pictures slide down the panel at the places the game gives them.
    for (const auto& [picture, control] : {std::pair{gamblewin, &f.gamblewin}, std::pair{gamblelose, &f.gamblelose}}) {
        place(picture, twipsrect(*control, s));
        showif(picture, control->visible);
        if (control->visible) picture->raise();
    }
}

void GamblePanelWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap background = zelpicture(QStringLiteral(":/panels/pandouble.png"), size(), devicePixelRatioF());
    if (!background.isNull()) {
        p.drawPixmap(QRectF(rect()), background, QRectF(background.rect()));
        return;
    }
    // Green baize in a gold frame until the panel's picture is there.
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    QLinearGradient goldrim(r.topLeft(), r.bottomRight());
    goldrim.setColorAt(0, QColor(255, 236, 160));
    goldrim.setColorAt(0.5, QColor(170, 118, 26));
    goldrim.setColorAt(1, QColor(255, 220, 120));
    p.setPen(QPen(QColor(40, 24, 4), 1));
    p.setBrush(goldrim);
    p.drawRoundedRect(r, 10 * scale, 10 * scale);
    QRadialGradient baize(r.center(), r.height() * 0.7);
    baize.setColorAt(0, QColor(18, 110, 52));
    baize.setColorAt(1, QColor(6, 48, 22));
    p.setBrush(baize);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(r.adjusted(4 * scale, 4 * scale, -4 * scale, -4 * scale), 7 * scale, 7 * scale);
}

}  // namespace zel
