// The current slot in the store: its record and its play in progress written together whenever
// money settles, read together when the slot is chosen, and a play left in progress taken up again.
#include <QtGlobal>

#include "core/gamble/gamble.h"
#include "core/machine/zel.h"
#include "core/players/playerstore.h"

namespace zel {

namespace {
const QString title = QStringLiteral("Slots_ZEL");
}  // namespace

void Zel::commit() {
    const int slot = slotnumber(player.playerslot);
    if (slot == 0 || spinning) return;
    QList<Platform::Section> sections{recordsection(player, slot)};
    // A play found with the slot that has not been taken up yet stays in the store as it was.
    if (!waitingplay) sections.append(inplaysectionof(inplayof(*this), slot));
    platform.commit(sections);
    tellstorenews();
}

bool Zel::loadslot(int n, const std::function<void()>& onfailure) {
    const bool loaded = loadplayer(player, platform, n, onfailure);
    QString fault;
    waitingplay = readinplay(platform, n, &fault);
    if (!fault.isEmpty()) platform.keeporiginal(QStringLiteral("the play in progress of player slot %1 (%2)").arg(n).arg(fault));
    return loaded;
}

void Zel::clearslotplay() {
    waitingplay.reset();
    commit();
    journal.clear();
}

void Zel::resumeplay() {
    if (!waitingplay) return;
    const InPlay play = std::move(*waitingplay);
    waitingplay.reset();

    if (play.kind == InPlay::Kind::gamble) {
        // The amount at risk comes back as collecting would have brought it.
        const int32_t credited = collectatrisk(player, play.atrisk, play.gamblestake);
        if (play.game) journal.resumegamble(*play.game);
        journal.gambleends(true, credited);
        commit();
        showcredit();
        form.LABWIN.caption = decimal(credited);
        form.lblwin.caption = moneyform(credited);
        return;
    }

    // The feature plays on where it stood: the same lines and bet, the reels as they stopped, the
    // holds of the wilds they show, the total so far.
    linesplayed = play.linesplayed;
    betperline = play.betperline;
    showlines();
    freespins = play.freespins;
    freespinsplayed = play.freespinsplayed;
    freespintotal = play.freespintotal;
    freespinmultiplier = play.freespinmultiplier;
    for (int r = 1; r <= reelcount; ++r) {
        reelstop[r] = play.reelstops[size_t(r - 1)];
        reeltop[r] = -1500 * reelstop[r];
        form.reel[r].top = reeltop[r];
    }
    holdreel2 = play.holds[0];
    holdreel3 = play.holds[1];
    holdreel4 = play.holds[2];
    if (play.game) journal.resumefeature(*play.game);

    form.pannomoney.visible = false;
    form.doublebutton.enabled = false;
    showfeature();
    form.spinsleft.visible = true;
    form.LABWIN.caption = decimal(freespintotal);
    form.lblwin.caption = moneyform(freespintotal);
    setdecimal(form.lbllast.caption, stake());
    if (play.completed()) {
        showfeaturecompleted();
        form.focus = QStringLiteral("takewin");
        return;
    }
    form.spinsleft.caption = QStringLiteral("     Freespins Remaining  ") + decimal(int(freespins) - int(freespinsplayed));
    playclip(117, true);
    form.Timerrespin.enabled = true;  // the next free spin follows, as after any feature spin
}

void Zel::tellstorenews() {
    for (const QString& text : platform.storenews()) {
        if (unattended) qWarning("zelslots: %s", qPrintable(QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '))));
        else platform.msgbox(text, title, MsgIcon::information, MsgButtons::ok);
    }
}

}  // namespace zel
