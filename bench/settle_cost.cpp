// What a settled game costs the window thread, and how soon it is on the disk. The game's own
// platform and store (settings file and history database on this machine's disk, every write
// synced), its history first filled with 1, 500 and 100,000 games; then games are played through
// play_Click. For each game it times, on the window thread, the hand-over of the record and of
// the history's game to the writer (what the player could ever wait for), and the time from the
// game's settling until the writer has it synced on the disk. Goals: a median under 0.5 ms on the
// window thread that does not grow with the games kept, and a median under 50 ms to the disk.
// Options: --games N (games timed at each size, default 200), --sizes 1,500,100000.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

#include <QApplication>
#include <QTemporaryDir>

#include "core/machine/zel.h"
#include "core/players/player.h"
#include "store/historydatabase.h"
#include "ui/platform/qtplatform.h"

namespace {

using clock_type = std::chrono::steady_clock;
double ms(clock_type::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// The game's platform, with the time its hand-overs take on the window thread added up.
class TimedPlatform : public zel::QtPlatform {
public:
    using QtPlatform::QtPlatform;
    clock_type::duration handover{};

    void commit(const QList<Section>& sections) override {
        const auto start = clock_type::now();
        QtPlatform::commit(sections);
        handover += clock_type::now() - start;
    }
    zel::HistoryStore* history() override { return QtPlatform::history() ? &timed : nullptr; }

private:
    struct TimedHistory : zel::HistoryStore {
        TimedPlatform* owner;
        explicit TimedHistory(TimedPlatform* p) : owner(p) {}
        std::vector<zel::GameRecord> newest(int slot, int count) override { return owner->QtPlatform::history()->newest(slot, count); }
        void append(int slot, const zel::GameRecord& g) override { timed([&] { owner->QtPlatform::history()->append(slot, g); }); }
        void amendnewest(int slot, const zel::GameRecord& g) override { timed([&] { owner->QtPlatform::history()->amendnewest(slot, g); }); }
        void clear(int slot) override { owner->QtPlatform::history()->clear(slot); }
        QString databasefile() const override { return owner->QtPlatform::history()->databasefile(); }
        template <class F>
        void timed(F f) {
            const auto start = clock_type::now();
            f();
            owner->handover += clock_type::now() - start;
        }
    } timed{this};
};

zel::GameRecord filler(int n) {
    zel::GameRecord g;
    g.timems = 1796767200000 + n;
    g.stake = 25;
    g.spin.stops = {int16_t(1 + n % 22), 3, 5, 3, 3};
    g.win = n % 3 == 0 ? 40 : 0;
    g.credit = 100000;
    return g;
}

struct Figures {
    double handover = 0, handoverworst = 0, synced = 0, spin = 0;
};

Figures measure(int kept, int games) {
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/settle-XXXXXX"));  // on this machine's disk
    const QString data = dir.filePath(QStringLiteral("data"));
    {
        // The history as a long-time player's: filled fast, then used as the game uses it.
        zel::HistoryDatabase fill(data, false, [] { return qint64(0); });
        for (int n = 1; n <= kept; ++n) fill.append(1, filler(n));
    }
    TimedPlatform platform(zel::QtPlatform::Options(false, false, dir.filePath(QStringLiteral("zelslots.conf")), data));
    zel::Player player;
    zel::Zel machine(player, platform);
    machine.Form_Load();
    player.bank = 1000000000;
    machine.payline_Click(5);
    std::vector<double> handovers, synced, spins;
    for (int n = 0; n < games; ++n) {
        platform.handover = {};
        const auto start = clock_type::now();
        machine.play_Click(1);
        while (machine.freespins > 0) {  // a feature plays out and is collected
            if (machine.freespinsplayed >= machine.freespins) machine.takewin_Click();
            else machine.play_Click(1);
        }
        const auto settled = clock_type::now();
        platform.flush();
        synced.push_back(ms(clock_type::now() - settled));
        handovers.push_back(ms(platform.handover));
        spins.push_back(ms(settled - start));
    }
    Figures f;
    f.handover = median(handovers);
    f.handoverworst = *std::max_element(handovers.begin(), handovers.end());
    f.synced = median(synced);
    f.spin = median(spins);
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    int games = 200;
    std::vector<int> sizes{1, 500, 100000};
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--games")) games = std::max(1, std::atoi(argv[i + 1]));
        if (!std::strcmp(argv[i], "--sizes")) {
            sizes.clear();
            for (const QString& part : QString::fromLocal8Bit(argv[i + 1]).split(QLatin1Char(','))) sizes.push_back(part.toInt());
        }
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bool met = true;
    double first = 0;
    std::printf("games kept   window thread per game (median, worst)   settled to synced (median)   whole game (median)\n");
    for (const int kept : sizes) {
        const Figures f = measure(kept, games);
        if (first == 0) first = f.handover;
        std::printf("%10d   %8.3f ms  %8.3f ms                      %8.2f ms                %8.3f ms\n", kept, f.handover,
                    f.handoverworst, f.synced, f.spin);
        met = met && f.handover < 0.5 && f.synced < 50 && f.handover < 2 * first + 0.05;
    }
    std::printf("goal: under 0.5 ms on the window thread, not growing with the games kept; under 50 ms to the disk\n");
    return met ? 0 : 1;
}
