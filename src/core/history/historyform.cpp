#include "core/history/historyform.h"

#include <QDateTime>

#include "core/history/gamerecordjson.h"
#include "core/machine/zel.h"
#include "core/players/playerstore.h"

namespace zel {

namespace {
QString symbolword(Symbol s) { return QString::fromLatin1(symbolname[int(s)]); }

QString capitalised(const QString& word) { return word.left(1).toUpper() + word.mid(1); }

const std::vector<GameRecord> nogames;
}  // namespace

QString spindescription(const SpinRecord& spin) {
    QString text = spin.win > 0 ? QStringLiteral("won %1").arg(spin.win) : QStringLiteral("no win");
    if (spin.multiplier > 1) text += QStringLiteral(" (x%1)").arg(spin.multiplier);
    return text;
}

QString carddescription(const CardRecord& card) {
    const QString drawn = QStringLiteral("Ace of %1 on %2").arg(cardname(card.card), betname(card.bet));
    return card.won ? drawn + QStringLiteral(": won, %1 at risk").arg(card.atrisk) : drawn + QStringLiteral(": lost");
}

const std::vector<GameRecord>& Historyzel::games() const {
    const int slot = slotnumber(zel.player.playerslot);
    if (slot == 0 || !zel.journal.book.enabled()) return nogames;
    return zel.journal.book.games(slot);
}

int Historyzel::gameofrow(int row) const { return int(games().size()) - 1 - row; }
int Historyzel::rowofgame(int game) const { return int(games().size()) - 1 - game; }

const GameRecord* Historyzel::chosen() const {
    const int game = gameofrow(form.selected);
    return form.selected >= 0 && game >= 0 && game < int(games().size()) ? &games()[size_t(game)] : nullptr;
}

void Historyzel::Form_Load() {
    form.visible = true;
    form.rows.clear();
    const std::vector<GameRecord>& list = games();
    for (auto g = list.rbegin(); g != list.rend(); ++g) {
        HistoryRow row;
        row.when = QDateTime::fromMSecsSinceEpoch(g->timems).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        row.bet = QStringLiteral("%1 x %2").arg(g->linesplayed).arg(g->betperline);
        row.win = QString::number(g->win);
        row.credit = QString::number(g->credit);
        row.feature = g->feature();
        row.gamble = g->gamble.has_value();
        form.rows.push_back(row);
    }
    list_Click(form.rows.empty() ? -1 : 0);
}

void Historyzel::list_Click(int row) {
    form.selected = row >= 0 && row < int(form.rows.size()) ? row : -1;
    form.summary.clear();
    form.spinlines.clear();
    form.featurerows.clear();
    form.gamblerows.clear();
    if (const GameRecord* g = chosen()) describe(*g);
}

void Historyzel::describe(const GameRecord& g) {
    form.summary = QStringLiteral("%1 lines at %2 a line, stake %3: %4; credit after the game %5")
                       .arg(g.linesplayed)
                       .arg(g.betperline)
                       .arg(g.stake)
                       .arg(g.win > 0 ? QStringLiteral("paid %1").arg(g.win) : QStringLiteral("no win"))
                       .arg(g.credit);
    for (const PaidLine& p : g.spin.lines)
        form.spinlines.push_back(QStringLiteral("Line %1: %2 x %3 pays %4").arg(p.line).arg(capitalised(symbolword(p.symbol))).arg(p.run).arg(p.pay));
    if (g.spin.scatters >= 2)
        form.spinlines.push_back(QStringLiteral("%1 mountains pay %2").arg(g.spin.scatters).arg(g.spin.scatterpay));
    if (g.spin.scatters >= 3) form.spinlines.push_back(QStringLiteral("%1 mountains start free spins").arg(g.spin.scatters));
    if (form.spinlines.empty()) form.spinlines.push_back(QStringLiteral("Nothing paid"));

    for (size_t i = 0; i < g.freespins.size(); ++i)
        form.featurerows.push_back(QStringLiteral("Free spin %1: %2").arg(i + 1).arg(spindescription(g.freespins[i])));
    if (g.feature()) form.featurerows.push_back(QStringLiteral("Feature total %1").arg(g.featuretotal));

    if (g.gamble) {
        form.gamblerows.push_back(QStringLiteral("Gambled %1").arg(g.gamble->stake));
        for (const CardRecord& c : g.gamble->cards) form.gamblerows.push_back(carddescription(c));
        form.gamblerows.push_back(g.gamble->collected ? QStringLiteral("Collected %1").arg(g.gamble->amount)
                                                      : QStringLiteral("Lost %1").arg(g.gamble->amount));
    }
}

void Historyzel::Form_QueryUnload() {
    if (form.unloaded) return;
    zel.playclip(124);
    form.visible = false;
    form.unloaded = true;
    zel.form.enabled = true;
}

}  // namespace zel
