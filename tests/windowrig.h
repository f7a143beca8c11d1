#pragma once
// The machine's real window on the offscreen platform, with the secondary windows the menu opens,
// a settings file of its own, waits that take no time and draws a test can script.
#include <deque>
#include <functional>
#include <memory>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/machine/zel.h"
#include "ui/machine/zelwindow.h"
#include "ui/platform/qtplatform.h"
#include "core/players/player.h"
#include "ui/shell/secondarywindow.h"

namespace zeltest {

// The real platform with waits that take no time and random draws a test can script.
class QuickPlatform : public zel::QtPlatform {
public:
    explicit QuickPlatform(const QString& inifile) : QtPlatform(Options{false, false, inifile}) {}
    double rnd() override {
        if (scripted.empty()) return QtPlatform::rnd();
        const double r = scripted.front();
        scripted.pop_front();
        return r;
    }
    // The game's end is recorded, so a test can see when it would have happened.
    void endprogram() override { ended = true; }
    bool ended = false;
    // Runs at every wait and event pump, inside the handler that asks for it.
    std::function<void()> onpause;
    void wait(int ms) override {
        if (onpause) onpause();
        QtPlatform::wait(ms);
    }
    void doevents() override {
        if (onpause) onpause();
        QtPlatform::doevents();
    }
    void scriptstops(std::initializer_list<int> stops) {
        for (int s : stops) scripted.push_back((s - 0.5) / 22.0);
    }
    std::deque<double> scripted;
};

// Stops that show no pair on any line and no scatter: a spin that wins nothing.
inline void scriptlosingspin(QuickPlatform& p) {
    p.scriptstops({5, 3, 5, 3, 3});
    p.scripted.push_back(0.0);  // the pay-setting draw
}

// J on line 1 from reel 1 to reel 5 (100 coins a coin bet), and the pay-setting draw that lets it stand.
inline void scriptwinningspin(QuickPlatform& p) {
    p.scriptstops({5, 5, 5, 11, 6});
    p.scripted.push_back(0.0);
}

struct Cabinet {
    QTemporaryDir dir;
    zel::Player player;
    QuickPlatform platform{dir.filePath(QStringLiteral("zelslots.conf"))};
    zel::Zel machine{player, platform};
    zel::ZelWindow window{machine, &platform};

    Cabinet() {
        zel::installsecondarywindows(machine, window);
        machine.Form_Load();
        window.render();
        window.show();
    }
    ~Cabinet() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != &window && w->isWindow()) delete w;
    }

    QString file() const { return dir.filePath(QStringLiteral("zelslots.conf")); }

    template <class T = QAbstractButton>
    T* control(const QString& name) {
        T* found = window.findChild<T*>(name);
        if (!found) qFatal("no control %s", qPrintable(name));
        return found;
    }
    QAction* menu(const char* name) { return window.findChild<QAction*>(QLatin1String(name)); }
    void givecredit(int32_t coins) {
        player.bank = coins;
        player.amountinvested = coins;
        machine.showcredit();
        window.render();
    }
    // A secondary window that is open now, by its name.
    static QWidget* secondary(const char* name) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String(name) && w->isVisible()) return w;
        return nullptr;
    }
    // Presses a key where the window's keyboard focus is.
    void key(Qt::Key k) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == &window ? focus : static_cast<QWidget*>(&window), k);
    }
};

// Runs `input` at every event pump from now on (the game lets window events run at fixed points
// inside its handlers); it returns true when it has done its part. Stops with the returned object.
inline std::unique_ptr<QTimer> atpumps(std::function<bool()> input) {
    auto timer = std::make_unique<QTimer>();
    timer->setInterval(0);
    QObject::connect(timer.get(), &QTimer::timeout, timer.get(), [t = timer.get(), input] {
        if (input()) t->stop();
    });
    timer->start();
    return timer;
}

}  // namespace zeltest
