#pragma once
// The small windows of the menus: the about window aboutzel, the pay table zelpays and the help.
// Their handlers act on their own form and on the machine's window, which they enable on closing.
#include <cstdint>

#include <QString>

#include "core/machine/zel.h"
#include "core/players/optionsform.h"

namespace zel {

// The application's title, as the about window names it.
inline const QString apptitle = QStringLiteral("slots_zel");

struct SmallForm {
    QString caption;
    bool visible = false;
    bool unloaded = false;
    int32_t left = 0, top = 0;   // twips from the screen's top left
    bool moved = false;          // placed by the game at left, top (else the desktop places it)
    int32_t height = 0;          // twips; 0 = the window's designed height
};

struct AboutForm : SmallForm {
    Control picIcon;
    Control lblTitle = captioned(QStringLiteral("Slots_ZEL\nv1.0"), false);  // the title over the version
    Control Line1;
    Control cmdOK = captioned(QStringLiteral("OK"));
};

struct PaysForm : SmallForm {
    Control btnunloadpays = captioned(QStringLiteral("Close Paytable"));
    PaysForm() { caption = QStringLiteral("ZEL  PAYTABLE"); }
};

struct HelpForm : SmallForm {
    Control cmdclose = captioned(QStringLiteral("Close"));
    HelpForm() { caption = QStringLiteral("ZEL  HELP"); }
};

// Closes frm (once) and gives the machine's window back.
void unloadsmall(Zel& zel, SmallForm& frm);

// Moves frm to the top left of the screen (where the machine's window sits too).
void placetopleft(SmallForm& frm);

class Aboutzel {
public:
    explicit Aboutzel(Zel& zel) : zel(zel) {}
    Zel& zel;
    AboutForm form;

    void Form_Load();
    // The rest of the about command once the window exists; mainnormal: the machine's window is
    // neither minimised nor maximised.
    void open(bool mainnormal);
    void centreform(bool mainnormal);
    void cmdOK_Click();
    void Form_QueryUnload();
};

class Zelpays {
public:
    explicit Zelpays(Zel& zel) : zel(zel) {}
    Zel& zel;
    PaysForm form;

    // Shows the window and places it; ownnormal: the pay table's own window is in its normal state.
    void open(bool ownnormal);
    void CenterForm(bool ownnormal);
    void btnunloadpays_Click();
    void Form_QueryUnload();
};

// How to play, the keys and where the records live. It changes nothing in the game: closing it
// gives the machine back.
class Zelhelp {
public:
    explicit Zelhelp(Zel& zel) : zel(zel) {}
    Zel& zel;
    HelpForm form;

    void open() { form.visible = true; }
    void cmdclose_Click() { Form_QueryUnload(); }
    void Form_QueryUnload();
};

}  // namespace zel
