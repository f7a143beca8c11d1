#include "core/players/statistics.h"

#include <cmath>

#include "core/machine/numeric.h"

namespace zel {

namespace {
// Captions that carry a figure (games played, and after a delete).
const QString currentplayerlong = QStringLiteral("Current Player   ");
const QString gameslong = QStringLiteral("Games Played            ");
const QString wagerlong = QStringLiteral("Total Wagered           ");
const QString totalwonlong = QStringLiteral("Total Won                   ");
const QString winloselong = QStringLiteral("Winning/Losing           ");
const QString returnedlong = QStringLiteral("Returned To Player     % ");
const QString investedlong = QStringLiteral("Total Invested             ");

struct BareCaptions {
    QString games, wager, totalwon, winlose, returned, invested;
};
// Captions without a figure, when no game has been played yet.
const BareCaptions bareopening{
    QStringLiteral("Games Played      "),      QStringLiteral("Total Wagered     "),
    QStringLiteral("Total Won      "),         QStringLiteral("Winning/Losing     "),
    QStringLiteral("Returned To Player     "), QStringLiteral("Total Invested      "),
};
const BareCaptions bareslotchoice{
    QStringLiteral("Games Played          "), QStringLiteral("Total Wagered         "),
    QStringLiteral("Total Won          "),    QStringLiteral("Winning/Losing      "),
    QStringLiteral("Returned To Player "),    QStringLiteral("Total Invested     "),
};
}  // namespace

QString displayname(const Player& player) { return player.currentplayer.toUpper(); }

bool winninglosing(const Player& player, int32_t& out) {
    return setChecked(out, int64_t(player.bank) - int64_t(player.amountinvested));
}

bool returnedtoplayer(const Player& player, int32_t& out) {
    if (player.wager == 0) return false;
    const double percent = std::floor(double(player.total) / double(player.wager) * 100.0);
    if (!std::isfinite(percent) || percent < -2147483648.0 || percent > 2147483647.0) return false;
    return setChecked(out, static_cast<int64_t>(percent));
}

void showstatistics(OptionsForm& form, const Player& player, StatisticsMoment moment) {
    const QString name = displayname(player);
    if (player.games == 0) {
        const BareCaptions& bare = moment == StatisticsMoment::opening ? bareopening : bareslotchoice;
        form.lblcurrentplayer.caption = QStringLiteral("Current Player    ") + name;
        form.lblgames.caption = bare.games;
        form.lblwager.caption = bare.wager;
        form.lbltotalwon.caption = bare.totalwon;
        form.lblwinlose.caption = bare.winlose;
        form.lblreturned.caption = bare.returned;
        form.lblinvested.caption = bare.invested;
        return;
    }
    form.lblcurrentplayer.caption =
        (moment == StatisticsMoment::opening ? QStringLiteral("Current Player    ") : currentplayerlong) + name;
    form.lblgames.caption = gameslong + decimal(player.games);
    form.lblwager.caption = wagerlong + decimal(player.wager);
    form.lbltotalwon.caption = totalwonlong + decimal(player.total);
    int32_t figure = 0;
    if (winninglosing(player, figure)) form.lblwinlose.caption = winloselong + decimal(figure);
    if (returnedtoplayer(player, figure)) form.lblreturned.caption = returnedlong + decimal(figure);
    form.lblinvested.caption = investedlong + decimal(player.amountinvested);
}

void showdeleted(OptionsForm& form, const Player& player) {
    form.lblcurrentplayer.caption = currentplayerlong + displayname(player);
    form.lblgames.caption = gameslong + decimal(0);
    form.lblwager.caption = wagerlong + decimal(0);
    form.lbltotalwon.caption = totalwonlong + decimal(0);
    form.lblwinlose.caption = winloselong + decimal(0);
    form.lblreturned.caption = returnedlong;
    form.lblinvested.caption = investedlong + decimal(0);
}

void shownameentry(OptionsForm& form, const Player& player) {
    form.lblcurrentplayer.caption = QStringLiteral("Current Player  ") + displayname(player);
}

}  // namespace zel
