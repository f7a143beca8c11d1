// What the player hears from the game's sound bank, recorded from a real sound server: a private
// PulseAudio server with a null sink, its monitor recorded while the bank plays. Every clip is
// heard nearly whole, the click and the reel stop on every one of fifty plays (the reel stops
// 0.15 s apart, as in a landing), each starts within 60 ms of being asked for, a new clip leaves
// no more than 20 ms of the old one, a loop sounds until it is replaced, and nothing is heard
// while the sound is switched off. The figures are read from the recorded audio; a sample's time
// is when the server mixed it (the null sink mixes at most 10 ms ahead, as parec asks of it).
// It also checks that a game without a server, or whose server goes away, says so once.
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

#include <QtTest>

#include "audibility.h"
#include "ui/sound/soundbank.h"
#include "ui/sound/soundclips.h"
#include "pulserig.h"

using namespace zel;
using namespace zel::test;
using std::chrono::milliseconds;

namespace {

int msbetween(Clock::time_point a, Clock::time_point b) {
    return int(std::chrono::duration_cast<milliseconds>(b - a).count());
}

// A clip's own audible milliseconds.
std::vector<bool> reference(int clip) {
    const SoundClip c = loadclip(clip);
    return audiblemillis(c.samples, c.rate);
}

int cliplength(int clip) {
    const SoundClip c = loadclip(clip);
    return c.rate ? int(c.samples.size() * 1000 / size_t(c.rate)) : 0;
}

// The lines this process writes to stderr while `work` runs.
int stderrlines(const std::function<void()>& work) {
    QTemporaryFile capture;
    if (!capture.open()) return -1;
    std::fflush(stderr);
    const int saved = ::dup(STDERR_FILENO);
    ::dup2(capture.handle(), STDERR_FILENO);
    work();
    std::fflush(stderr);
    ::dup2(saved, STDERR_FILENO);
    ::close(saved);
    capture.seek(0);
    const QByteArray text = capture.readAll();
    if (!text.isEmpty()) qInfo("stderr: %s", text.trimmed().constData());
    return int(text.count('\n'));
}

// Asks for every clip, loops included, and uses the switch.
void playeverything(SoundBank& bank) {
    for (int clip = 100; clip <= 126; ++clip) bank.play(clip, clip == 117);
    bank.setenabled(false);
    bank.setenabled(true);
    bank.play(124, false);
}

// Keeps this process's PulseAudio settings and puts them back when it goes.
struct SavedPulseSettings {
    const char* names[3] = {"PULSE_SERVER", "PULSE_RUNTIME_PATH", "PULSE_COOKIE"};
    QByteArray values[3];
    SavedPulseSettings() {
        for (int i = 0; i < 3; ++i) values[i] = qgetenv(names[i]);
    }
    ~SavedPulseSettings() {
        for (int i = 0; i < 3; ++i) qputenv(names[i], values[i]);
    }
};

constexpr int onsetlimit = 60;  // ms from the call until the clip is heard
constexpr int cutlimit = 20;    // ms of the old clip heard after the new clip should have ended
constexpr int landinggap = 150; // ms between two reel stops of a landing

}  // namespace

class TestSoundOutput : public QObject {
    Q_OBJECT

    PulseServer server;
    MonitorRecorder recorder;
    std::unique_ptr<SoundBank> bank;
    // The range of the click's onsets heard from silence, once measured.
    int quickestonset = 0, slowestonset = onsetlimit;

    // What was heard from `from` to `to`, one flag per millisecond.
    std::vector<bool> heard(Clock::time_point from, Clock::time_point to) {
        if (!recorder.waitfor(to, milliseconds(5000) + std::chrono::duration_cast<milliseconds>(to - Clock::now()))) return {};
        return audiblemillis(recorder.between(from, to), MonitorRecorder::rate);
    }

private slots:
    void initTestCase() {
        QString why;
        if (!server.start(&why)) QFAIL(qPrintable(why));
        if (!recorder.start(server, &why)) QFAIL(qPrintable(why));
        bank = std::make_unique<SoundBank>();
    }

    void cleanupTestCase() {
        bank.reset();
        recorder.stop();
        server.stop();
    }

