// zelslots: a five-reel video slot machine.
#include <QApplication>
#include <QDialog>

#include "core/machine/zel.h"
#include "ui/machine/zelwindow.h"
#include "ui/platform/exitsignals.h"
#include "ui/platform/qtplatform.h"
#include "core/players/player.h"
#include "ui/shell/secondarywindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zelslots"));

    zel::Player player;
    zel::QtPlatform platform;
    zel::Zel machine(player, platform);
    zel::ZelWindow window(machine, &platform);
    zel::installsecondarywindows(machine, window);

    // A logout, a shutdown or a kill ends the game as its exit command does, once the machine has
    // settled. Nobody is there to answer a message box: one that is up is closed as its Escape would.
    zel::ExitSignals exitsignals([&machine, &window](int) {
        machine.records.unattended = true;
        machine.journal.book.unattended = true;
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) box->reject();
        window.input().command(zel::Command::exit);
    });

    // Start-up may end the program (a screen with large fonts): the platform then exits at once.
    machine.Form_Load();
    window.render();
    window.show();
    return app.exec();
}
