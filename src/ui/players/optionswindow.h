#pragma once
// The options window frmzeloptions on screen: it shows its form model and hands the player's
// clicks and keys to the handlers. It exists only while it is open and deletes itself on closing.
#include <functional>
#include <memory>

#include <QWidget>

#include "core/players/options.h"

class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zel {

class OptionsWindow : public QWidget {
    Q_OBJECT
public:
    // rendermain draws the machine's window after a handler here changed it.
    OptionsWindow(Zel& zel, std::function<void()> rendermain, QWidget* parent = nullptr);
    ~OptionsWindow() override;

    // Runs the opening sequence and shows the window, a dialog of mainwindow over its middle.
    void open(QWidget* mainwindow);
    // Brings every widget in line with the form; closes the window once the form is unloaded.
    void render();

    Options& rules() { return *options; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void build();
    QButtonGroup* makegroup(OptionGroup group);
    // Runs a handler, then draws this window and the machine's.
    void act(const std::function<void()>& handler);

    std::unique_ptr<Options> options;
    std::function<void()> rendermain;

    QGroupBox *Framemain = nullptr, *payout = nullptr, *Framespeed = nullptr, *Framecounter = nullptr,
              *Frame1 = nullptr;
    QRadioButton* machine[7] = {};
    QLabel* lblplayername = nullptr;
    QLineEdit* player1 = nullptr;
    QPushButton* Btndeletedetails = nullptr;
    QLabel *lblcurrentplayer = nullptr, *lblgames = nullptr, *lblwager = nullptr, *lbltotalwon = nullptr,
           *lblwinlose = nullptr, *lblreturned = nullptr, *lblinvested = nullptr;
    QRadioButton* Amtpayout[3] = {};
    QLabel* lblpayreturn = nullptr;
    QRadioButton* setspeed[5] = {};
    QLabel *fastslow = nullptr, *speedlab = nullptr;
    QRadioButton* wincounter[3] = {};
    QRadioButton *SSOption1 = nullptr, *SSOption2 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* btnokplayer = nullptr;
    QButtonGroup* groups[5] = {};
    QString appliedfocus;
};

}  // namespace zel