    // 117, the free-spin loop, is heard whole in the loop test below.
    void everyClipIsHeardForNearlyAllOfItsAudibleLength_data() {
        QTest::addColumn<int>("clip");
        for (int clip = 101; clip <= 125; ++clip)
            if (isclip(clip) && clip != 117) QTest::addRow("%d", clip) << clip;
    }
    void everyClipIsHeardForNearlyAllOfItsAudibleLength() {
        QFETCH(int, clip);
        const auto own = reference(clip);
        const int expected = audiblecount(own, 0, int(own.size()));
        QVERIFY(expected > 0);
        const auto call = Clock::now();
        bank->play(clip, false);
        const auto flags = heard(call, call + milliseconds(cliplength(clip) + onsetlimit + 200));
        QVERIFY2(!flags.empty(), "the recorder stopped");
        const int onset = firstaudible(flags, 0, int(flags.size()));
        const int got = audiblecount(flags, 0, int(flags.size()));
        qInfo("clip %d: heard %d of %d audible ms, onset %d ms", clip, got, expected, onset);
        QVERIFY2(onset >= 0, "nothing was heard");
        QVERIFY2(onset <= onsetlimit, qPrintable(QStringLiteral("heard %1 ms after the call").arg(onset)));
        QVERIFY2(got >= expected * 9 / 10, qPrintable(QStringLiteral("heard %1 of %2 audible ms").arg(got).arg(expected)));
        // More than the clip holds would be a stale rest of an earlier play.
        QVERIFY2(got <= expected + 30, qPrintable(QStringLiteral("heard %1 ms of a clip of %2").arg(got).arg(expected)));
    }

    // Plays in groups: the first of each group starts from silence, the others follow 0.15 s
    // apart and cut the one before, as the reel stops do in a landing.
    void aClipIsHeardInFullOnFiftyPlaysInARow_data() {
        QTest::addColumn<int>("clip");
        QTest::addColumn<int>("pergroup");
        QTest::addColumn<int>("pause");  // ms from a group's last play to the next group
        QTest::newRow("click 124, 50 plays 0.15 s apart") << 124 << 1 << landinggap;
        QTest::newRow("reel stop 116, 10 landings of five stops 0.15 s apart") << 116 << 5 << 450;
    }
    void aClipIsHeardInFullOnFiftyPlaysInARow() {
        QFETCH(int, clip);
        QFETCH(int, pergroup);
        QFETCH(int, pause);
        const auto own = reference(clip);
        const int length = cliplength(clip);
        std::vector<Clock::time_point> calls;
        auto next = Clock::now() + milliseconds(20);
        for (int group = 0; group < 50 / pergroup; ++group) {
            for (int i = 0; i < pergroup; ++i) {
                std::this_thread::sleep_until(next + milliseconds(i * landinggap));
                calls.push_back(Clock::now());
                bank->play(clip, false);
            }
            next = calls.back() + milliseconds(pause);
        }
        const auto flags = heard(calls.front(), calls.back() + milliseconds(length + onsetlimit + 100));
        QVERIFY2(!flags.empty(), "the recorder stopped");
        QStringList faults;
        int latest = 0, earliest = onsetlimit;
        for (size_t g = 0; g < calls.size(); g += size_t(pergroup)) {
            const int start = msbetween(calls.front(), calls[g]);
            const int onset = firstaudible(flags, start, start + onsetlimit + landinggap);
            if (onset < 0 || onset - start > onsetlimit) {
                faults << QStringLiteral("play %1: heard %2").arg(g).arg(onset < 0 ? QStringLiteral("nothing") : QStringLiteral("after %1 ms").arg(onset - start));
                continue;
            }
            latest = std::max(latest, onset - start);
            earliest = std::min(earliest, onset - start);
            // Each play of the group sounds until the next one cuts it, the last one whole. A later
            // play's own onset can wander by an output period (its start hides in the sound of the
            // one before), so the group is heard as a whole: a silent play would take its share.
            int expected = 0;
            for (size_t i = g; i < g + size_t(pergroup); ++i) {
                const int span = i + 1 < g + size_t(pergroup) ? msbetween(calls[i], calls[i + 1]) : length + 50;
                expected += audiblecount(own, 0, span);
            }
            const int whole = msbetween(calls[g], calls[g + size_t(pergroup) - 1]) + length + 50;
            const int got = audiblecount(flags, onset, onset + whole);
            if (got < expected * 9 / 10)
                faults << QStringLiteral("plays %1 to %2: heard %3 of %4 ms").arg(g).arg(g + size_t(pergroup) - 1).arg(got).arg(expected);
        }
        qInfo("clip %d: %d plays, onsets %d..%d ms, %lld faults", clip, int(calls.size()), earliest, latest,
              qsizetype(faults.size()));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        if (clip != 124) return;
        quickestonset = earliest;
        slowestonset = latest;
    }

