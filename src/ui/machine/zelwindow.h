#pragma once
// The main window `zel`: the slot machine on screen. It builds the controls at the game's
// places, draws the form model onto them after every handler (and at every wait and event
// pump inside one, so the reels roll visibly), forwards clicks, keys and menu commands to the
// machine's handlers, and runs one timer per timer control of the form.
#include <functional>
#include <utility>

#include <QHash>
#include <QMainWindow>
#include <QString>

#include "core/machine/dispatcher.h"
#include "core/machine/formmodel.h"
#include "ui/machine/settledannouncer.h"

class QAbstractButton;
class QAction;
class QMenuBar;
class QTimer;

namespace zel {

class Zel;
class QtPlatform;
class CabinetWidget;
class ReelWidget;
class PictureWidget;
class LinesOverlayWidget;
class ImageButtonWidget;
class DisplayWidget;
class GamblePanelWidget;
class StageWidget;
class WindowMemory;

class ZelWindow : public QMainWindow {
    Q_OBJECT
public:
    // When a QtPlatform is given, its waits and event pumps draw this window, and its display
    // changes set this window's scale.
    explicit ZelWindow(Zel& machine, QtPlatform* platform = nullptr);
    ~ZelWindow() override;

    // Brings every widget in line with the form; `now` paints the changes before returning.
    void render(bool now = false);

    // Where every click, key, menu command and timer tick goes (and the desktop's request to end).
    Dispatcher& input() { return dispatcher; }
    // Shows the machine (and the dialog it waits for) in front of the desktop's other windows, as a
    // second start of the game asks; `activationtoken` is the desktop's leave to take the focus.
    void bringtofront(const QByteArray& activationtoken);

    // What the window tells assistive technology once the machine has settled.
    SettledAnnouncer& announcements() { return announcer; }

    // The scale the machine is drawn at: the game's own (1, or larger for the small display) while
    // the window has the size the game gives it, else whatever fits the window the player made.
    double drawscale() const { return scale; }
    // Fullscreen on, or back to the window it was (F11).
    void togglefullscreen();
    // Gives the window the size and state it had when the game last ended (nothing without a store).
    void restoreplace();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildreels();
    void builddeck();
    void buildmenus();
    void buildsoundswitch(QMenuBar* bar);
    void buildtimers();
    ImageButtonWidget* makebutton(const QString& name, const QString& face, const QString& fallback);
    void connectpress(QAbstractButton* button, Button which, int index = 0);

    void renderreels(double scale);
    void renderdeck(double scale);
    void renderwindow();
    void rendertimers();
    void timertick(int timer);
    void applyscale(double scale);
    void setdesignscale(double scale);
    void fitmachine();
    QSize machinesize(double scale) const;
    void buildwindowkeys();
    QWidget* focustarget(const QString& name) const;

    Zel& zel;
    QtPlatform* platform;
    Dispatcher dispatcher;
    double scale = 0.0;        // what the machine is drawn at
    double designscale = 0.0;  // what the game shows it at
    bool designasked = true;   // the game asked for its display: the window goes back to its size
    bool rendering = false;
    QString appliedfocus;
    int32_t appliedleft = -1, appliedtop = -1;

    StageWidget* stage = nullptr;
    CabinetWidget* cabinetwidget = nullptr;
    ReelWidget* reels[6] = {};
    PictureWidget* lin[27] = {};
    LinesOverlayWidget* overlay = nullptr;
    ImageButtonWidget* play[7] = {};
    ImageButtonWidget* payline[6] = {};
    ImageButtonWidget* COINSIN = nullptr;
    ImageButtonWidget* doublebutton = nullptr;
    ImageButtonWidget* takewin = nullptr;
    DisplayWidget* creditmeter = nullptr;
    DisplayWidget* winmeter = nullptr;
    DisplayWidget* lastbetmeter = nullptr;
    DisplayWidget* thiswinmeter = nullptr;
    DisplayWidget* spinsleft = nullptr;
    PictureWidget* pannomoney = nullptr;
    GamblePanelWidget* gamble = nullptr;

    QAction* menus[commandcount] = {};
    // What each of the machine's buttons presses (Enter on a focused button presses it too).
    QHash<const QObject*, std::pair<Button, int>> presses;
    QTimer* timers[timercount] = {};
    SettledAnnouncer announcer;
    WindowMemory* memory = nullptr;
};

}  // namespace zel
