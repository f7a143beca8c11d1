#pragma once
// Runs the played game (tests/playedgame.cpp) in a home of the test's and reads what it said: the
// state it found at start, each record it committed, each game it handed to the history. Shared by
// the tests that kill the game and the tests that leave it in the middle of a feature.
#include <QHash>
#include <QProcess>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include "gamehome.h"

namespace zeltest {

// One line the game said, as keys and values: "start", "commit" (keys "player1/bank",
// "inplay1/freespins", ...), "append" or "amend".
struct Said {
    QString what;
    QHash<QString, QString> values;
    qint64 number(const QString& key) const { return values.value(key).toLongLong(); }
};

inline Said parseline(const QByteArray& line) {
    Said said;
    QString section;
    const QStringList words = QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        if (said.what.isEmpty()) {
            said.what = word;
        } else if (word.endsWith(QLatin1Char(':'))) {
            section = word.chopped(1) + QLatin1Char('/');
        } else if (const qsizetype eq = word.indexOf(QLatin1Char('=')); eq > 0) {
            said.values.insert(section + word.left(eq), word.mid(eq + 1));
        }
    }
    return said;
}

struct PlayedRun {
    QProcess::ExitStatus exit = QProcess::NormalExit;
    int code = -1;
    std::vector<Said> said;
    QByteArray err;
    bool finished = false;

    const Said* first(const QString& what) const {
        for (const Said& s : said)
            if (s.what == what) return &s;
        return nullptr;
    }
};

// Starts the played game with extra environment entries and waits for it to end (it ends itself,
// by a kill or by leaving, or the test ends it through `during`, which sees each line as it comes).
inline PlayedRun runplayed(const QString& home, const QHash<QString, QString>& extra,
                           const std::function<void(QProcess&, const Said&)>& during = {}) {
    QProcess game;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    givehome(env, home);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
    for (auto e = extra.constBegin(); e != extra.constEnd(); ++e) env.insert(e.key(), e.value());
    game.setProcessEnvironment(env);
    PlayedRun run;
    game.start(QStringLiteral(ZEL_PLAYED_GAME), {});
    if (!game.waitForStarted()) return run;
    // The game's output is read line by line as it comes, so `during` can act on it.
    QByteArray pending;
    const auto take = [&] {
        pending += game.readAllStandardOutput();
        for (qsizetype end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n')) {
            run.said.push_back(parseline(pending.left(end)));
            pending.remove(0, end + 1);
            if (during) during(game, run.said.back());
        }
    };
    while (game.state() != QProcess::NotRunning) {
        if (game.waitForReadyRead(120000)) take();
        else if (game.state() != QProcess::NotRunning) break;  // silent for two minutes: stuck
    }
    run.finished = game.state() == QProcess::NotRunning || game.waitForFinished(120000);
    if (!run.finished) {
        game.kill();
        game.waitForFinished();
    }
    take();
    run.exit = game.exitStatus();
    run.code = game.exitCode();
    run.err = game.readAllStandardError();
    return run;
}

// A key of the store's file on the disk, as another program reads it.
inline QString ondisk(const QString& home, const QString& key) {
    return QSettings(homesettings(home), QSettings::IniFormat).value(key).toString();
}

}  // namespace zeltest