    // The loop is heard past its own length (18.47 s) until another clip replaces it, and then
    // only the new clip is heard.
    void aLoopingClipSoundsUntilANewClipCutsIt() {
        const int looplength = cliplength(117);
        const auto call = Clock::now();
        bank->play(117, true);
        std::this_thread::sleep_until(call + milliseconds(looplength + 1000));
        const auto cut = Clock::now();
        bank->play(124, false);
        const auto flags = heard(call, cut + milliseconds(400));
        QVERIFY2(!flags.empty(), "the recorder stopped");
        const int onset = firstaudible(flags, 0, onsetlimit + 100);
        QVERIFY2(onset >= 0 && onset <= onsetlimit, qPrintable(QStringLiteral("loop onset %1 ms").arg(onset)));
        const int cutat = msbetween(call, cut);
        const int sounded = audiblecount(flags, onset, cutat);
        QVERIFY2(sounded >= (cutat - onset) * 98 / 100,
                 qPrintable(QStringLiteral("the loop sounded %1 of %2 ms").arg(sounded).arg(cutat - onset)));
        const auto click = reference(124);
        const int clickend = lastaudible(click, 0, int(click.size())) + 1;
        const int end = lastaudible(flags, cutat, int(flags.size())) + 1 - cutat;
        const int left = end - slowestonset - clickend;
        qInfo("loop heard %d of %d ms; after the cut, sound for %d ms (click %d ms, onset up to %d ms)", sounded,
              cutat - onset, end, clickend, slowestonset);
        // The loop sounds on until the click starts: without the click the sound ends too early.
        QVERIFY2(end >= quickestonset + clickend * 9 / 10, qPrintable(QStringLiteral("the click was not heard")));
        QVERIFY2(left <= cutlimit, qPrintable(QStringLiteral("the loop went on %1 ms past the click").arg(left)));
    }

    // Switching off silences the sounding loop at once; clips asked for meanwhile are not heard,
    // and switching on again does not bring the cut loop back. The next clip is heard.
    void nothingIsHeardWhileTheSoundIsSwitchedOff() {
        const auto start = Clock::now();
        bank->play(117, true);
        std::this_thread::sleep_until(start + milliseconds(400));
        const auto off = Clock::now();
        bank->setenabled(false);
        const int asked[3] = {124, 116, 117};
        for (int i = 0; i < 3; ++i) {
            std::this_thread::sleep_until(off + milliseconds(200 + 250 * i));
            bank->play(asked[i], asked[i] == 117);
        }
        std::this_thread::sleep_until(off + milliseconds(1200));
        const auto on = Clock::now();
        bank->setenabled(true);
        std::this_thread::sleep_until(on + milliseconds(400));
        const auto after = Clock::now();
        bank->play(124, false);
        const auto all = heard(start, after + milliseconds(300));
        QVERIFY2(!all.empty(), "the recorder stopped");
        const int offat = msbetween(start, off);
        const std::vector<bool> flags(all.begin() + offat, all.end());  // from the switch on
        QVERIFY2(audiblecount(all, onsetlimit, offat) == offat - onsetlimit, "the loop did not sound before the switch");
        const int offend = lastaudible(flags, 0, msbetween(off, after)) + 1;
        qInfo("sound after switching off: %d ms", offend);
        QVERIFY2(offend <= slowestonset + cutlimit, qPrintable(QStringLiteral("the loop went on %1 ms").arg(offend)));
        const int quietfrom = slowestonset + cutlimit, quietto = msbetween(off, after);
        QCOMPARE(audiblecount(flags, quietfrom, quietto), 0);
        const int onset = firstaudible(flags, quietto, int(flags.size()));
        QVERIFY2(onset >= 0 && onset - quietto <= onsetlimit,
                 qPrintable(QStringLiteral("the click after switching on was heard after %1 ms").arg(onset < 0 ? -1 : onset - quietto)));
    }

    void withoutASoundServerTheGamePlaysSilentlyAndSaysSoOnce() {
        SavedPulseSettings saved;
        QTemporaryDir nowhere;
        qputenv("PULSE_SERVER", ("unix:" + nowhere.filePath(QStringLiteral("no-server"))).toLocal8Bit());
        const int lines = stderrlines([] {
            SoundBank bank;
            playeverything(bank);
        });
        QVERIFY2(lines == 1, qPrintable(QStringLiteral("%1 lines on stderr").arg(lines)));
    }

    void whenTheServerGoesAwayTheGamePlaysOnAndSaysSoOnce() {
        SavedPulseSettings saved;
        PulseServer going;
        QString why;
        if (!going.start(&why)) QFAIL(qPrintable(why));
        const int lines = stderrlines([&] {
            SoundBank bank;
            bank.play(117, true);
            std::this_thread::sleep_for(milliseconds(300));
            going.stop();
            for (int i = 0; i < 20; ++i) {
                std::this_thread::sleep_for(milliseconds(50));
                playeverything(bank);
            }
        });
        QVERIFY2(lines <= 1, qPrintable(QStringLiteral("%1 lines on stderr").arg(lines)));
    }
};

QTEST_GUILESS_MAIN(TestSoundOutput)
#include "tst_soundoutput.moc"
