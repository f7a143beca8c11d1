#include "core/history/gamerecordjson.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/machine/paytables.h"

namespace zel {

namespace {

const QString formatname = QStringLiteral("zelslots game history");
const QString cardnames[5] = {{}, QStringLiteral("hearts"), QStringLiteral("clubs"), QStringLiteral("diamonds"),
                              QStringLiteral("spades")};
const QString betnames[6] = {QStringLiteral("red"), QStringLiteral("black"), QStringLiteral("hearts"),
                             QStringLiteral("clubs"), QStringLiteral("diamonds"), QStringLiteral("spades")};

QJsonArray numbers(const std::array<int16_t, reelcount>& values) {
    QJsonArray a;
    for (int16_t v : values) a.append(v);
    return a;
}

QJsonObject spinjson(const SpinRecord& s) {
    QJsonArray held, window, lines;
    for (bool h : s.held) held.append(h);
    for (const auto& reel : windowof(s.stops)) {
        QJsonArray cells;
        for (Symbol sym : reel) cells.append(QLatin1String(symbolname[int(sym)]));
        window.append(cells);
    }
    for (const PaidLine& p : s.lines)
        lines.append(QJsonObject{{"line", p.line}, {"symbol", QLatin1String(symbolname[int(p.symbol)])},
                                 {"run", p.run}, {"pay", p.pay}});
    return {{"stops", numbers(s.stops)}, {"held", held},          {"window", window},
            {"lines", lines},            {"scatters", s.scatters}, {"scatterpay", s.scatterpay},
            {"multiplier", s.multiplier}, {"win", s.win}};
}

QJsonObject gamblejson(const GambleRecord& g) {
    QJsonArray cards;
    for (const CardRecord& c : g.cards)
        cards.append(QJsonObject{{"card", cardname(c.card)}, {"bet", betname(c.bet)}, {"won", c.won}, {"atrisk", c.atrisk}});
    return {{"stake", g.stake},
            {"cards", cards},
            {"result", g.collected ? QStringLiteral("collected") : QStringLiteral("lost")},
            {"amount", g.amount}};
}

QJsonObject gamejson(const GameRecord& g) {
    QJsonArray freespins;
    for (const SpinRecord& s : g.freespins) freespins.append(spinjson(s));
    QJsonObject o{{"time", QDateTime::fromMSecsSinceEpoch(g.timems, Qt::UTC).toString(Qt::ISODateWithMs)},
                  {"machinepay", g.machinepay},
                  {"linesplayed", g.linesplayed},
                  {"betperline", g.betperline},
                  {"stake", g.stake},
                  {"spin", spinjson(g.spin)},
                  {"freespins", freespins},
                  {"featuretotal", g.featuretotal},
                  {"win", g.win},
                  {"credit", g.credit}};
    if (g.gamble) o.insert("gamble", gamblejson(*g.gamble));
    return o;
}

// Reading: every field must be there, of its kind and in its range; the first fault names itself.
struct Reader {
    QString fault;

    bool fail(const QString& what) {
        if (fault.isEmpty()) fault = what;
        return false;
    }
    template <class T>
    bool whole(const QJsonObject& o, const char* key, T low, T high, T& out) {
        const QJsonValue v = o.value(QLatin1String(key));
        const double d = v.toDouble(std::numeric_limits<double>::quiet_NaN());
        if (!v.isDouble() || d != std::floor(d) || d < double(low) || d > double(high))
            return fail(QStringLiteral("\"%1\" is missing or out of range").arg(QLatin1String(key)));
        out = static_cast<T>(d);
        return true;
    }
    template <class T>
    bool oneof(const QJsonObject& o, const char* key, std::initializer_list<T> allowed, T& out) {
        if (!whole<T>(o, key, std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), out)) return false;
        return std::find(allowed.begin(), allowed.end(), out) != allowed.end() ||
               fail(QStringLiteral("\"%1\" has a value the game never uses").arg(QLatin1String(key)));
    }
    template <size_t N>
    bool named(const QJsonValue& v, const QString (&names)[N], size_t first, size_t& out) {
        for (size_t i = first; i < N; ++i)
            if (v.isString() && v.toString() == names[i]) {
                out = i;
                return true;
            }
        return fail(QStringLiteral("\"%1\" is not a name the game uses").arg(v.toString()));
    }

