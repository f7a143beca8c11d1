#pragma once
// A platform without a window: a seeded generator, waits that take no time, no sound,
// message boxes answered OK, settings kept in memory, and no history. The simulator and the
// benchmarks play the real handlers on it.
#include <cstdint>

#include <QHash>
#include <QString>

#include "core/platform/gamerandom.h"
#include "core/platform/platform.h"

namespace zel {

class HeadlessPlatform : public Platform {
public:
    explicit HeadlessPlatform(uint64_t seed) : rng(seed) {}

    void randomize() override { ++clock; rng.mixclock(clock); }
    double rnd() override { return rng.next(); }
    void wait(int ms) override { waitedms += ms; }
    void doevents() override {}
    void playclip(int, bool) override {}
    MsgResult msgbox(const QString&, const QString&, MsgIcon, MsgButtons buttons) override {
        return buttons == MsgButtons::ok ? MsgResult::ok : MsgResult::no;
    }
    QString getsetting(const QString& section, const QString& key) override {
        return values.value(section + QLatin1Char('/') + key);
    }
    void commit(const QList<Section>& sections) override {
        for (const Section& section : sections) {
            if (section.whole) {
                const QString prefix = section.name + QLatin1Char('/');
                values.removeIf([&prefix](const auto& entry) { return entry.key().startsWith(prefix); });
            }
            for (const auto& [key, value] : section.values) values.insert(section.name + QLatin1Char('/') + key, value);
        }
    }
    void flush() override {}
    QStringList storenews() override { return {}; }
    void keeporiginal(const QString&) override {}
    QString storelocation() override { return QStringLiteral("(memory)"); }
    HistoryStore* history() override { return nullptr; }
    qint64 nowms() override { return int64_t(clock); }
    int logicaldpi() override { return 96; }
    void changedisplay(int, int) override {}
    void endprogram() override { ended = true; }

    GameRandom rng;
    uint64_t clock = 0;     // a counter stands in for the clock, so a seed replays exactly
    int64_t waitedms = 0;
    bool ended = false;
    QHash<QString, QString> values;
};

}  // namespace zel
