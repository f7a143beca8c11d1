#include "math/historycheck.h"

#include <cmath>
#include <map>
#include <set>

#include <QJsonDocument>
#include <QJsonObject>

#include "math/par.h"

namespace zel::math {

namespace {
struct Exact {
    double rtp = 0, hit = 0;
};

// The exact figures of every (pay setting, lines) the games used: one enumeration for all lines.
std::map<std::pair<int, int>, Exact> exactfigures(const std::vector<GameRecord>& games) {
    std::set<int> lines;
    for (const GameRecord& g : games) lines.insert(g.linesplayed);
    std::map<std::pair<int, int>, Exact> exact;
    if (lines.empty()) return exact;
    for (const ParFigures& p : workoutpar(std::vector<int>(lines.begin(), lines.end())))
        for (const SettingFigures& s : p.settings) exact[{s.machinepay, p.lines}] = {s.rtp, s.hitfrequency};
    return exact;
}

QString percent(double x) { return QString::number(100 * x, 'f', 2) + QStringLiteral(" %"); }
QString deviations(double z) { return QString::number(z, 'f', 2) + QStringLiteral(" standard deviations"); }
}  // namespace

HistoryFigures checkhistory(const std::vector<GameRecord>& games) {
    HistoryFigures f;
    f.games = int64_t(games.size());
    if (games.empty()) return f;
    const auto exact = exactfigures(games);
    f.machinepay = games.front().machinepay;
    f.lines = games.front().linesplayed;
    double weighted = 0, sumdev = 0, sumdev2 = 0, hitexpected = 0, hitvariance = 0;
    for (const GameRecord& g : games) {
        const Exact e = exact.at({g.machinepay, g.linesplayed});
        f.staked += g.stake;
        f.paid += g.win;
        f.hits += g.win > 0 ? 1 : 0;
        f.features += g.feature() ? 1 : 0;
        if (g.machinepay != f.machinepay) f.machinepay = 0;
        if (g.linesplayed != f.lines) f.lines = 0;
        weighted += e.rtp * g.stake;
        // Each game's return per coin staked against what the machine returns on average.
        const double d = g.stake > 0 ? double(g.win) / g.stake - e.rtp : 0;
        sumdev += d;
        sumdev2 += d * d;
        hitexpected += e.hit;
        hitvariance += e.hit * (1 - e.hit);
        if (g.gamble) {
            ++f.gambles;
            f.gamblescollected += g.gamble->collected ? 1 : 0;
            f.gamblenet += g.gamble->collected ? int64_t(g.gamble->amount) - g.gamble->stake : -int64_t(g.gamble->stake);
        }
    }
    const double n = double(f.games);
    f.rtp = f.staked > 0 ? double(f.paid) / double(f.staked) : 0;
    f.exactrtp = f.staked > 0 ? weighted / double(f.staked) : 0;
    f.hitfrequency = double(f.hits) / n;
    f.exacthitfrequency = hitexpected / n;
    const double mean = sumdev / n;
    const double variance = f.games > 1 ? (sumdev2 - n * mean * mean) / (n - 1) : 0;
    f.enough = f.games >= 2 && variance > 0 && hitvariance > 0;
    if (f.enough) {
        f.rtpz = mean / std::sqrt(variance / n);
        f.hitz = (double(f.hits) - hitexpected) / std::sqrt(hitvariance);
    }
    return f;
}

QByteArray historyfiguresjson(const HistoryFigures& f, int slot, const QString& file) {
    const auto z = [&](double v) { return f.enough ? QJsonValue(v) : QJsonValue(QJsonValue::Null); };
    const QJsonObject o{{"slot", slot},
                        {"file", file},
                        {"games", double(f.games)},
                        {"staked", double(f.staked)},
                        {"paid", double(f.paid)},
                        {"rtp", f.rtp},
                        {"exact_rtp", f.exactrtp},
                        {"rtp_deviations", z(f.rtpz)},
                        {"hit_frequency", f.hitfrequency},
                        {"exact_hit_frequency", f.exacthitfrequency},
                        {"hit_deviations", z(f.hitz)},
                        {"features", double(f.features)},
                        {"machinepay", f.machinepay},
                        {"linesplayed", f.lines},
                        {"gambles", double(f.gambles)},
                        {"gambles_collected", double(f.gamblescollected)},
                        {"gamble_net", double(f.gamblenet)}};
    return QJsonDocument(o).toJson(QJsonDocument::Indented);
}

QString historyfigurestext(const HistoryFigures& f, int slot, const QString& file) {
    const auto row = [](const QString& label, const QString& value) {
        return QStringLiteral("  %1 %2\n").arg(label, -30).arg(value);
    };
    QString t = QStringLiteral("Player slot %1: %2 games recorded in %3\n").arg(slot).arg(f.games).arg(file);
    if (f.games == 0) return t;
    t += row(QStringLiteral("pay setting"), f.machinepay ? QString::number(f.machinepay) : QStringLiteral("mixed"));
    t += row(QStringLiteral("lines played"), f.lines ? QString::number(f.lines) : QStringLiteral("mixed"));
    t += row(QStringLiteral("return to player"),
             QStringLiteral("%1 (exact %2)").arg(percent(f.rtp), percent(f.exactrtp)));
    t += row(QStringLiteral("hit frequency"),
             QStringLiteral("%1 (exact %2)").arg(percent(f.hitfrequency), percent(f.exacthitfrequency)));
    if (f.enough) {
        t += row(QStringLiteral("return, from the exact figure"), deviations(f.rtpz));
        t += row(QStringLiteral("hit frequency, from the exact"), deviations(f.hitz));
        const bool behaving = std::fabs(f.rtpz) < 3 && std::fabs(f.hitz) < 3;
        t += row(QStringLiteral("verdict"), behaving ? QStringLiteral("within 3 standard deviations: behaving")
                                                     : QStringLiteral("more than 3 standard deviations off"));
    } else {
        t += row(QStringLiteral("deviations"), QStringLiteral("need at least two games with different returns"));
    }
    t += row(QStringLiteral("features"), QString::number(f.features));
    t += row(QStringLiteral("gambles (collected)"), QStringLiteral("%1 (%2), net %3").arg(f.gambles).arg(f.gamblescollected).arg(f.gamblenet));
    return t;
}

}  // namespace zel::math
