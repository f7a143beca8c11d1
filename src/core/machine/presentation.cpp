// The winning-line presentation: each winning line in turn is drawn in its colour, its tag
// blinks, and the symbols of its paying run blink in their cells while a wild in the run stays lit.
#include "core/machine/linetable.h"
#include "core/machine/zel.h"

namespace zel {

namespace {
constexpr int ticksperline = 5;
constexpr int pausems = 150;
}  // namespace

void Zel::Timer1_Timer() {
    const int played = linesplayed < 0 ? 0 : linesplayed > numlines ? numlines : linesplayed;
    int winning = 0;
    for (int i = 1; i <= played; ++i)
        if (winlines[i] >= 1) ++winning;
    if (winning == 0) {
        form.Timer1.enabled = false;
        return;
    }

    addChecked(lineticks, 1);
    addChecked(flashphase, 1);

    // Settle on the line to show: five ticks each, ascending, wrapping after the last line played.
    // A winning line exists among 1..played, so this ends within two passes.
    for (;;) {
        if (loopindex > played || loopindex < 1) {
            loopindex = 1;
            lineticks = 1;
        }
        if (winlines[loopindex] == 0) {
            ++loopindex;
            lineticks = 1;
            continue;
        }
        if (lineticks > ticksperline) {
            ++loopindex;
            lineticks = 1;
            continue;
        }
        break;
    }

    // The phase alternates and is dark on a line's last tick, so the next line starts clean.
    if (flashphase > 1) flashphase = 0;
    if (lineticks == ticksperline) flashphase = 0;

    const int n = winlines[loopindex];
    if (n >= 1 && n <= numlines) {
        const LineLook& look = linetable[n];
        for (int i = 1; i <= 6; ++i) {
            LineControl& seg = form.Lineflash[i];
            const Segment& s = look.segments[i - 1];
            seg.x1 = s.x1;
            seg.y1 = s.y1;
            seg.x2 = s.x2;
            seg.y2 = s.y2;
            seg.bordercolor = look.colour;
            seg.visible = flashphase != 0;
        }
        form.lin[n].visible = flashphase != 1;

        const int run = linecount[loopindex];
        if (run >= 2 && run <= reelcount) {
            for (int r = 1; r <= run; ++r) {
                const int cell = look.cells[r - 1];
                form.flasher[cell].visible = wildcell[r] == cell || flashphase != 0;
            }
        }
    }

    platform.doevents();
    platform.wait(pausems);
}

}  // namespace zel
