#include "core/history/journal.h"

#include "core/machine/zel.h"
#include "core/players/playerstore.h"

namespace zel {

SpinRecord Journal::spinof(const Zel& z) {
    SpinRecord s;
    for (int r = 1; r <= reelcount; ++r) s.stops[size_t(r - 1)] = z.reelstop[r];
    s.held = {false, z.heldreel2 > 0, z.heldreel3 > 0, z.heldreel4 > 0, false};
    // The line pays again from the tallies: only reel 1's own symbol can make a run on a line.
    for (int L = 1; L <= z.linesplayed && L <= numlines; ++L) {
        if (z.linecount[L] < 2) continue;
        for (const Symbol sym : evaluationorder) {
            const int run = runlength(z.linetally[int(sym)][L], sym == Symbol::badge);
            if (run == 0) continue;
            s.lines.push_back({int16_t(L), sym, int16_t(run), int32_t(z.betperline) * linepay[int(sym)][run]});
            break;
        }
    }
    s.scatters = z.scattercount;
    const int count = z.scattercount < 0 || z.scattercount > 5 ? 0 : z.scattercount;
    s.scatterpay = int32_t(scatterpay[count]) * z.stake();
    s.multiplier = z.freespinsplayed > 0 ? z.freespinmultiplier : int16_t(1);
    s.win = z.currentwin;
    return s;
}

int Journal::slot() const { return slotnumber(player.playerslot); }

void Journal::spinstands(const Zel& z) {
    if (!book.enabled()) return;
    if (z.freespinsplayed > 0) {
        if (inprogress) inprogress->freespins.push_back(spinof(z));
        return;
    }
    GameRecord g;
    g.machinepay = player.machinepay;
    g.linesplayed = z.linesplayed;
    g.betperline = z.betperline;
    g.stake = z.stake();
    g.spin = spinof(z);
    inprogress = std::move(g);
    newest.reset();   // a new game: the last one's win can no longer be gambled
}

void Journal::settled(int32_t paid, int32_t featuretotal) {
    if (!book.enabled() || !inprogress) return;
    GameRecord g = std::move(*inprogress);
    inprogress.reset();
    g.timems = platform.nowms();
    g.featuretotal = featuretotal;
    g.win = paid;
    g.credit = player.bank;
    book.add(slot(), g);
    newest = std::move(g);
}

void Journal::gamblestarts(int32_t stake) {
    if (!newest) return;
    GambleRecord gamble;
    gamble.stake = stake;
    newest->gamble = gamble;
}

void Journal::card(int card, GambleBet bet, bool won, int32_t atrisk) {
    if (!newest || !newest->gamble) return;
    newest->gamble->cards.push_back({int16_t(card), bet, won, atrisk});
}

void Journal::gambleends(bool collected, int32_t amount) {
    if (!newest || !newest->gamble) return;
    newest->gamble->collected = collected;
    newest->gamble->amount = amount;
    newest->credit = player.bank;
    book.amendnewest(slot(), *newest);
    newest.reset();   // one gamble a game
}

void Journal::resumefeature(const GameRecord& game) {
    if (!book.enabled()) return;
    inprogress = game;
    newest.reset();
}

void Journal::resumegamble(const GameRecord& game) {
    if (!book.enabled()) return;
    newest = game;
    inprogress.reset();
}

void Journal::open() {
    if (book.enabled()) book.games(slot());
}

void Journal::clear() {
    inprogress.reset();
    newest.reset();
    if (book.enabled()) book.clear(slot());
}

}  // namespace zel
