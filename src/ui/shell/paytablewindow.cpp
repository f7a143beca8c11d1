#include "ui/shell/paytablewindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "ui/machine/accessiblenames.h"
#include "ui/machine/picturewidget.h"
#include "ui/shell/windowplacement.h"
#include "ui/shell/desktopname.h"

namespace zel {

namespace {
constexpr int picturewidth = 500;
constexpr int pictureheight = 378;
constexpr int buttonstrip = 40;  // below the picture
}  // namespace

PaytableWindow::PaytableWindow(Zel& zel, std::function<void()> rendermainwindow, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      pays(zel),
      rendermain(std::move(rendermainwindow)) {
    setObjectName(QStringLiteral("zelpays"));
    setAttribute(Qt::WA_DeleteOnClose);
    setStyleSheet(QStringLiteral("#zelpays { background: #14233f; }"));

    picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picpays"));
    picture->setGeometry(0, 0, picturewidth, pictureheight);
    picture->setPixmap(zelpicture(QStringLiteral(":/panels/zelpays.png"), picture->size(), devicePixelRatioF()));
    picture->setAccessibleName(QStringLiteral("Pay table"));
    picture->setAccessibleDescription(paytablewords());

    btnunloadpays = new QPushButton(this);
    btnunloadpays->setObjectName(QStringLiteral("btnunloadpays"));
    btnunloadpays->setGeometry((picturewidth - 140) / 2, pictureheight + 7, 140, 26);
    btnunloadpays->setDefault(true);
    connect(btnunloadpays, &QPushButton::clicked, this, [this] { act([this] { pays.btnunloadpays_Click(); }); });

    setFixedSize(picturewidth, pictureheight + buttonstrip);
    render();
}

void PaytableWindow::open(QWidget* mainwindow) {
    // The window's own state decides whether it is placed: a fresh window is in its normal state.
    pays.open(!(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized)));
    render();
    if (pays.form.moved) placeframe(this, screenpoint(this, pays.form.left, pays.form.top), framearound(mainwindow));
    becomedialogof(this, mainwindow);
    if (pays.form.visible && !pays.form.unloaded) show();
    if (rendermain) rendermain();
    btnunloadpays->setFocus(Qt::OtherFocusReason);
    activateWindow();
}

void PaytableWindow::act(const std::function<void()>& handler) {
    handler();
    render();
    if (rendermain) rendermain();
}

void PaytableWindow::render() {
    const PaysForm& f = pays.form;
    if (const QString title = desktoptitle(f.caption); windowTitle() != title) setWindowTitle(title);
    btnunloadpays->setText(f.btnunloadpays.caption);
    if (f.unloaded && isVisible()) close();
}

void PaytableWindow::closeEvent(QCloseEvent* event) {
    if (!pays.form.unloaded) act([this] { pays.Form_QueryUnload(); });
    event->accept();
}

void PaytableWindow::keyPressEvent(QKeyEvent* event) {
    // Escape or Enter closes the window, as its button does.
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) close();
    else QWidget::keyPressEvent(event);
}

}  // namespace zel
