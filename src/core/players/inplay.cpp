#include "core/players/inplay.h"

#include <algorithm>
#include <initializer_list>
#include <limits>

#include <QStringList>

#include "core/history/gamerecordjson.h"
#include "core/machine/zel.h"
#include "core/players/playerstore.h"

namespace zel {

namespace {
const QString featureplay = QStringLiteral("feature");
const QString gambleplay = QStringLiteral("gamble");

template <size_t N>
QString numberlist(const std::array<int16_t, N>& values) {
    QStringList parts;
    for (const int16_t v : values) parts << QString::number(v);
    return parts.join(QLatin1Char(','));
}

template <size_t N>
bool readlist(const QString& text, std::array<int16_t, N>& out, int low, int high) {
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != qsizetype(N)) return false;
    std::array<int16_t, N> read{};
    for (size_t i = 0; i < N; ++i) {
        bool ok = false;
        const int v = parts[qsizetype(i)].trimmed().toInt(&ok);
        if (!ok || v < low || v > high) return false;
        read[i] = int16_t(v);
    }
    out = read;
    return true;
}

bool oneof(int value, std::initializer_list<int> allowed) {
    return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

// A feature whose game could not be read still goes into the history when it is collected, as a
// game of its lines and bet, so that the history and the record keep agreeing.
GameRecord featuregame(const InPlay& p, int16_t machinepay) {
    GameRecord g;
    g.machinepay = machinepay;
    g.linesplayed = p.linesplayed;
    g.betperline = p.betperline;
    g.stake = int32_t(p.linesplayed) * p.betperline;
    g.spin.stops = p.reelstops;
    return g;
}
}  // namespace

std::optional<InPlay> inplayof(const Zel& z) {
    if (z.freespins >= 1) {
        InPlay p;
        p.kind = InPlay::Kind::feature;
        p.freespins = z.freespins;
        p.freespinsplayed = z.freespinsplayed;
        p.freespintotal = z.freespintotal;
        p.freespinmultiplier = z.freespinmultiplier;
        p.linesplayed = z.linesplayed;
        p.betperline = z.betperline;
        for (int r = 1; r <= 5; ++r) p.reelstops[size_t(r - 1)] = std::clamp<int16_t>(z.reelstop[r], 1, 22);
        p.holds = {int16_t(z.holdreel2 > 0), int16_t(z.holdreel3 > 0), int16_t(z.holdreel4 > 0)};
        p.game = z.journal.gameinprogress();
        return p;
    }
    if (z.form.pandouble.visible && z.gamblestake > 0) {
        InPlay p;
        p.kind = InPlay::Kind::gamble;
        p.atrisk = z.atrisk;
        p.gamblestake = z.gamblestake;
        p.game = z.journal.newestgame();
        return p;
    }
    return std::nullopt;
}

Platform::Section inplaysectionof(const std::optional<InPlay>& play, int slot) {
    Platform::Section section{inplaysection(slot), {}, true};
    if (!play) return section;
    const auto put = [&section](const char* key, const QString& value) {
        section.values.append({QLatin1String(key), value});
    };
    if (play->kind == InPlay::Kind::feature) {
        put("play", featureplay);
        put("freespins", decimal(play->freespins));
        put("freespinsplayed", decimal(play->freespinsplayed));
        put("freespintotal", decimal(play->freespintotal));
        put("freespinmultiplier", decimal(play->freespinmultiplier));
        put("linesplayed", decimal(play->linesplayed));
        put("betperline", decimal(play->betperline));
        put("reelstops", numberlist(play->reelstops));
        put("holds", numberlist(play->holds));
    } else {
        put("play", gambleplay);
        put("atrisk", decimal(play->atrisk));
        put("gamblestake", decimal(play->gamblestake));
    }
    if (play->game) put("game", QString::fromUtf8(gamebytes(*play->game)));
    return section;
}

std::optional<InPlay> readinplay(Platform& platform, int slot, QString* fault) {
    const QString section = inplaysection(slot);
    const auto get = [&](const char* key) { return platform.getsetting(section, QLatin1String(key)); };
    const QString kind = get("play");
    if (kind.isEmpty()) return std::nullopt;

    InPlay p;
    QString why;
    // Each value must convert and lie where the game can have put it; the first that does not is named.
    const auto number = [&](const char* key, auto& target, int64_t low, int64_t high, std::initializer_list<int> only = {}) {
        if (!why.isEmpty()) return;
        auto value = target;
        if (readnumber(get(key), value) && value >= low && value <= high && (only.size() == 0 || oneof(value, only)))
            target = value;
        else
            why = QStringLiteral("%1 = \"%2\"").arg(QLatin1String(key), get(key));
    };
    constexpr int64_t most16 = std::numeric_limits<int16_t>::max(), most32 = std::numeric_limits<int32_t>::max();
    if (kind == featureplay) {
        p.kind = InPlay::Kind::feature;
        number("freespins", p.freespins, 1, most16);
        number("freespinsplayed", p.freespinsplayed, 1, p.freespins);
        number("freespintotal", p.freespintotal, 0, most32);
        number("freespinmultiplier", p.freespinmultiplier, 1, 10, {1, 2, 3, 5, 10});
        number("linesplayed", p.linesplayed, 1, 25, {1, 5, 10, 15, 25});
        number("betperline", p.betperline, 1, 20, {1, 2, 3, 5, 10, 20});
        if (why.isEmpty() && !readlist(get("reelstops"), p.reelstops, 1, 22))
            why = QStringLiteral("reelstops = \"%1\"").arg(get("reelstops"));
        if (why.isEmpty() && !readlist(get("holds"), p.holds, 0, 1)) why = QStringLiteral("holds = \"%1\"").arg(get("holds"));
    } else if (kind == gambleplay) {
        p.kind = InPlay::Kind::gamble;
        number("atrisk", p.atrisk, 1, most32);
        number("gamblestake", p.gamblestake, 1, most32);
    } else {
        why = QStringLiteral("play = \"%1\"").arg(kind);
    }
    if (!why.isEmpty()) {
        if (fault) *fault = QStringLiteral("[%1] %2").arg(section, why);
        return std::nullopt;
    }

    const QString game = get("game");
    GameRecord g;
    QString gamewhy;
    if (!game.isEmpty() && readgame(game.toUtf8(), g, &gamewhy)) {
        p.game = std::move(g);
    } else if (!game.isEmpty()) {
        // The money in play counts for more than the picture of the game: it plays on all the same.
        if (fault) *fault = QStringLiteral("[%1] game: %2").arg(section, gamewhy);
        if (p.kind == InPlay::Kind::feature) p.game = featuregame(p, realisticpay);
    }
    return p;
}

}  // namespace zel
