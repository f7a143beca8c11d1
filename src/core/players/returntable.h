#pragma once
// The return to player of each pay setting at each number of lines: the build works the
// figures out exactly with zelslots-math and embeds them in the program as the resource
// :/zelslots/returntable.txt. Nothing is computed here; a program built without the table
// simply has no figure to show.
#include <QString>

namespace zel {

// The long-run share of the stakes paid back (1.0 = 100 %) under pay setting machinepay
// (6, 5 or 4) at `lines` lines (1, 5, 10, 15 or 25); -1 when the table holds no figure for them.
double returntoplayer(int machinepay, int lines);

// The caption under the pay options, e.g. "Return to player 95.12 % at 25 lines";
// empty when the table holds no figure.
QString returntoplayercaption(int machinepay, int lines);

}  // namespace zel
