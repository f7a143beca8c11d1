#pragma once
// A platform for tests: scripted random numbers, waits and clips recorded instead of
// performed, scripted message-box answers, and the game's real store (its settings file, and its
// history database when a test keeps one) in a temporary folder.
#include <deque>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include <QString>
#include <QTemporaryDir>

#include "core/platform/gamerandom.h"
#include "core/platform/platform.h"
#include "store/gamestore.h"

namespace zel {

struct RecordedBox {
    QString text, title;
    MsgIcon icon;
    MsgButtons buttons;
};

class FakePlatform : public Platform {
public:
    // A store in a fresh temporary folder, or in the given INI file.
    explicit FakePlatform(const QString& inifile = QString());
    ~FakePlatform() override;

    void randomize() override;
    double rnd() override;
    void wait(int ms) override;
    void doevents() override;
    void playclip(int n, bool loop) override;
    MsgResult msgbox(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) override;
    QString getsetting(const QString& section, const QString& key) override;
    // Returns at once, as the game's own platform does; with `waitforwrites`, once the write is done
    // (for tests that read the files or hear of a failed write at the save itself).
    void commit(const QList<Section>& sections) override;
    void flush() override;
    QStringList storenews() override;
    void keeporiginal(const QString& why) override;
    QString storelocation() override { return storefile; }
    HistoryStore* history() override;
    // The game history goes to "data" beside the settings file, unless a test says otherwise.
    QString datafolder() const { return historyfolder; }
    qint64 nowms() override { return clockms; }
    int logicaldpi() override { return dpi; }
    void changedisplay(int width, int height) override { displaychanges.emplace_back(width, height); }
    void endprogram() override { ended = true; }

    // Script the stop (1..22) that the next draw of a reel gives.
    void scriptstop(int stop) { script.push_back((stop - 1 + 0.5) / 22.0); }
    void scriptstops(std::initializer_list<int> stops) { for (int s : stops) scriptstop(s); }
    // Script a draw of Int(Rnd * n) + 1 giving value.
    void scriptdraw(int value, int n) { script.push_back((value - 1 + 0.5) / n); }
    QString inifile() const { return storefile; }

    std::deque<double> script;     // consumed first; then the seeded generator
    GameRandom rng{20261208};
    uint64_t clock = 1;            // what randomize() stirs in; tests keep it fixed
    int randomizes = 0;

    bool recordwaits = true;
    std::vector<int> waits;
    int64_t waitedms = 0;
    int doeventscount = 0;
    std::function<void()> ondoevents;   // runs at each event pump (a click arriving mid-spin)
    std::function<void(int)> onwait;    // runs at each wait, with its milliseconds

    std::vector<std::pair<int, bool>> clips;
    std::vector<RecordedBox> boxes;
    std::deque<MsgResult> answers;      // default answer: ok / no

    QString historyfolder;  // empty: no game history (most tests play thousands of games)
    // Keeps the game history in a folder beside the store.
    void keephistory();
    qint64 clockms = 1796767200000;     // 2026-12-08 22:00 UTC; tests move it on
    int dpi = 96;
    std::vector<std::pair<int, int>> displaychanges;
    bool ended = false;
    // False: the store's folder is put out of reach (a file stands in its place), so every write
    // of the settings and the history fails for real until it is true again.
    bool storewritable = true;
    int storewrites = 0;                 // commits made
    std::function<void()> onstore;      // runs at each read or write of the store
    bool waitforwrites = false;
    bool durable = false;                // each write waits for the disk (most tests need not)

    // The real store under the platform, made when first used (after keephistory()).
    GameStore& gamestore();
    // What the settings file on the disk holds, as another program reads it (once every write
    // handed over has finished).
    QString ondisk(const QString& section, const QString& key);

    std::vector<int> clipnumbers() const;

private:
    void applywritable();

    std::unique_ptr<QTemporaryDir> tempdir;
    QString storefile;
    std::unique_ptr<GameStore> store;
    bool outofreach = false;
};

}  // namespace zel
