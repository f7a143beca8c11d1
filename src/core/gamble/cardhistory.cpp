// The card draw of the gamble and the row of the last five cards below it.
#include <cmath>

#include "core/gamble/gamble.h"
#include "core/machine/zel.h"

namespace zel {

void placehistory(Control (&historypic)[6], int16_t& historycount, int card) {
    if (historycount > 10 || historycount < 1) historycount = 6;
    const Pic sign{PicList::imagelistcards, suitsign(card), 0};

    if (historycount <= 5) {
        // The first five cards fill the row from the left.
        Control& box = historypic[historycount];
        box.picture = sign;
        box.visible = true;
        return;
    }

    // From then on the boxes take turns: box k, holding the oldest card, moves to the right
    // end with the new card and the other four shift one slot to the left.
    const int k = historycount - 5;
    for (int slot = 1; slot <= 4; ++slot) {
        Control& box = historypic[(k - 1 + slot) % 5 + 1];
        box.left = historyslotleft[slot];
        box.top = historytop;
    }
    Control& newest = historypic[k];
    newest.left = historyslotleft[5];
    newest.top = historytop;
    newest.picture = sign;
    newest.visible = true;
}

int Zel::drawcard() {
    playclip(124);
    form.gamblewin.visible = false;
    addChecked(historycount, 1);
    form.risklab.caption = QStringLiteral("At Risk  ") + decimal(atrisk);

    // Four aces, each as likely as the others; the generator is stirred before every draw.
    platform.randomize();
    int card = static_cast<int>(std::floor(platform.rnd() * 4)) + 1;
    if (card < 1) card = 1;
    if (card > 4) card = 4;

    placehistory(form.historypic, historycount, card);
    form.piccardholder.picture = {PicList::imagelistcards, cardface(card), 0};
    platform.doevents();
    return card;
}

}  // namespace zel
