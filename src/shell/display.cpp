#include "shell/display.h"

#include <QStringList>

namespace zel {

bool IsScreenFontSmall(Player& player, Platform& platform) {
    player.screendpi = platform.logicaldpi();
    return player.screendpi == 96;
}

QString largefontsmessage() {
    const QStringList lines = {
        QStringLiteral("You are still using Large Fonts!!,This Game Will Not Run Correctly."),
        QStringLiteral("There is no facility in this software to change them."),
        QStringLiteral("To Change Manually :-"),
        QStringLiteral("Right Click On DeskTop"),
        QStringLiteral("Select Properties"),
        QStringLiteral("Select Settings"),
        QStringLiteral("Click Advanced Button"),
        QStringLiteral("Select SMALL Fonts (or 96 DPI)"),
        QStringLiteral("A Re-Boot Is Then Required"),
        QString(),
        QStringLiteral("To Change Back After Do The Reverse :-"),
    };
    QString text;
    for (const QString& line : lines) text += line + QLatin1Char('\n');
    return text;
}

QString largefontstitle() { return QStringLiteral("               LARGE FONTS BEING USED !!!"); }

void changeres(Platform& platform, int width, int height) { platform.changedisplay(width, height); }

void restoreres(Platform& platform) { platform.changedisplay(0, 0); }

}  // namespace zel
