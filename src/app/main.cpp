// zelslots: a five-reel video slot machine.
#include <QApplication>
#include <QDialog>

#include "app/commandline.h"
#include "app/desktopidentity.h"

#include "core/machine/zel.h"
#include "ui/machine/zelwindow.h"
#include "ui/platform/exitsignals.h"
#include "ui/platform/qtplatform.h"
#include "core/platform/settingsstore.h"
#include "core/players/player.h"
#include "ui/shell/desktopname.h"
#include "ui/shell/secondarywindow.h"

int main(int argc, char** argv) {
    // --help, --version and a bad option are answered without a display, before the store is touched.
    const QString settingsfile = zel::SettingsStore().location();
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (const auto status = zel::readcommandline(arguments, settingsfile)) return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zelslots"));
    zel::takedesktopidentity();
    QApplication::setApplicationDisplayName(zel::desktopname);

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
