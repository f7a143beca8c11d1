// The game on a Wayland desktop of the test's own (sway, headless): it runs on Qt's Wayland plugin
// under its app id, its dialogs stay over the machine and keep the keyboard after a pointer click
// on the machine, the History window lies inside the output, a click on the machine's buttons plays,
// and at output scale 2 the sharp pictures are drawn. What the desktop shows is read from the
// compositor itself (swaymsg -t get_tree).
#include <cstdio>

#include <QJsonArray>
#include <QProcess>
#include <QtTest>

#include "waylandrig.h"

using zel::test::Compositor;
using zel::test::noderect;
using zel::test::windows;

namespace {

Compositor* desktop = nullptr;
constexpr int patience = 10000;  // ms
const QString appid = QStringLiteral("org.zelslots.zelslots");
const QString suffix = QStringLiteral(" \u2014 Zel Slots");

// A program the test talks to by lines: what it is told, and the first answer that starts so.
class Talker {
public:
    ~Talker() { stop(); }
    QProcess process;
    QString ask(const QString& line, const QString& answer) {
        if (!line.isEmpty()) {
            process.write(line.toUtf8() + '\n');
            process.waitForBytesWritten(patience);
        }
        QDeadlineTimer deadline(patience);
        while (!deadline.hasExpired()) {
            while (process.canReadLine()) {
                const QString got = QString::fromUtf8(process.readLine()).trimmed();
                if (got.startsWith(answer)) return got;
            }
            if (process.state() != QProcess::Running || !process.waitForReadyRead(int(deadline.remainingTime()))) break;
        }
        return {};
    }
    void stop() {
        if (process.state() == QProcess::NotRunning) return;
        process.closeWriteChannel();
        process.terminate();
        if (!process.waitForFinished(patience)) {
            process.kill();
            process.waitForFinished();
        }
    }
};

Talker* pointer = nullptr;

// The game's windows as the compositor has them: the machine first.
QList<QJsonObject> ours() {
    QList<QJsonObject> found;
    for (const QJsonObject& w : windows(desktop->tree()))
        if (w.value(QLatin1String("app_id")).toString() == appid) found << w;
    std::stable_sort(found.begin(), found.end(), [](const QJsonObject& a, const QJsonObject& b) {
        return a.value(QLatin1String("name")).toString().startsWith(QLatin1String("Current Player")) &&
               !b.value(QLatin1String("name")).toString().startsWith(QLatin1String("Current Player"));
    });
    return found;
}

int stackindex(const QJsonObject& node) {
    const QList<QJsonObject> all = windows(desktop->tree());
    for (int i = 0; i < all.size(); ++i)
        if (all[i].value(QLatin1String("id")) == node.value(QLatin1String("id"))) return i;
    return -1;
}

// The window's own pixels on the output (the compositor's frame and title bar left out).
QPoint contentorigin(const QJsonObject& node) {
    const QJsonObject inner = node.value(QLatin1String("window_rect")).toObject();
    return noderect(node).topLeft() + QPoint(inner.value(QLatin1String("x")).toInt(), inner.value(QLatin1String("y")).toInt());
}

bool click(QPoint at) {
    return pointer->ask(QStringLiteral("click %1 %2").arg(at.x()).arg(at.y()), QStringLiteral("clicked")) == QLatin1String("clicked");
}

QString rect(const QRect& r) { return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

// The game on the desktop, in a home of its own, answering the test once its window is up.
bool startgame(Talker& game) {
    const QString home = desktop->clientfolder(QStringLiteral("home%1").arg(QDateTime::currentMSecsSinceEpoch()));
    desktop->prepare(game.process, QStringLiteral(ZEL_WAYLAND_GAME), {},
                     {QStringLiteral("HOME=") + home, QStringLiteral("XDG_CONFIG_HOME=") + home,
                      QStringLiteral("XDG_DATA_HOME=") + home + QStringLiteral("/data")});
    game.process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    game.process.start();
    return game.process.waitForStarted(patience) && game.ask({}, QStringLiteral("ready")) == QLatin1String("ready") &&
           QTest::qWaitFor([] { return !ours().isEmpty(); }, patience);
}

}  // namespace

class WaylandTest : public QObject {
    Q_OBJECT

private slots:
    void theGameRunsNativelyUnderItsAppId() {
        Talker game;
        QVERIFY(startgame(game));
        const QJsonObject machine = ours().first();
        QCOMPARE(machine.value(QLatin1String("shell")).toString(), QStringLiteral("xdg_shell"));
        const QString title = machine.value(QLatin1String("name")).toString();
        QVERIFY2(title.startsWith(QLatin1String("Current Player")) && title.endsWith(suffix) && title.count(suffix) == 1,
                 qPrintable(title));
    }

