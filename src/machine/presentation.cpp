// PENDING: the winning-line and scatter presentation are being written.
#include "machine/zel.h"

namespace zel {
void Zel::Timer1_Timer() {}
void Zel::Timerscatters_Timer() {}
void Zel::Timer4_Timer() {}
}  // namespace zel