    bool symbol(const QJsonValue& v, Symbol& out, bool linesymbol) {
        for (int s = 0; s < (linesymbol ? linesymbolcount : symbolcount); ++s)
            if (v.isString() && v.toString() == QLatin1String(symbolname[s])) {
                out = Symbol(s);
                return true;
            }
        return fail(QStringLiteral("a symbol the game does not have"));
    }

    bool spin(const QJsonValue& value, SpinRecord& s) {
        const QJsonObject o = value.toObject();
        const QJsonArray stops = o.value("stops").toArray(), held = o.value("held").toArray();
        const QJsonArray window = o.value("window").toArray(), lines = o.value("lines").toArray();
        if (!value.isObject() || stops.size() != reelcount || held.size() != reelcount || window.size() != reelcount)
            return fail(QStringLiteral("a spin without its five reels"));
        for (int r = 0; r < reelcount; ++r) {
            const double stop = stops[r].toDouble(-1);
            if (!stops[r].isDouble() || stop != std::floor(stop) || stop < 1 || stop > stopcount)
                return fail(QStringLiteral("a reel stop outside 1 to 22"));
            s.stops[size_t(r)] = int16_t(stop);
            if (!held[r].isBool()) return fail(QStringLiteral("a reel hold that is not true or false"));
            s.held[size_t(r)] = held[r].toBool();
        }
        // The window is written for people and tools; it must agree with the stops.
        const SymbolWindow shown = windowof(s.stops);
        for (int r = 0; r < reelcount; ++r) {
            const QJsonArray cells = window[r].toArray();
            for (int row = 0; row < 3; ++row) {
                Symbol sym = Symbol::J;
                if (cells.size() != 3 || !symbol(cells[row], sym, false) || sym != shown[size_t(r)][size_t(row)])
                    return fail(QStringLiteral("a window that the stops do not show"));
            }
        }
        for (const QJsonValue& lv : lines) {
            const QJsonObject l = lv.toObject();
            PaidLine p;
            if (!whole<int16_t>(l, "line", 1, numlines, p.line) || !symbol(l.value("symbol"), p.symbol, true) ||
                !whole<int16_t>(l, "run", 2, 5, p.run) || !whole<int32_t>(l, "pay", 0, std::numeric_limits<int32_t>::max(), p.pay))
                return false;
            s.lines.push_back(p);
        }
        return whole<int16_t>(o, "scatters", 0, reelcount, s.scatters) &&
               whole<int32_t>(o, "scatterpay", 0, std::numeric_limits<int32_t>::max(), s.scatterpay) &&
               oneof<int16_t>(o, "multiplier", {1, 2, 3, 5, 10}, s.multiplier) &&
               whole<int32_t>(o, "win", 0, std::numeric_limits<int32_t>::max(), s.win);
    }

    bool gamble(const QJsonObject& o, GambleRecord& g) {
        const QJsonValue result = o.value("result");
        if (!result.isString() || (result.toString() != QLatin1String("collected") && result.toString() != QLatin1String("lost")))
            return fail(QStringLiteral("a gamble without its result"));
        g.collected = result.toString() == QLatin1String("collected");
        for (const QJsonValue& cv : o.value("cards").toArray()) {
            const QJsonObject c = cv.toObject();
            CardRecord card;
            size_t cardindex = 0, bet = 0;
            if (!named(c.value("card"), cardnames, 1, cardindex) || !named(c.value("bet"), betnames, 0, bet) ||
                !c.value("won").isBool() || !whole<int32_t>(c, "atrisk", 0, std::numeric_limits<int32_t>::max(), card.atrisk))
                return fail(QStringLiteral("a card the gamble cannot have drawn"));
            card.card = int16_t(cardindex);
            card.bet = GambleBet(bet);
            card.won = c.value("won").toBool();
            g.cards.push_back(card);
        }
        return whole<int32_t>(o, "stake", 0, std::numeric_limits<int32_t>::max(), g.stake) &&
               whole<int32_t>(o, "amount", 0, std::numeric_limits<int32_t>::max(), g.amount);
    }

