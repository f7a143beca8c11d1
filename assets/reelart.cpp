// The symbol pictures and the five reel strips built from them.
#include "catalogue.h"
#include "generators.h"
#include "painting.h"
#include "symbolart.h"

namespace zel::art {

namespace {

// Strip position shown by reel cell c (0..28): cells 1..24 are positions 0..23, and the cells
// outside wrap around the strip so a rolling reel looks continuous.
int positionofcell(int cell) { return (cell - 1 + striplength) % striplength; }

}  // namespace

void writesymbols(AssetWriter& out) {
    QImage pictures[symbolcount];
    for (int s = 0; s < symbolcount; ++s) {
        pictures[s] = symbolpicture(static_cast<Symbol>(s));
        out.picture(assets::symbolpath(symbolname[s]), pictures[s], assets::symbolsize, assets::symbolsize);
    }
    const assets::NumberedSet& set = assets::reels;
    for (int reel = 1; reel <= set.count; ++reel) {
        QImage strip = blank(set.width, set.height);
        strip.fill(QColor(20, 24, 48));
        QPainter p(&strip);
        for (int cell = 0; cell < assets::reelcells; ++cell) {
            const Symbol s = reelstrip[reel - 1][positionofcell(cell)];
            p.drawImage(0, cell * assets::cellsize, pictures[static_cast<int>(s)]);
        }
        p.end();
        out.picture(assets::picturepath(set, reel), strip, set.width, set.height);
    }
}

}  // namespace zel::art
