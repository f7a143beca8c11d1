#include "core/shell/secondaryforms.h"

namespace zel {

namespace {
// The about window shows only its top part: icon, title, line and button.
constexpr int32_t aboutheight = 1815;
}  // namespace

void placetopleft(SmallForm& frm) {
    frm.left = 0;
    frm.top = 0;
    frm.moved = true;
}

void Aboutzel::Form_Load() { form.caption = QStringLiteral("About ") + apptitle; }

void Aboutzel::open(bool mainnormal) {
    Form_Load();
    form.visible = true;
    form.lblTitle.visible = true;
    form.height = aboutheight;
    centreform(mainnormal);
}

void Aboutzel::centreform(bool mainnormal) {
    if (mainnormal) placetopleft(form);
}

void Aboutzel::cmdOK_Click() { Form_QueryUnload(); }

void Aboutzel::Form_QueryUnload() { unloadsmall(zel, form); }

void Zelpays::open(bool ownnormal) {
    form.visible = true;
    CenterForm(ownnormal);
}

void Zelpays::CenterForm(bool ownnormal) {
    if (ownnormal) placetopleft(form);
}

void Zelpays::btnunloadpays_Click() { Form_QueryUnload(); }

void unloadsmall(Zel& zel, SmallForm& frm) {
    if (frm.unloaded) return;
    zel.form.enabled = true;
    frm.visible = false;
    frm.unloaded = true;
}

void Zelpays::Form_QueryUnload() { unloadsmall(zel, form); }

void Zelhelp::Form_QueryUnload() { unloadsmall(zel, form); }

}  // namespace zel
