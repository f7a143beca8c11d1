#include "ui/shell/aboutwindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "core/shell/programinfo.h"
#include "ui/machine/picturewidget.h"
#include "ui/shell/windowplacement.h"
#include "ui/shell/desktopname.h"

namespace zel {

namespace {
constexpr double twips = 15.0;       // per pixel
constexpr int aboutwidth = 382;      // pixels
}  // namespace

AboutWindow::AboutWindow(Zel& zel, std::function<void()> rendermainwindow, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      about(zel),
      rendermain(std::move(rendermainwindow)) {
    setObjectName(QStringLiteral("aboutzel"));
    setAttribute(Qt::WA_DeleteOnClose);

    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(14, 12, 48, 48);
    picIcon->setScaledContents(true);
    picIcon->setPixmap(zelpicture(QStringLiteral(":/panels/icon.png"), picIcon->size(), devicePixelRatioF()));
    picIcon->setAccessibleName(QStringLiteral("Zel Slots icon"));

    lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setTextFormat(Qt::PlainText);
    lblTitle->setGeometry(78, 8, aboutwidth - 90, 50);
    QFont titlefont = lblTitle->font();
    titlefont.setPixelSize(17);
    titlefont.setBold(true);
    lblTitle->setFont(titlefont);

    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(8, 64, aboutwidth - 16, 2);

    // The licence and the web address, in the room left of OK.
    QFont small = font();
    small.setPixelSize(11);
    lbllicence = new QLabel(QString::fromUtf8(programinfo::licence), this);
    lbllicence->setObjectName(QStringLiteral("lbllicence"));
    lbllicence->setTextFormat(Qt::PlainText);
    lbllicence->setFont(small);
    lbllicence->setGeometry(10, 70, aboutwidth - 116, 15);
    const QString web = QString::fromLatin1(programinfo::homepage);
    lblweb = new QLabel(QStringLiteral("<a href=\"%1\">%1</a>").arg(web.toHtmlEscaped()), this);
    lblweb->setObjectName(QStringLiteral("lblweb"));
    lblweb->setTextFormat(Qt::RichText);
    lblweb->setOpenExternalLinks(true);
    lblweb->setFont(small);
    lblweb->setGeometry(10, 86, aboutwidth - 116, 15);
    lblweb->setAccessibleName(QStringLiteral("Web address"));
    lblweb->setAccessibleDescription(web);

    cmdOK = new QPushButton(this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(aboutwidth - 100, 72, 88, 26);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, [this] { act([this] { about.cmdOK_Click(); }); });

    resize(aboutwidth, 121);
    render();
}

void AboutWindow::open(bool mainnormal, QWidget* mainwindow) {
    about.open(mainnormal);
    frame = framearound(mainwindow);
    render();
    if (about.form.moved) placeframe(this, screenpoint(this, about.form.left, about.form.top), frame);
    becomedialogof(this, mainwindow);
    if (about.form.visible && !about.form.unloaded) show();
    if (rendermain) rendermain();
    cmdOK->setFocus(Qt::OtherFocusReason);
    activateWindow();
}

void AboutWindow::act(const std::function<void()>& handler) {
    handler();
    render();
    if (rendermain) rendermain();
}

void AboutWindow::render() {
    const AboutForm& f = about.form;
    if (const QString title = desktoptitle(f.caption); windowTitle() != title) setWindowTitle(title);
    lblTitle->setText(f.lblTitle.caption);
    lblTitle->setVisible(f.lblTitle.visible);
    cmdOK->setText(f.cmdOK.caption);
    if (f.height > 0) {
        // The height counts the title bar, as the machine's window does.
        const int frameextra = frame.top() + frame.bottom();
        const int client = int(f.height / twips) - std::max(frameextra, 0);
        if (height() != client) setFixedSize(aboutwidth, std::max(client, cmdOK->geometry().bottom() + 8));
    }
    if (f.unloaded && isVisible()) close();
}

void AboutWindow::closeEvent(QCloseEvent* event) {
    if (!about.form.unloaded) act([this] { about.Form_QueryUnload(); });
    event->accept();
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    // Escape or Enter closes the window, as its button does.
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) close();
    else QWidget::keyPressEvent(event);
}

}  // namespace zel
