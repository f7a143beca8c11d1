// The card gamble on a win: red or black doubles the amount at risk, the right suit
// quadruples it, a wrong guess loses it; the player may collect after any winning guess.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/gamble/gamble.h"
#include "core/machine/zel.h"

namespace zel {

namespace {

// What each bet button wins on: bit c is set when card c wins.
struct BetRule {
    uint8_t winningcards;
    int16_t factor;
    int16_t winclip;
    GambleBet bet;
    constexpr bool wins(int card) const { return card >= 1 && card <= 4 && (winningcards >> card) & 1; }
};

constexpr BetRule redbet{0b01010, 2, 108, GambleBet::red};    // hearts, diamonds
constexpr BetRule blackbet{0b10100, 2, 103, GambleBet::black};  // clubs, spades
constexpr BetRule suitrule[5] = {{},
                                 {0b00010, 4, 112, GambleBet::hearts},
                                 {0b00100, 4, 111, GambleBet::clubs},
                                 {0b01000, 4, 111, GambleBet::diamonds},
                                 {0b10000, 4, 107, GambleBet::spades}};

// The win or lose picture runs down the panel from its top edge to its floor, under the card
// history, in a short movement that slows as it lands.
constexpr int32_t slideleft = 700;
constexpr int32_t slidefirsttop = 1;
constexpr int32_t panelrim = 105;    // twips of the panel's wooden rail below its floor
constexpr int slidemoves = 24;
constexpr int slideframems = 16;

void setbetbuttons(ZelForm& form, bool enabled) {
    form.betred.enabled = enabled;
    form.betblack.enabled = enabled;
    form.cancelbet.enabled = enabled;
    for (int i = 1; i <= 4; ++i) form.suitbet[i].enabled = enabled;
}

// The amount at risk and what each kind of bet would make of it; a caption whose
// amount would not fit keeps its old text.
void showodds(ZelForm& form, int32_t atrisk) {
    form.risklab.caption = QStringLiteral("At Risk  ") + decimal(atrisk);
    form.lblblackred.visible = true;
    form.lblsuit.visible = true;
    if (fits<int32_t>(2 * int64_t(atrisk))) form.lblblackred.caption = QStringLiteral("Black/Red Win = ") + decimal(2 * int64_t(atrisk));
    if (fits<int32_t>(4 * int64_t(atrisk))) form.lblsuit.caption = QStringLiteral("Suit Win = ") + decimal(4 * int64_t(atrisk));
}

// The picture moves in steps the window shows one after the other; it ends wholly on the panel.
void slide(Zel& z, Control& picture) {
    const int32_t lasttop = std::max(slidefirsttop, z.form.pandouble.height - picture.height - panelrim);
    picture.visible = true;
    picture.left = slideleft;
    for (int move = 0; move <= slidemoves; ++move) {
        const int left = slidemoves - move;  // ease out: the distance still to go shrinks with its square
        picture.top = lasttop - int32_t(int64_t(lasttop - slidefirsttop) * left * left / (slidemoves * slidemoves));
        if (move < slidemoves) z.platform.wait(slideframems);
    }
}

// Back to the machine: the spin controls act again, and so does the keyboard.
void leavegamble(Zel& z) {
    z.setplaycontrols(true);
    z.form.focus = QStringLiteral("zel");
    z.form.keypreview = true;
}

void winbet(Zel& z, const BetRule& rule, int card) {
    z.playclip(rule.winclip);
    // The amount grows only as far as the credit can take it back on collecting.
    int32_t grown = z.atrisk;
    if (mulChecked(grown, rule.factor) && grown <= creditroom(z.player)) z.atrisk = grown;
    // The card has settled this bet: it is stored before the picture slides.
    z.journal.card(card, rule.bet, true, z.atrisk);
    z.commit();
    showodds(z.form, z.atrisk);
    slide(z, z.form.gamblewin);
    // The next bet waits for the picture to land: no bet is placed while one still slides.
    setbetbuttons(z.form, true);
}

void losebet(Zel& z) {
    ZelForm& form = z.form;
    form.doublebutton.enabled = false;
    z.playclip(125);
    // The stake was counted as won when it was won; now it is gone again.
    const int32_t lost = z.gamblestake;
    subChecked(z.player.total, lost);
    z.gamblestake = 0;
    // The card has settled the gamble: it is stored before the picture and the pause, the history
    // first. Should the game be killed between the two, the record still holds the gamble, which
    // the next start collects and tells the history so: the card is then as if never drawn.
    z.journal.gambleends(false, lost);
    z.commit();
    slide(z, form.gamblelose);
    form.lblblackred.visible = false;
    form.lblsuit.visible = false;
    form.risklab.caption = QStringLiteral("No Win  ");
    setbetbuttons(form, false);
    z.platform.doevents();
    z.platform.wait(3000);
    form.pandouble.visible = false;
    z.showcredit();
    form.LABWIN.caption = QStringLiteral("No Win");
    form.lblwin.caption = QStringLiteral(" ");
    leavegamble(z);
}

// One bet: the buttons rest while the card is drawn, so a second click cannot bet twice.
void placebet(Zel& z, const BetRule& rule, const Control& button) {
    if (!z.form.pandouble.visible || !button.enabled) return;
    setbetbuttons(z.form, false);
    const int card = z.drawcard();
    if (rule.wins(card)) {
        winbet(z, rule, card);
    } else {
        z.journal.card(card, rule.bet, false, 0);
        losebet(z);
    }
}

}  // namespace

int64_t creditroom(const Player& p) { return int64_t(std::numeric_limits<int32_t>::max()) - p.bank; }

int32_t collectatrisk(Player& p, int32_t atrisk, int32_t stake) {
    const int32_t credited = int32_t(std::min<int64_t>(atrisk, creditroom(p)));
    p.bank += credited;
    addChecked(p.total, int64_t(credited) - stake);
    return credited;
}

void Zel::doublebutton_Click() {
    if (!form.doublebutton.enabled || form.pandouble.visible) return;
    playclip(124);
    form.piccardholder.picture = {PicList::imagelistcards, jokerpicture, 0};
    for (int i = 1; i <= 4; ++i) form.suitbet[i].picture = {PicList::imagelistcards, suitsign(i), 0};

    hideflashers();
    stoppresentation();
    // The line on show goes with its frames, so no win seems to be on show under the card.
    clearwinningline();
    form.Timerwincounter.enabled = false;

    form.doublebutton.enabled = false;
    setplaycontrols(false);
    setbetbuttons(form, true);
    form.pandouble.visible = true;
    form.gamblewin.visible = false;
    form.gamblelose.visible = false;

    // A collected free-spin total is staked in place of the last spin's win.
    atrisk = currentwin;
    if (takenwin > 0) atrisk = takenwin;
    takenwin = 0;
    // The stake comes out of the credit, so it can never be more than the credit holds.
    atrisk = std::clamp(atrisk, int32_t(0), std::max(player.bank, int32_t(0)));
    gamblestake = atrisk;
    journal.gamblestarts(gamblestake);

    form.LABWIN.caption = decimal(atrisk);
    form.lblwin.caption = moneyform(atrisk);
    showodds(form, atrisk);

    player.bank -= atrisk;  // cannot leave the range: 0 <= atrisk <= bank
    showcredit();
    commit();

    form.keypreview = false;
    platform.doevents();
}

void Zel::betred_Click() { placebet(*this, redbet, form.betred); }

void Zel::betblack_Click() { placebet(*this, blackbet, form.betblack); }

void Zel::suitbet_Click(int Index) {
    if (Index < 1 || Index > 4) return;
    placebet(*this, suitrule[Index], form.suitbet[Index]);
}

void Zel::cancelbet_Click() {
    if (!form.pandouble.visible || !form.cancelbet.enabled) return;
    form.pandouble.visible = false;
    form.doublebutton.enabled = false;

    // Only the gain over the stake is new winnings: the stake itself was counted when won.
    const int32_t credited = collectatrisk(player, atrisk, gamblestake);
    gamblestake = 0;

    // The history first, then the record, as for a card that loses.
    journal.gambleends(true, credited);
    commit();

    playclip(107);
    showcredit();
    form.LABWIN.caption = decimal(credited);
    form.lblwin.caption = moneyform(credited);
    leavegamble(*this);
}

}  // namespace zel
