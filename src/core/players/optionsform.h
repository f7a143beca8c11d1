#pragma once
// The options window frmzeloptions as plain records of its controls: what each one shows.
// The rules write these; the window draws them.
#include <QString>

#include "core/machine/formmodel.h"

namespace zel {

// An option button: a control that is on (selected) or off within its group.
struct OptionButton : Control {
    bool value = false;
};

struct TextBox : Control {
    QString text;
};

// A control that shows a fixed caption from the start.
inline Control captioned(const QString& caption, bool visible = true) {
    Control c;
    c.caption = caption;
    c.visible = visible;
    return c;
}

// The groups of option buttons; exactly one button of a group can be on.
enum class OptionGroup { machine, Amtpayout, setspeed, wincounter, screensize };

struct OptionsForm {
    QString caption = QStringLiteral("ZEL Options");
    bool visible = false;
    bool unloaded = false;  // the closing sequence has run; the window goes away
    QString focus;          // the control with the keyboard focus, e.g. "player1"

    Control Framemain = captioned(QStringLiteral("ZEL Options"));
    OptionButton machine[7];  // the six player slots, 1..6
    Control lblplayername = captioned(QStringLiteral("Input Player Name                                        Then Enter"));
    TextBox player1;
    Control Btndeletedetails;

    // Statistics of the current player.
    Control lblcurrentplayer, lblgames, lblwager, lbltotalwon, lblwinlose, lblreturned, lblinvested;

    Control payout = captioned(QStringLiteral("Payout %"));
    OptionButton Amtpayout[3];
    // Under the pay options: the return to player of the chosen pay setting at the lines being
    // played, from the table the build works out (players/returntable.h).
    Control lblpayreturn;

    Control Framespeed = captioned(QStringLiteral("Reel Speed"));
    OptionButton setspeed[5];  // fastest first
    Control fastslow = captioned(QStringLiteral("<<<Faster                              Slower>>>"));
    Control speedlab;

    Control Framecounter = captioned(QStringLiteral("Win Counter"));
    OptionButton wincounter[3];  // 1 = on, 2 = off

    Control Frame1 = captioned(QStringLiteral("Screen Size"));
    OptionButton SSOption1, SSOption2;  // one group: 800 x 600, 640 x 480
    Control Label5 = captioned(QStringLiteral("Note:- Some machines  may not support this function."));

    Control btnokplayer = captioned(QStringLiteral("O.K. Close and save changes"));

    OptionsForm() {
        Amtpayout[0].caption = QStringLiteral("Realistic");
        Amtpayout[1].caption = QStringLiteral("Loose");
        Amtpayout[2].caption = QStringLiteral("Dream Machine !!");
        SSOption1.caption = QStringLiteral("800 X 600 Small");
        SSOption2.caption = QStringLiteral("640 X 480  Large");
    }

    // The button of a group by the index the game gives it; nullptr for an index the group lacks.
    OptionButton* option(OptionGroup group, int index) {
        switch (group) {
        case OptionGroup::machine: return index >= 1 && index <= 6 ? &machine[index] : nullptr;
        case OptionGroup::Amtpayout: return index >= 0 && index <= 2 ? &Amtpayout[index] : nullptr;
        case OptionGroup::setspeed: return index >= 0 && index <= 4 ? &setspeed[index] : nullptr;
        case OptionGroup::wincounter: return index >= 1 && index <= 2 ? &wincounter[index] : nullptr;
        case OptionGroup::screensize: return index == 1 ? &SSOption1 : index == 2 ? &SSOption2 : nullptr;
        }
        return nullptr;
    }
};

// The first and last index of each group.
constexpr int firstoption(OptionGroup g) {
    return g == OptionGroup::Amtpayout || g == OptionGroup::setspeed ? 0 : 1;
}
constexpr int lastoption(OptionGroup g) {
    switch (g) {
    case OptionGroup::machine: return 6;
    case OptionGroup::Amtpayout: return 2;
    case OptionGroup::setspeed: return 4;
    case OptionGroup::wincounter: return 2;
    case OptionGroup::screensize: return 2;
    }
    return 0;
}

}  // namespace zel
