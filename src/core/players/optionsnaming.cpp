// Naming the current player and deleting the player's details.
#include <QList>

#include "core/players/options.h"
#include "core/players/playerstore.h"
#include "core/players/statistics.h"

namespace zel {

namespace {
const QString gametitle = QStringLiteral("Slots_ZEL");

// Length as the player sees it: characters, not UTF-16 units.
qsizetype namelength(const QString& text) { return text.toUcs4().size(); }
}  // namespace

void Options::player1_KeyPress(int& KeyAscii) {
    if (form.unloaded) return;  // a closed window takes no names
    if (KeyAscii != keyenter) {
        refreshdeletecaption();
        return;
    }
    KeyAscii = 0;
    const QString typed = form.player1.text;
    if (typed.isEmpty() || namelength(typed) > maxnamelength) {
        platform.msgbox(typed.isEmpty() ? QStringLiteral("Nothing Entered") : QStringLiteral("Name Too Long"),
                        gametitle, MsgIcon::information, MsgButtons::ok);
        form.player1.text.clear();
        shownameentry(form, player);
        return;
    }
    player.currentplayer = typed;
    form.player1.text.clear();
    shownameentry(form, player);
    showplayeronmachine();
    const int slot = slotnumber(player.playerslot);
    if (slot != 0) form.machine[slot].caption = displayname(player);
    zel.commit();
    refreshdeletecaption();
}

void Options::Btndeletedetails_Click() {
    if (form.unloaded) return;
    const MsgResult answer =
        platform.msgbox(QStringLiteral("Are you sure you want to Delete Current Player's Details ?"), gametitle,
                        MsgIcon::stop, MsgButtons::yesNoDefaultNo);
    if (answer == MsgResult::yes) {
        // The name, the win counter and the reel speed stay; the money and the statistics go.
        player.machinepay = 6;
        player.amountinvested = player.wager = player.total = player.bank = player.games = 0;
        zel.clearslotplay();
        showdeleted(form, player);
        zel.form.Lblcredit.caption.clear();
        zel.form.PANELBANK.caption.clear();
    }
    Form_QueryUnload();
}

}  // namespace zel
