// Start-up of the machine: display check, the player in slot 1, the first view.
#include "core/machine/zel.h"
#include "core/players/playerstore.h"
#include "core/shell/display.h"

namespace zel {

void Zel::Form_Load() {
    IsScreenFontSmall(player, platform);
    if (player.screendpi != 96) {
        platform.msgbox(largefontsmessage(), largefontstitle(), MsgIcon::information, MsgButtons::ok);
        platform.endprogram();
        return;
    }
    changeres(platform, 800, 600);
    form.left = 0;
    form.top = 0;
    form.visible = true;

    player.playerslot = QStringLiteral("1");
    records.load(player, 1);
    journal.open();
    form.caption = QStringLiteral("Current Player       ") + player.currentplayer;
    showcredit();

    // The pay setting is already one the options offer: loading a record sees to that.
    linesplayed = 25;
    for (int L = 1; L <= numlines; ++L) form.lin[L].picture = {PicList::linepics, int16_t(L), 0};
    for (int L = linesplayed + 1; L <= numlines; ++L) form.lin[L].picture = {PicList::linepics, int16_t(L + 25), 0};
    form.lin[26].picture = {PicList::linepics, 1, 0};
    if (player.reelspeed < 1) player.reelspeed = 1;
    playclip(101);
    form.left = 0;
    form.top = 0;
    form.focus = QStringLiteral("play(1)");
}

}  // namespace zel
