// Start-up of the machine: the screen noted, the player in slot 1, the first view.
#include "core/machine/zel.h"
#include "core/players/playerstore.h"
#include "core/shell/display.h"

namespace zel {

void Zel::Form_Load() {
    // The screen's font size is noted, never refused: the windows lay their text out for the
    // logical pixels per inch they get, and the desktop scales them.
    IsScreenFontSmall(player, platform);
    changeres(platform, 800, 600);
    form.left = 0;
    form.top = 0;
    form.visible = true;

    player.playerslot = QStringLiteral("1");
    loadslot(1);
    journal.open();
    // What the store found as the game started is told before play: a file it cannot read or
    // write, values it cannot keep as they are (copied aside first, which the start waits for).
    platform.flush();
    tellstorenews();
    form.caption = QStringLiteral("Current Player       ") + player.currentplayer;
    showcredit();

    // The pay setting is already one the options offer: loading a record sees to that.
    linesplayed = 25;
    showlines();
    if (player.reelspeed < 1) player.reelspeed = 1;
    playclip(101);
    form.left = 0;
    form.top = 0;
    form.focus = QStringLiteral("play(1)");
    // A feature or a gamble the last run left plays on (or is collected) from here.
    resumeplay();
}

}  // namespace zel
