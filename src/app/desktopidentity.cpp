#include "app/desktopidentity.h"

#include <QGuiApplication>
#include <QIcon>

#include "assets/catalogue.h"
#include "core/shell/programinfo.h"

namespace zel {

void takedesktopidentity() {
    const QString id = QString::fromLatin1(programinfo::desktopid);
    QGuiApplication::setDesktopFileName(id);
    QIcon embedded;
    for (const int size : assets::programiconsizes)
        embedded.addFile(QStringLiteral(":/") + QString::fromStdString(assets::programiconpath(size)), QSize(size, size));
    QGuiApplication::setWindowIcon(QIcon::fromTheme(id, embedded));
}

}  // namespace zel
