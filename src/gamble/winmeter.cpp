// PENDING: the win meter and collect are being written.
#include "machine/zel.h"

namespace zel {
void Zel::Timerwincounter_Timer() {}
void Zel::takewin_Click() {}
}  // namespace zel
