// The five reel stops: each draws (or holds) a stop and adds what its three symbols mean for every line.
#include <array>
#include <cmath>

#include "core/machine/zel.h"

namespace zel {

namespace {

// The lines whose cell on a reel lies in a row, read off the line shapes.
struct RowList {
    int16_t count = 0;
    int16_t lines[numlines] = {};
};

constexpr std::array<std::array<RowList, 3>, reelcount + 1> makerowlists() {
    std::array<std::array<RowList, 3>, reelcount + 1> lists{};
    for (int r = 1; r <= reelcount; ++r)
        for (int L = 1; L <= numlines; ++L) {
            RowList& list = lists[r][lineshape[L][r - 1]];
            list.lines[list.count++] = int16_t(L);
        }
    return lists;
}

constexpr auto rowlist = makerowlists();

// Int(Rnd * 22) + 1, kept inside 1..22 whatever the generator hands back.
int16_t drawstop(double r) {
    const int s = static_cast<int>(std::floor(r * stopcount)) + 1;
    return int16_t(s < 1 ? 1 : s > stopcount ? stopcount : s);
}

}  // namespace

void Zel::clearspin() {
    for (int r = 1; r <= reelcount; ++r) scattercell[r] = wildcell[r] = 0;
    scattercount = 0;
    for (auto& tally : linetally)
        for (int L = 1; L <= numlines; ++L) tally[L] = 0;
    for (int L = 1; L <= numlines; ++L) wildtag[L] = 0;
}

void Zel::applystop(int r) {
    const int s = reelstop[r];
    if (s < 1 || s > stopcount) return;  // a reel that never stopped shows nothing to tally
    const int16_t w = reelweight[r];
    for (int row = 0; row < 3; ++row) {
        const Symbol sym = reelstrip[r - 1][s - 1 + row];
        const RowList& list = rowlist[r][row];
        const int16_t cell = windowcell[r][row];
        if (sym == Symbol::mountain) {
            ++scattercount;
            scattercell[r] = cell;
        } else if (sym == Symbol::eagle) {
            for (int i = 0; i < list.count; ++i) {
                const int L = list.lines[i];
                for (auto& tally : linetally) tally[L] += w;
                wildtag[L] = w;
            }
            wildcell[r] = cell;
            if (r == 2) holdreel2 = 1;
            if (r == 3) holdreel3 = 1;
            if (r == 4) holdreel4 = 1;
        } else {
            auto& tally = linetally[static_cast<int>(sym)];
            for (int i = 0; i < list.count; ++i) tally[list.lines[i]] += w;
        }
    }
}

void Zel::drawreel(int r) {
    platform.randomize();
    reelstop[r] = drawstop(platform.rnd());
}

void Zel::stopreel1() {
    form.doublebutton.enabled = false;
    form.pannomoney.visible = false;
    stoppresentation();
    form.timerwild.enabled = false;

    clearspin();
    form.Timerrespin.enabled = false;

    clearwinningline();
    for (int i = 1; i <= 15; ++i) {
        form.flasher[i].visible = false;
        form.flasher[i].picture = {PicList::ImageList1, 26, 0};
    }
    platform.doevents();

    drawreel(1);
    applystop(1);
    reeltop[1] = -1500 * reelstop[1];
    stopreel2();
}

void Zel::stopreel2() {
    if (holdreel2 > 0) heldreel2 = 1;
    else drawreel(2);
    applystop(2);
    reeltop[2] = -1500 * reelstop[2];
    stopreel3();
}

void Zel::stopreel3() {
    if (holdreel3 > 0) heldreel3 = 1;
    else drawreel(3);
    applystop(3);
    reeltop[3] = -1500 * reelstop[3];
    stopreel4();
}

void Zel::stopreel4() {
    if (holdreel4 > 0) heldreel4 = 1;
    else drawreel(4);
    applystop(4);
    reeltop[4] = -1500 * reelstop[4];
    stopreel5();
}

void Zel::stopreel5() {
    drawreel(5);
    applystop(5);
    reeltop[5] = -1500 * reelstop[5];
    evaluatespin();
}

}  // namespace zel
