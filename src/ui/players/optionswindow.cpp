#include "ui/players/optionswindow.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/players/figurelabel.h"
#include "ui/players/onelinewidget.h"
#include "ui/shell/windowplacement.h"
#include "ui/shell/desktopname.h"

namespace zel {

namespace {

// Captions are plain text: a name such as "<b>" or "A&B" shows exactly as typed.
QLabel* plainlabel(const QString& name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Buttons read "&" as a shortcut mark; doubled it shows as itself.
QString buttontext(const QString& caption) {
    QString text = caption;
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

void showstate(QWidget* w, const Control& c) {
    if (w->isVisibleTo(w->parentWidget()) != c.visible) w->setVisible(c.visible);
    if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
}

void sync(QLabel* w, const Control& c) {
    if (auto* line = dynamic_cast<OneLineLabel*>(w)) line->setcaption(c.caption);
    else if (auto* statistic = dynamic_cast<FigureLabel*>(w)) statistic->setcaption(c.caption);
    else if (w->text() != c.caption) w->setText(c.caption);
    showstate(w, c);
}

void sync(QAbstractButton* w, const Control& c) {
    if (auto* radio = dynamic_cast<OneLineRadio*>(w)) radio->setcaption(c.caption);
    else if (auto* button = dynamic_cast<OneLineButton*>(w)) button->setcaption(c.caption);
    else if (const QString text = buttontext(c.caption); w->text() != text) w->setText(text);
    showstate(w, c);
}

void sync(QGroupBox* w, const Control& c) {
    if (w->title() != c.caption) w->setTitle(c.caption);
    showstate(w, c);
}

QGroupBox* frame(const QString& name, QWidget* parent) {
    auto* box = new QGroupBox(parent);
    box->setObjectName(name);
    return box;
}

QRadioButton* radio(const QString& name, QWidget* parent) {
    auto* button = new QRadioButton(parent);
    button->setObjectName(name);
    return button;
}

constexpr OptionGroup allgroups[5] = {OptionGroup::machine, OptionGroup::Amtpayout, OptionGroup::setspeed,
                                      OptionGroup::wincounter, OptionGroup::screensize};

}  // namespace

OptionsWindow::OptionsWindow(Zel& zel, std::function<void()> rendermainwindow, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      options(std::make_unique<Options>(zel.player, zel.platform, zel)),
      rendermain(std::move(rendermainwindow)) {
    setObjectName(QStringLiteral("frmzeloptions"));
    setAttribute(Qt::WA_DeleteOnClose);
    build();
    render();
}

OptionsWindow::~OptionsWindow() = default;

void OptionsWindow::build() {
    auto* columns = new QHBoxLayout(this);

    // The player: slots, name, delete, statistics.
    Framemain = frame(QStringLiteral("Framemain"), this);
    auto* left = new QVBoxLayout(Framemain);
    auto* slotgrid = new QGridLayout;
    // Captions with a name are as wide as the longest name a player can type; a longer one from a
    // hand-edited store is cut short rather than widening the window.
    const QString longestname(maxnamelength, QLatin1Char('W'));
    for (int n = 1; n <= 6; ++n) {
        auto* slot = new OneLineRadio(Framemain);
        slot->setObjectName(QStringLiteral("machine(%1)").arg(n));
        slot->setMinimumWidth(std::max(150, slot->fontMetrics().horizontalAdvance(longestname) + 30));
        machine[n] = slot;
        slotgrid->addWidget(machine[n], (n - 1) / 2, (n - 1) % 2);
    }
    left->addLayout(slotgrid);
    lblplayername = plainlabel(QStringLiteral("lblplayername"), Framemain);
    left->addWidget(lblplayername);
    player1 = new QLineEdit(Framemain);
    player1->setObjectName(QStringLiteral("player1"));
    player1->installEventFilter(this);
    // The caption above the box names it for a screen reader.
    lblplayername->setBuddy(player1);
    left->addWidget(player1);
    Btndeletedetails = new OneLineButton(Framemain);
    Btndeletedetails->setObjectName(QStringLiteral("Btndeletedetails"));
    Btndeletedetails->setMinimumWidth(
        Btndeletedetails->fontMetrics().horizontalAdvance(QStringLiteral("Delete Currentplayer  (%1) Details").arg(longestname)) + 24);
    left->addWidget(Btndeletedetails);
    auto* stats = new QFrame(Framemain);
    stats->setFrameShape(QFrame::StyledPanel);
    auto* statslayout = new QVBoxLayout(stats);
    // The player's name on a line of its own; the statistics with their figures in one column.
    lblcurrentplayer = new OneLineLabel(stats);
    lblcurrentplayer->setObjectName(QStringLiteral("lblcurrentplayer"));
    statslayout->addWidget(lblcurrentplayer);
    for (auto [label, name] : {std::pair{&lblgames, "lblgames"}, {&lblwager, "lblwager"}, {&lbltotalwon, "lbltotalwon"},
                               {&lblwinlose, "lblwinlose"}, {&lblreturned, "lblreturned"}, {&lblinvested, "lblinvested"}}) {
        auto* line = new FigureLabel(stats);
        line->setObjectName(QString::fromLatin1(name));
        *label = line;
        statslayout->addWidget(*label);
    }
    lblcurrentplayer->setStyleSheet(QStringLiteral("font-weight: bold"));
    // Room for the longest caption: a typed name, or a figure of ten digits and a sign.
    QFont bold = lblcurrentplayer->font();
    bold.setBold(true);
    const int widest = std::max(QFontMetrics(bold).horizontalAdvance(QStringLiteral("Current Player    ") + longestname),
                                lblgames->fontMetrics().horizontalAdvance(QStringLiteral("Total Won                   -2147483648")));
    for (QLabel* label : {lblcurrentplayer, lblgames, lblwager, lbltotalwon, lblwinlose, lblreturned, lblinvested})
        label->setMinimumWidth(widest + 8);
    left->addWidget(stats);
    left->addStretch();
    columns->addWidget(Framemain);

    // The machine's settings.
    auto* right = new QVBoxLayout;
    payout = frame(QStringLiteral("payout"), this);
    auto* paylayout = new QVBoxLayout(payout);
    for (int i = 0; i < 3; ++i) {
        Amtpayout[i] = radio(QStringLiteral("Amtpayout(%1)").arg(i), payout);
        paylayout->addWidget(Amtpayout[i]);
    }
    // RETURN TO PLAYER: the return of the chosen pay setting goes in this label once its figures
    // have been measured; until then it stays empty.
    lblpayreturn = plainlabel(QStringLiteral("lblpayreturn"), payout);
    paylayout->addWidget(lblpayreturn);
    right->addWidget(payout);

    Framespeed = frame(QStringLiteral("Framespeed"), this);
    auto* speedlayout = new QVBoxLayout(Framespeed);
    auto* speedrow = new QHBoxLayout;
    for (int i = 0; i < 5; ++i) {
        setspeed[i] = radio(QStringLiteral("setspeed(%1)").arg(i), Framespeed);
        speedrow->addWidget(setspeed[i], 0, Qt::AlignHCenter);
    }
    speedlayout->addLayout(speedrow);
    fastslow = plainlabel(QStringLiteral("fastslow"), Framespeed);
    fastslow->setAlignment(Qt::AlignHCenter);
    speedlayout->addWidget(fastslow);
    speedlab = plainlabel(QStringLiteral("speedlab"), Framespeed);
    speedlab->setAlignment(Qt::AlignHCenter);
    speedlayout->addWidget(speedlab);
    right->addWidget(Framespeed);

    Framecounter = frame(QStringLiteral("Framecounter"), this);
    auto* counterlayout = new QHBoxLayout(Framecounter);
    for (int i = 1; i <= 2; ++i) {
        wincounter[i] = radio(QStringLiteral("wincounter(%1)").arg(i), Framecounter);
        wincounter[i]->setMinimumWidth(130);
        counterlayout->addWidget(wincounter[i]);
    }
    right->addWidget(Framecounter);

    Frame1 = frame(QStringLiteral("Frame1"), this);
    auto* sizelayout = new QVBoxLayout(Frame1);
    SSOption1 = radio(QStringLiteral("SSOption1"), Frame1);
    SSOption2 = radio(QStringLiteral("SSOption2"), Frame1);
    Label5 = plainlabel(QStringLiteral("Label5"), Frame1);
    Label5->setWordWrap(true);
    for (QWidget* w : {static_cast<QWidget*>(SSOption1), static_cast<QWidget*>(SSOption2), static_cast<QWidget*>(Label5)})
        sizelayout->addWidget(w);
    right->addWidget(Frame1);
    right->addStretch();

    btnokplayer = new QPushButton(this);
    btnokplayer->setObjectName(QStringLiteral("btnokplayer"));
    btnokplayer->setMinimumHeight(34);
    right->addWidget(btnokplayer);
    columns->addLayout(right);

    for (OptionGroup g : allgroups) groups[int(g)] = makegroup(g);
    connect(Btndeletedetails, &QPushButton::clicked, this, [this] { act([this] { options->Btndeletedetails_Click(); }); });
    connect(btnokplayer, &QPushButton::clicked, this, [this] { act([this] { options->btnokplayer_Click(); }); });
    connect(player1, &QLineEdit::textChanged, this, [this](const QString& text) { options->form.player1.text = text; });
}

QButtonGroup* OptionsWindow::makegroup(OptionGroup group) {
    auto* g = new QButtonGroup(this);
    for (int i = firstoption(group); i <= lastoption(group); ++i) {
        QRadioButton* button = nullptr;
        switch (group) {
        case OptionGroup::machine: button = machine[i]; break;
        case OptionGroup::Amtpayout: button = Amtpayout[i]; break;
        case OptionGroup::setspeed: button = setspeed[i]; break;
        case OptionGroup::wincounter: button = wincounter[i]; break;
        case OptionGroup::screensize: button = i == 1 ? SSOption1 : SSOption2; break;
        }
        g->addButton(button, i);
    }
    connect(g, &QButtonGroup::idClicked, this, [this, group](int id) { act([this, group, id] { options->click(group, id); }); });
    return g;
}

void OptionsWindow::open(QWidget* mainwindow) {
    act([this] { options->Form_Load(); });
    if (!options->form.unloaded) {
        adjustSize();
        placeovermachine(this, mainwindow);
        becomedialogof(this, mainwindow);
        show();
        activateWindow();
        if (appliedfocus == QLatin1String("player1")) player1->setFocus(Qt::OtherFocusReason);
    } else {
        deleteLater();
    }
}

void OptionsWindow::act(const std::function<void()>& handler) {
    handler();
    render();
    if (rendermain) rendermain();
}

void OptionsWindow::render() {
    const OptionsForm& f = options->form;
    if (const QString title = desktoptitle(f.caption); windowTitle() != title) setWindowTitle(title);
    sync(Framemain, f.Framemain);
    for (int n = 1; n <= 6; ++n) sync(machine[n], f.machine[n]);
    sync(lblplayername, f.lblplayername);
    showstate(player1, f.player1);
    if (player1->text() != f.player1.text) {
        const QSignalBlocker quiet(player1);
        player1->setText(f.player1.text);
    }
    sync(Btndeletedetails, f.Btndeletedetails);
    sync(lblcurrentplayer, f.lblcurrentplayer);
    sync(lblgames, f.lblgames);
    sync(lblwager, f.lblwager);
    sync(lbltotalwon, f.lbltotalwon);
    sync(lblwinlose, f.lblwinlose);
    sync(lblreturned, f.lblreturned);
    sync(lblinvested, f.lblinvested);
    sync(payout, f.payout);
    for (int i = 0; i < 3; ++i) sync(Amtpayout[i], f.Amtpayout[i]);
    sync(lblpayreturn, f.lblpayreturn);
    sync(Framespeed, f.Framespeed);
    for (int i = 0; i < 5; ++i) sync(setspeed[i], f.setspeed[i]);
    sync(fastslow, f.fastslow);
    sync(speedlab, f.speedlab);
    sync(Framecounter, f.Framecounter);
    for (int i = 1; i <= 2; ++i) sync(wincounter[i], f.wincounter[i]);
    sync(Frame1, f.Frame1);
    sync(SSOption1, f.SSOption1);
    sync(SSOption2, f.SSOption2);
    sync(Label5, f.Label5);
    sync(btnokplayer, f.btnokplayer);

    // Which option of each group is on; a group may have none on, which an exclusive group refuses.
    for (OptionGroup g : allgroups) {
        QButtonGroup* group = groups[int(g)];
        group->setExclusive(false);
        for (int i = firstoption(g); i <= lastoption(g); ++i) {
            QAbstractButton* button = group->button(i);
            const bool on = options->form.option(g, i)->value;
            if (button->isChecked() != on) {
                const QSignalBlocker quiet(button);
                button->setChecked(on);
            }
        }
        group->setExclusive(true);
    }

    if (f.focus != appliedfocus) {
        appliedfocus = f.focus;
        if (f.focus == QLatin1String("player1")) player1->setFocus(Qt::OtherFocusReason);
    }
    if (f.unloaded && isVisible()) close();
}

bool OptionsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != player1 || event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    int KeyAscii = 0;
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) KeyAscii = keyenter;
    else if (!key->text().isEmpty()) KeyAscii = key->text().at(0).unicode();
    else return false;  // keys without a character (arrows, shift) edit the box as usual
    options->form.player1.text = player1->text();
    act([this, &KeyAscii] { options->player1_KeyPress(KeyAscii); });
    return KeyAscii == 0;  // a swallowed key never reaches the box
}

void OptionsWindow::closeEvent(QCloseEvent* event) {
    // Every way out runs the closing sequence once; the close itself is never refused.
    if (!options->form.unloaded) act([this] { options->Form_QueryUnload(); });
    event->accept();
}

void OptionsWindow::keyPressEvent(QKeyEvent* event) {
    // Escape closes the window as its close box does (the record is saved either way).
    if (event->key() == Qt::Key_Escape) close();
    else QWidget::keyPressEvent(event);
}

}  // namespace zel