    void aDialogStaysOverTheMachineAfterAClickOnIt_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("dialogname");  // its name in the game
        QTest::newRow("about") << "about" << "aboutzel";
        QTest::newRow("paytable") << "paytable" << "zelpays";
        QTest::newRow("options") << "options" << "frmzeloptions";
        QTest::newRow("history") << "history" << "zelhistory";
        QTest::newRow("help") << "help" << "zelhelp";
    }
    void aDialogStaysOverTheMachineAfterAClickOnIt() {
        QFETCH(QString, command);
        QFETCH(QString, dialogname);
        Talker game;
        QVERIFY(startgame(game));
        game.ask(QStringLiteral("open ") + command, QStringLiteral("opened"));
        QList<QJsonObject> windows;
        QVERIFY2(QTest::qWaitFor([&] { return (windows = ours()).size() == 2 && windows[1].value(QLatin1String("focused")).toBool(); }, patience),
                 "the dialog did not open with the keyboard");
        const QRect output(QPoint(0, 0), desktop->output());
        const QRect machine = noderect(windows[0]), dialog = noderect(windows[1]);
        qInfo("%s at %s, the machine at %s", qPrintable(command), qPrintable(rect(dialog)), qPrintable(rect(machine)));
        QVERIFY2(output.contains(dialog), qPrintable(rect(dialog)));
        QVERIFY2(windows[1].value(QLatin1String("name")).toString().endsWith(suffix), "the dialog's title lacks the game's name");

        // A click on the machine, clear of the dialog.
        QPoint at(-1, -1);
        for (int y = machine.bottom() - 20; y > machine.top() + 40 && at.x() < 0; y -= 20)
            for (int x = machine.right() - 20; x > machine.left() + 20; x -= 20)
                if (!dialog.adjusted(-10, -10, 10, 10).contains(x, y)) {
                    at = {x, y};
                    break;
                }
        QVERIFY(at.x() >= 0);
        QVERIFY(click(at));
        const bool keyboard = QTest::qWaitFor([&] {
            const QList<QJsonObject> now = ours();
            return now.size() == 2 && now[1].value(QLatin1String("focused")).toBool();
        }, patience);
        windows = ours();
        QCOMPARE(windows.size(), 2);
        QVERIFY2(stackindex(windows[1]) > stackindex(windows[0]), "the machine came over its dialog");
        QVERIFY2(windows[1].value(QLatin1String("visible")).toBool(), "the dialog is hidden");
        QVERIFY2(keyboard, "the dialog did not keep the keyboard");
        // And the game itself has the dialog as its active window, where the keys go.
        QTRY_COMPARE_WITH_TIMEOUT(game.ask(QStringLiteral("active"), QStringLiteral("active")), QStringLiteral("active ") + dialogname, patience);
    }

    // Coins in and a spin, by the pointer on the machine's own buttons.
    void aClickOnTheMachinePlays() {
        Talker game;
        QVERIFY(startgame(game));
        const QPoint origin = contentorigin(ours().first());
        const auto centre = [&](const char* name) {
            const QStringList at = game.ask(QStringLiteral("where ") + QLatin1String(name), QStringLiteral("at")).split(QLatin1Char(' '));
            if (at.size() != 6) return QPoint(-1, -1);
            return origin + QRect(at[2].toInt(), at[3].toInt(), at[4].toInt(), at[5].toInt()).center();
        };
        const auto credit = [&] { return game.ask(QStringLiteral("credit"), QStringLiteral("credit")).section(QLatin1Char(' '), 1).toLongLong(); };
        const qint64 before = credit();
        // Two coins: 40 coins cover a bet of 1 on the 25 lines the machine starts with.
        for (int coin = 1; coin <= 2; ++coin) {
            QVERIFY(click(centre("COINSIN")));
            QVERIFY2(QTest::qWaitFor([&] { return credit() == before + 20 * coin; }, patience), "COIN did not add 20 coins");
        }
        QVERIFY(click(centre("play(1)")));
        QVERIFY2(QTest::qWaitFor([&] { return credit() != before + 40; }, patience), "BET 1 did not spin");
    }

    void atScaleTwoTheSharpPicturesAreDrawn() {
        QVERIFY(desktop->command(QStringLiteral("output HEADLESS-1 scale 2")));
        Talker game;
        const bool started = startgame(game);
        QString said;
        const bool sharp = started && QTest::qWaitFor([&] {
            said = game.ask(QStringLiteral("sharpest"), QStringLiteral("sharpest"));
            return said == QLatin1String("sharpest 2 dpr 2");
        }, patience);
        game.stop();
        desktop->command(QStringLiteral("output HEADLESS-1 scale 1"));
        QVERIFY(started);
        QVERIFY2(sharp, qPrintable(said));
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    Compositor ours;
    QString why;
    if (!ours.start(QSize(1920, 1080), &why)) {
        std::fprintf(stderr, "no Wayland desktop for the test: %s\n", qPrintable(why));
        return 1;
    }
    desktop = &ours;
    Talker mouse;
    ours.prepare(mouse.process, QStringLiteral(ZEL_POINTER), {QStringLiteral("1920"), QStringLiteral("1080")});
    mouse.process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    mouse.process.start();
    if (!mouse.process.waitForStarted(patience) || mouse.ask({}, QStringLiteral("ready")) != QLatin1String("ready")) {
        std::fprintf(stderr, "no virtual pointer on the Wayland desktop\n");
        return 1;
    }
    pointer = &mouse;
    WaylandTest test;
    const int result = QTest::qExec(&test, argc, argv);
    mouse.stop();
    pointer = nullptr;
    desktop = nullptr;
    return result;
}

#include "tst_wayland.moc"
