#include "core/machine/formmodel.h"

#include "core/machine/paytables.h"

namespace zel {

namespace {
// Line-number tags: line shown by each slot of the left and right columns, top to bottom.
constexpr int lefttags[13] = {6, 2, 4, 12, 11, 9, 1, 8, 10, 7, 5, 3, 13};
constexpr int righttags[13] = {14, 18, 25, 22, 21, 23, 26, 15, 17, 20, 16, 19, 24};
}  // namespace

ZelForm::ZelForm() {
    using namespace windowplaces;
    for (int r = 1; r <= reelcount; ++r) {
        Picture[r].left = reelleft[r];
        Picture[r].top = reeltop;
        Picture[r].width = reelwidth;
        Picture[r].height = reelheight;
        reel[r].width = 1500;
        reel[r].height = 29 * 1500;
        reel[r].top = -1500;
        for (int row = 0; row < 3; ++row) {
            Control& f = flasher[windowcell[r][row]];
            f.left = 0;
            f.top = 1500 * row;
            f.width = 1500;
            f.height = 1500;
            f.visible = false;
            f.picture = {PicList::ImageList1, 26, 0};
        }
    }
    for (int slot = 0; slot < 13; ++slot) {
        const int32_t top = 720 + 356 * slot;
        lin[lefttags[slot]] = Control{{}, true, true, {PicList::linepics, int16_t(lefttags[slot]), 0}, lefttagleft, top, tagwidth, 356};
        lin[righttags[slot]] = Control{{}, true, true, {PicList::linepics, int16_t(righttags[slot]), 0}, righttagleft, top, tagwidth, 356};
    }
    lin[26].picture.index = 1;

    pannomoney.visible = false;
    pannomoney.caption = QStringLiteral("Not enough credit !");
    doublebutton.enabled = false;
    takewin.visible = false;
    spinsleft.visible = false;
    LABTHISWIN.visible = false;
    LABTHISWIN.caption = QStringLiteral("This Win");
    Lblcurrentwin.visible = false;
    LABLASTBET.caption = QStringLiteral("Last Bet");

    pandouble.visible = false;
    pandouble.width = 3810;
    pandouble.height = 5250;
    piccardholder.picture = {PicList::imagelistcards, 5, 0};
    for (int i = 1; i <= 4; ++i) suitbet[i].picture = {PicList::imagelistcards, int16_t(i + 5), 0};
    for (int i = 1; i <= 5; ++i) historypic[i] = Control{{}, false, true, {}, historyslotleft[i], 3960, 495, 495};
    for (Control* picture : {&gamblewin, &gamblelose}) {
        picture->visible = false;
        picture->left = 700;
        picture->width = 1656;
        picture->height = 690;
    }
    Lblpasthistory.caption = QStringLiteral("past history");
}

}  // namespace zel
