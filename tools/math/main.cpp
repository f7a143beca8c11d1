// zelslots-math: the machine's figures worked out exactly, and checked by play through the
// game's own handlers.
#include <QSaveFile>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <exception>

#include <QFile>

#include "core/history/gamerecordjson.h"
#include "core/history/historybook.h"
#include "core/shell/programinfo.h"
#include "math/arguments.h"
#include "math/historycheck.h"
#include "math/report.h"
#include "store/historydatabase.h"
#include "store/settingsfile.h"

using namespace zel::math;

namespace {

void print(const QByteArray& bytes) { std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout); }

double since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int run(const Command& c) {
    switch (c.task) {
    case Task::help:
        print(usage);
        print("It reads and writes no settings; the game keeps its players in\n  " +
              zel::userstorefile().toLocal8Bit() + "\n");
        return 0;
    case Task::version:
        print(QByteArray("zelslots-math ") + zel::programinfo::version + "\n");
        return 0;
    case Task::evaluate: {
        const SpinReport r = evaluatestops(c.stops, c.lines, c.bet);
        print(c.json ? spinjson(r, c.lines, c.bet) : spintext(r, c.lines, c.bet).toUtf8());
        return 0;
    }
    case Task::par: {
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpustart = std::clock();
        const ParFigures p = workoutpar({c.lines}).front();
        const double seconds = since(start);
        const double cpuseconds = double(std::clock() - cpustart) / CLOCKS_PER_SEC;
        print(c.json ? parjson(p, seconds, cpuseconds) : partext(p, seconds, cpuseconds).toUtf8());
        return 0;
    }
    case Task::simulate: {
        SimulationSettings s;
        s.spins = c.spins;
        s.seed = c.seed;
        s.lines = c.lines;
        s.bet = c.bet;
        s.machinepay = c.machinepay;
        const SimulationFigures f = simulate(s);
        print(c.json ? simulationjson(f, s) : simulationtext(f, s).toUtf8());
        return 0;
    }
    case Task::history: {
        // The game's history database; a file given may be one, or a history file of an earlier version.
        const QString database = zel::HistoryDatabase::file(zel::userdatafolder());
        QString file = c.file.empty() ? database : QString::fromLocal8Bit(c.file.c_str());
        if (c.file.empty() && !QFile::exists(database)) file = zel::historyfile(zel::userdatafolder(), c.slot);
        std::vector<zel::GameRecord> games;
        QFile in(file);
        QString why;
        bool read = !in.exists();
        if (!read && in.open(QIODevice::ReadOnly) && in.peek(16) == QByteArray("SQLite format 3", 16)) {
            in.close();
            const auto kept = zel::HistoryDatabase::read(file, c.slot, zel::HistoryBook::shown, &why);
            if (kept) games = *kept;
            read = bool(kept);
        } else if (!read && in.isOpen() && in.size() <= zel::HistoryBook::largest) {
            read = zel::readhistory(in.readAll(), c.slot, games, &why);
        }
        if (!read) {
            std::fprintf(stderr, "zelslots-math: %s is not a history of slot %d: %s\n", qPrintable(file), c.slot,
                         qPrintable(why.isEmpty() ? QStringLiteral("it cannot be read") : why));
            return 1;
        }
        const HistoryFigures f = checkhistory(games);
        print(c.json ? historyfiguresjson(f, c.slot, file) : historyfigurestext(f, c.slot, file).toUtf8());
        return 0;
    }
    case Task::table: {
        QSaveFile file(QString::fromLocal8Bit(c.output.c_str()));
        if (!file.open(QIODevice::WriteOnly) || file.write(returntablefile(workoutpar({1, 5, 10, 15, 25}))) < 0 ||
            !file.commit()) {
            std::fprintf(stderr, "zelslots-math: cannot write %s\n", c.output.c_str());
            return 1;
        }
        return 0;
    }
    }
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    Command command;
    try {
        command = parsecommand(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const ArgumentError& e) {
        std::fprintf(stderr, "zelslots-math: %s\n", e.what());
        if (e.showusage) std::fprintf(stderr, "\n%s", usage);
        return 2;
    }
    try {
        return run(command);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "zelslots-math: %s\n", e.what());
        return 1;
    }
}
