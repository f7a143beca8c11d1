// The settings of the options window, and the ways it closes.
#include "core/players/options.h"
#include "core/players/playerstore.h"
#include "core/players/returntable.h"
#include "core/shell/display.h"

namespace zel {

void Options::setspeed_Click(int Index) {
    if (Index < 0 || Index > 4) return;
    player.reelspeed = speedsetting[Index];
    form.speedlab.caption = QStringLiteral("Current Speed =   ") + QString::number(Index + 1);
}

void Options::wincounter_Click(int Index) {
    if (Index == 1) {
        player.winroll = 1;
        form.wincounter[1].caption = QStringLiteral("Wincounter ON");
        form.wincounter[2].caption.clear();
    } else if (Index == 2) {
        player.winroll = 0;
        form.wincounter[2].caption = QStringLiteral("Wincounter OFF");
        form.wincounter[1].caption.clear();
    }
}

void Options::Amtpayout_Click(int Index) {
    if (Index < 0 || Index > 2) return;
    player.machinepay = paysetting[Index];
    form.lblpayreturn.caption = returntoplayercaption(player.machinepay, zel.linesplayed);
}

namespace {
// The machine keeps its designed size (9765 x 7365 twips), shown as on the new display, at the top left.
void resizemachine(Zel& zel, int width, int height) {
    changeres(zel.platform, width, height);
    zel.form.left = 0;
    zel.form.top = 0;
}
}  // namespace

void Options::SSOption1_Click() {
    resizemachine(zel, 800, 600);
    Form_QueryUnload();
}

void Options::SSOption2_Click() {
    resizemachine(zel, 640, 480);
    Form_QueryUnload();
}

void Options::closeandsave() {
    zel.commit();
    form.player1.text.clear();
    zel.form.enabled = true;
    zel.form.visible = true;
    zel.hideflashers();
    if (player.reelspeed == 0) player.reelspeed = 1;
}

void Options::btnokplayer_Click() {
    if (form.unloaded) return;
    platform.playclip(124);
    closeandsave();
    Form_QueryUnload();
}

void Options::Form_QueryUnload() {
    if (form.unloaded) return;
    // The window is closing from here on: the machine is the player's again as soon as it is
    // enabled, and nothing that runs meanwhile (a message box's wait) may act on this window.
    form.unloaded = true;
    platform.playclip(124);
    zel.form.enabled = true;
    zel.hideflashers();
    zel.form.doublebutton.enabled = false;
    if (player.reelspeed == 0) player.reelspeed = 1;
    closeandsave();
    form.visible = false;
    // The machine is the player's again: a feature or a gamble the chosen slot had in progress goes on.
    zel.resumeplay();
}

}  // namespace zel
