// PENDING: the menus and the exit sequence are being written.
#include "machine/zel.h"

namespace zel {
void Zel::mnuabout_Click() {}
void Zel::mnuptble_Click() {}
void Zel::mnuplayer_Click() {}
void Zel::mnuexit_Click() {}
void Zel::Form_QueryUnload() {}
}  // namespace zel
