#include "math/arguments.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <set>

namespace zel::math {

const char* const usage =
    "usage: zelslots-math evaluate --stops S1,S2,S3,S4,S5 [--lines N] [--bet B] [--json]\n"
    "       zelslots-math par [--lines N] [--json]\n"
    "       zelslots-math simulate [--spins N] [--seed S] [--lines L] [--bet B] [--pay M] [--json]\n"
    "       zelslots-math table --output FILE\n"
    "       zelslots-math history --slot N [--file FILE] [--json]\n"
    "       zelslots-math help | --help | --version\n"
    "lines 1, 5, 10, 15 or 25; bet 1, 2, 3, 5, 10 or 20 coins a line; pay setting 6, 5 or 4;\n"
    "stops 1 to 22; slot 1 to 6 (its history is history.sqlite in the game's data folder; --file reads another\n"
    "history database, or a history file history-playerN.json of an earlier version).\n";

namespace {

template <class T>
T number(const std::string& option, const std::string& text, T low, T high) {
    T value{};
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < low || value > high)
        throw ArgumentError("--" + option + " wants a whole number from " + std::to_string(low) + " to " +
                            std::to_string(high) + ", not '" + text + "'");
    return value;
}

int oneof(const std::string& option, const std::string& text, std::initializer_list<int> allowed) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    const bool whole = !text.empty() && ec == std::errc() && ptr == end;
    if (!whole || std::find(allowed.begin(), allowed.end(), value) == allowed.end()) {
        std::string list;
        for (int a : allowed) list += (list.empty() ? "" : ", ") + std::to_string(a);
        throw ArgumentError("--" + option + " is one of " + list + ", not '" + text + "'");
    }
    return value;
}

std::array<int, reelcount> stoplist(const std::string& text) {
    std::array<int, reelcount> stops{};
    size_t start = 0;
    for (int r = 0; r < reelcount; ++r) {
        const size_t comma = text.find(',', start);
        const bool last = r == reelcount - 1;
        if (last != (comma == std::string::npos))
            throw ArgumentError("--stops wants five stops separated by commas, not '" + text + "'");
        const std::string part = text.substr(start, last ? std::string::npos : comma - start);
        stops[size_t(r)] = number<int>("stops", part, 1, stopcount);
        start = comma + 1;
    }
    return stops;
}

const std::map<std::string, Task> tasks = {
    {"evaluate", Task::evaluate}, {"par", Task::par}, {"simulate", Task::simulate}, {"table", Task::table},
    {"history", Task::history}};

const std::map<Task, std::set<std::string>> allowed = {
    {Task::evaluate, {"stops", "lines", "bet", "json"}},
    {Task::par, {"lines", "json"}},
    {Task::simulate, {"spins", "seed", "lines", "bet", "pay", "json"}},
    {Task::table, {"output"}},
    {Task::history, {"slot", "file", "json"}},
};

}  // namespace

Command parsecommand(const std::vector<std::string>& args) {
    Command c;
    if (args.empty()) throw ArgumentError("no command", true);
    const bool help = args[0] == "help" || args[0] == "--help" || args[0] == "-h";
    if (help || args[0] == "--version" || args[0] == "-v") {
        if (args.size() > 1) throw ArgumentError(args[0] + " takes no options", true);
        c.task = help ? Task::help : Task::version;
        return c;
    }
    const auto task = tasks.find(args[0]);
    if (task == tasks.end()) throw ArgumentError("unknown command '" + args[0] + "'", true);
    c.task = task->second;

    std::map<std::string, std::string> given;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) throw ArgumentError("unexpected '" + arg + "'", true);
        std::string name = arg.substr(2), value;
        const size_t equals = name.find('=');
        if (equals != std::string::npos) {
            value = name.substr(equals + 1);
            name.resize(equals);
        }
        if (!allowed.at(c.task).count(name)) throw ArgumentError("'" + args[0] + "' has no option --" + name, true);
        if (given.count(name)) throw ArgumentError("--" + name + " given twice");
        if (name == "json") {
            if (equals != std::string::npos) throw ArgumentError("--json takes no value");
        } else if (equals == std::string::npos) {
            if (i + 1 == args.size()) throw ArgumentError("--" + name + " wants a value");
            value = args[++i];
        }
        given[name] = value;
    }

    for (const auto& [name, value] : given) {
        if (name == "json") c.json = true;
        else if (name == "stops") c.stops = stoplist(value);
        else if (name == "lines") c.lines = oneof(name, value, {1, 5, 10, 15, 25});
        else if (name == "bet") c.bet = oneof(name, value, {1, 2, 3, 5, 10, 20});
        else if (name == "pay") c.machinepay = oneof(name, value, {6, 5, 4});
        else if (name == "spins") c.spins = number<int64_t>(name, value, 1, int64_t(1) << 40);
        else if (name == "seed") c.seed = number<uint64_t>(name, value, 0, UINT64_MAX);
        else if (name == "slot") c.slot = number<int>(name, value, 1, 6);
        else if (name == "file") {
            if (value.empty()) throw ArgumentError("--file wants a file name");
            c.file = value;
        } else if (name == "output") {
            if (value.empty()) throw ArgumentError("--output wants a file name");
            c.output = value;
        }
    }
    if (c.task == Task::evaluate && !given.count("stops")) throw ArgumentError("evaluate wants --stops S1,S2,S3,S4,S5");
    if (c.task == Task::table && !given.count("output")) throw ArgumentError("table wants --output FILE");
    if (c.task == Task::history && !given.count("slot")) throw ArgumentError("history wants --slot N (1 to 6)");
    return c;
}

}  // namespace zel::math
