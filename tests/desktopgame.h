#pragma once
// The real game on a test's own X desktop (desktoprig.h): started as a player starts it, with a
// home of its own, found among the desktop's windows, ended by its process id; and a test's main
// on such a desktop. The test names the game's binary in ZEL_GAME_BINARY.
#include <cstdio>

#include <QApplication>
#include <QProcess>
#include <QTest>

#include "desktoprig.h"
#include "gamehome.h"
#include "ui/shell/desktopname.h"

namespace zeltest {

// Starts the game on the desktop of DISPLAY with its settings and history under `home`, and extra
// environment entries ("NAME=value"); returns the environment it was given, for another start.
inline QProcessEnvironment startgame(QProcess& game, const QString& home, const QStringList& extra = {}) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    givehome(env, home);
    for (const QString& entry : extra) env.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    game.setProcessEnvironment(env);
    game.start(QStringLiteral(ZEL_GAME_BINARY), {});
    game.waitForStarted();
    return env;
}

// The game's window among the desktop's, 0 while there is none.
inline zel::test::XWindow gamewindow(zel::test::Desktop& desktop) {
    zel::test::XWindow found = 0;
    for (zel::test::XWindow w : desktop.clients())
        if (desktop.windowclass(w).startsWith(QLatin1String("zelslots"))) found = w;
    return found;
}

// Ends the game as a logout would (it saves and leaves), by its process id; killed if it does not.
inline void stopgame(QProcess& game, int patience) {
    if (game.state() == QProcess::NotRunning) return;
    game.terminate();
    if (!game.waitForFinished(patience)) {
        game.kill();
        game.waitForFinished();
    }
}

// Runs the tests of `Test` on a desktop of width x height of their own, which `desktop` points at
// meanwhile.
template <class Test>
int runondesktop(int argc, char** argv, int width, int height, zel::test::Desktop*& desktop) {
    zel::test::Desktop ours;
    QString why;
    if (!ours.start(width, height, &why)) {
        std::fprintf(stderr, "no desktop for the test: %s\n", qPrintable(why));
        return 1;
    }
    desktop = &ours;
    qputenv("QT_QPA_PLATFORM", "xcb");
    int result = 0;
    {
        QApplication app(argc, argv);
        QApplication::setApplicationDisplayName(zel::desktopname);
        Test test;
        result = QTest::qExec(&test, argc, argv);
    }
    desktop = nullptr;
    return result;
}

}  // namespace zeltest
