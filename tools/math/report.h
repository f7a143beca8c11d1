#pragma once
// The tool's answers: JSON for programs, a readable table for people, and the return table
// that the build embeds in the game.
#include <QByteArray>
#include <QString>
#include <vector>

#include "math/par.h"
#include "math/simulation.h"
#include "math/spinreport.h"

namespace zel::math {

QByteArray spinjson(const SpinReport& r, int lines, int bet);
QString spintext(const SpinReport& r, int lines, int bet);

// seconds on the wall clock and of processor time.
QByteArray parjson(const ParFigures& p, double seconds, double cpuseconds);
QString partext(const ParFigures& p, double seconds, double cpuseconds);

QByteArray simulationjson(const SimulationFigures& f, const SimulationSettings& s);
QString simulationtext(const SimulationFigures& f, const SimulationSettings& s);

// One line per pay setting and number of lines: "machinepay lines rtp", rtp to the last digit.
QByteArray returntablefile(const std::vector<ParFigures>& figures);

}  // namespace zel::math