    bool game(const QJsonValue& value, GameRecord& g) {
        const QJsonObject o = value.toObject();
        const QDateTime time = QDateTime::fromString(o.value("time").toString(), Qt::ISODateWithMs);
        if (!value.isObject() || !time.isValid()) return fail(QStringLiteral("a game without its time"));
        g.timems = time.toMSecsSinceEpoch();
        if (!oneof<int16_t>(o, "machinepay", {4, 5, 6}, g.machinepay) ||
            !oneof<int16_t>(o, "linesplayed", {1, 5, 10, 15, 25}, g.linesplayed) ||
            !oneof<int16_t>(o, "betperline", {1, 2, 3, 5, 10, 20}, g.betperline) ||
            !whole<int32_t>(o, "stake", 0, std::numeric_limits<int32_t>::max(), g.stake) || !spin(o.value("spin"), g.spin) ||
            !whole<int32_t>(o, "featuretotal", 0, std::numeric_limits<int32_t>::max(), g.featuretotal) ||
            !whole<int32_t>(o, "win", 0, std::numeric_limits<int32_t>::max(), g.win) ||
            !whole<int32_t>(o, "credit", std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max(), g.credit))
            return false;
        if (g.stake != int32_t(g.linesplayed) * g.betperline) return fail(QStringLiteral("a stake that is not lines times bet"));
        for (const QJsonValue& fv : o.value("freespins").toArray()) {
            SpinRecord s;
            if (!spin(fv, s)) return false;
            g.freespins.push_back(s);
        }
        if (o.contains("gamble")) {
            GambleRecord gamble;
            if (!this->gamble(o.value("gamble").toObject(), gamble)) return false;
            g.gamble = gamble;
        }
        return true;
    }
};

}  // namespace

SymbolWindow windowof(const std::array<int16_t, reelcount>& stops) {
    SymbolWindow w{};
    for (int r = 0; r < reelcount; ++r) {
        const int s = std::clamp<int>(stops[size_t(r)], 1, stopcount);
        for (int row = 0; row < 3; ++row) w[size_t(r)][size_t(row)] = reelstrip[r][s - 1 + row];
    }
    return w;
}

QString cardname(int card) { return card >= 1 && card <= 4 ? cardnames[card] : QString(); }
QString betname(GambleBet bet) { return betnames[int(bet)]; }

QByteArray gamebytes(const GameRecord& game) { return QJsonDocument(gamejson(game)).toJson(QJsonDocument::Compact); }

QByteArray historyjson(int slot, const std::vector<QByteArray>& games) {
    // The keys in the order a JSON writer puts them, so the file reads the same either way.
    QByteArray out = "{\"format\":\"" + formatname.toUtf8() + "\",\"games\":[";
    for (size_t i = 0; i < games.size(); ++i) {
        if (i > 0) out += ',';
        out += games[i];
    }
    return out + "],\"slot\":" + QByteArray::number(slot) + ",\"version\":" + QByteArray::number(historyversion) + "}\n";
}

QByteArray historyjson(int slot, const std::vector<GameRecord>& games) {
    std::vector<QByteArray> encoded;
    encoded.reserve(games.size());
    for (const GameRecord& g : games) encoded.push_back(gamebytes(g));
    return historyjson(slot, encoded);
}

bool readgame(const QByteArray& bytes, GameRecord& game, QString* why) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    Reader r;
    GameRecord read;
    if (error.error != QJsonParseError::NoError || !doc.isObject()) r.fail(QStringLiteral("not JSON: ") + error.errorString());
    else r.game(doc.object(), read);
    if (!r.fault.isEmpty()) {
        if (why) *why = r.fault;
        return false;
    }
    game = std::move(read);
    return true;
}

bool readhistory(const QByteArray& bytes, int slot, std::vector<GameRecord>& games, QString* why) {
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    Reader r;
    const QJsonObject root = doc.object();
    if (error.error != QJsonParseError::NoError || !doc.isObject()) r.fail(QStringLiteral("not JSON: ") + error.errorString());
    else if (root.value("format").toString() != formatname) r.fail(QStringLiteral("not a game history of this game"));
    else if (root.value("version").toInt(-1) != historyversion) r.fail(QStringLiteral("a history of another version"));
    else if (root.value("slot").toInt(-1) != slot) r.fail(QStringLiteral("the history of another player slot"));
    else if (!root.value("games").isArray()) r.fail(QStringLiteral("no list of games"));
    std::vector<GameRecord> read;
    if (r.fault.isEmpty())
        for (const QJsonValue& gv : root.value("games").toArray()) {
            GameRecord g;
            if (!r.game(gv, g)) break;
            read.push_back(std::move(g));
        }
    if (!r.fault.isEmpty()) {
        if (why) *why = r.fault;
        return false;
    }
    games = std::move(read);
    return true;
}

}  // namespace zel
