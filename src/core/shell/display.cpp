#include "core/shell/display.h"

#include <cmath>
#include <cstdint>

#include "core/machine/numeric.h"

namespace zel {

bool IsScreenFontSmall(Player& player, Platform& platform) {
    player.screendpi = platform.logicaldpi();
    return player.screendpi == designdpi;
}

namespace {
// A pixel count as a whole 32-bit number, rounded half to even; false when it has none.
bool pixels(double value, int32_t& out) {
    if (!std::isfinite(value)) return false;
    const double rounded = std::nearbyint(value);
    if (rounded < -2147483648.0 || rounded > 2147483647.0) return false;
    return setChecked(out, static_cast<int64_t>(rounded));
}
}  // namespace

void changeres(Platform& platform, double width, double height) {
    int32_t w = 0, h = 0;
    if (!pixels(width, w) || !pixels(height, h)) return;
    platform.changedisplay(w, h);
}

void restoreres(Platform& platform) { platform.changedisplay(0, 0); }

}  // namespace zel
