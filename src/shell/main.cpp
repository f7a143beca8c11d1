// zelslots: a five-reel video slot machine.
#include <QApplication>

#include "machine/zel.h"
#include "machine/zelwindow.h"
#include "platform/qtplatform.h"
#include "players/player.h"
#include "shell/secondarywindow.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zelslots"));

    zel::Player player;
    zel::QtPlatform platform;
    zel::Zel machine(player, platform);
    zel::ZelWindow window(machine, &platform);
    zel::installsecondarywindows(machine, window);

    // Start-up may end the program (a screen with large fonts): the platform then exits at once.
    machine.Form_Load();
    window.render();
    window.show();
    return app.exec();
}
