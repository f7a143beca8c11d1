// PENDING: the gamble handlers are being written.
#include "machine/zel.h"

namespace zel {
void Zel::doublebutton_Click() {}
void Zel::betred_Click() {}
void Zel::betblack_Click() {}
void Zel::suitbet_Click(int) {}
void Zel::cancelbet_Click() {}
int Zel::drawcard() { return 0; }
}  // namespace zel
