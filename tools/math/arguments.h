#pragma once
// The command line of zelslots-math.
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/machine/reelstrips.h"

namespace zel::math {

enum class Task { evaluate, par, simulate, table, history, help, version };

struct Command {
    Task task = Task::help;
    std::array<int, reelcount> stops{};
    int lines = 25;
    int bet = 1;
    int machinepay = 6;
    int64_t spins = 1000000;
    uint64_t seed = 1;
    bool json = false;
    std::string output;  // table: the file to write
    int slot = 0;        // history: the player slot 1..6
    std::string file;    // history: the file to read instead of the slot's own
};

// A command line the tool cannot act on; what() is the one-line reason. A command or option the
// tool does not know at all is answered with the usage as well.
class ArgumentError : public std::runtime_error {
public:
    explicit ArgumentError(const std::string& reason, bool unknown = false)
        : std::runtime_error(reason), showusage(unknown) {}
    bool showusage;
};

// args without the program name. Throws ArgumentError.
Command parsecommand(const std::vector<std::string>& args);

extern const char* const usage;

}  // namespace zel::math
