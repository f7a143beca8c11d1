#include "shell/secondarywindow.h"

#include "machine/zel.h"
#include "machine/zelwindow.h"

namespace zel {

void installsecondarywindows(Zel& machine, ZelWindow& window) {
    // The options, pay-table and about windows are created here once they exist. Until then a
    // command that asks for one leaves the machine usable: a menu command may have disabled
    // the main window for the secondary window, which would have enabled it again on closing.
    machine.openwindow = [&machine, &window](SecondaryWindow) {
        machine.form.enabled = true;
        window.render();
    };
}

}  // namespace zel
