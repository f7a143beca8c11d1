// The real game on a Wayland desktop, answering a test: the game's own start-up and windows, with a
// line protocol on standard input for what a pointer cannot reach from outside (opening a window
// by its command, where a control is, what the game holds). Clicks come from the compositor.
//   open about|paytable|options|history|help   the menu command, as its key would give it
//   where NAME     "at NAME X Y W H": the control's place in the machine window's own pixels
//   credit         "credit N"
//   sharpest       "sharpest D dpr R": the densest picture drawn so far, and the window's pixel ratio
//   active         "active NAME": the window Qt holds active ("none" for none)
#include <cstdio>
#include <unistd.h>

#include <QApplication>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include "app/game.h"
#include "core/machine/zel.h"
#include "ui/machine/picturewidget.h"
#include "ui/machine/zelwindow.h"
#include "ui/platform/qtplatform.h"

using namespace zel;

namespace {

void say(const QString& line) {
    const QByteArray bytes = line.toUtf8() + '\n';
    [[maybe_unused]] const ssize_t written = ::write(1, bytes.constData(), size_t(bytes.size()));
}

qreal sharpest = 0;

void answer(const QString& line, Zel& zel, ZelWindow& window) {
    const QString verb = line.section(QLatin1Char(' '), 0, 0), what = line.section(QLatin1Char(' '), 1);
    if (verb == QLatin1String("open")) {
        const QStringList names{QStringLiteral("about"), QStringLiteral("paytable"), QStringLiteral("options"),
                                QStringLiteral("quickcredit"), QStringLiteral("exit"), QStringLiteral("history"),
                                QStringLiteral("help")};
        const int command = int(names.indexOf(what));
        if (command >= 0) window.input().command(Command(command));
        say(QStringLiteral("opened ") + what);
    } else if (verb == QLatin1String("where")) {
        QWidget* control = window.findChild<QWidget*>(what);
        const QRect r = control ? QRect(control->mapTo(&window, QPoint(0, 0)), control->size()) : QRect();
        say(QStringLiteral("at %1 %2 %3 %4 %5").arg(what).arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()));
    } else if (verb == QLatin1String("credit")) {
        say(QStringLiteral("credit %1").arg(zel.player.bank));
    } else if (verb == QLatin1String("sharpest")) {
        say(QStringLiteral("sharpest %1 dpr %2").arg(sharpest).arg(window.devicePixelRatioF()));
    } else if (verb == QLatin1String("active")) {
        const QWidget* active = QApplication::activeWindow();
        say(QStringLiteral("active ") + (active ? active->objectName() : QStringLiteral("none")));
    } else {
        say(QStringLiteral("what? ") + line);
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::unique_ptr<QSocketNotifier> input;
    QByteArray pending;
    GameHooks hooks;
    hooks.started = [&](Zel& zel, ZelWindow& window, QtPlatform&) {
        watchpicturedensity([](const QString&, qreal, qreal chosen) { sharpest = std::max(sharpest, chosen); });
        input = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
        QObject::connect(input.get(), &QSocketNotifier::activated, [&zel, &window, &pending, &input] {
            char chunk[256];
            const ssize_t got = ::read(STDIN_FILENO, chunk, sizeof chunk);
            if (got <= 0) {
                input->setEnabled(false);
                return;
            }
            pending.append(chunk, int(got));
            for (qsizetype end; (end = pending.indexOf('\n')) >= 0; pending.remove(0, end + 1))
                answer(QString::fromUtf8(pending.left(end)), zel, window);
        });
        QTimer::singleShot(0, [] { say(QStringLiteral("ready")); });
    };
    return rungame(argc, argv, hooks);
}
