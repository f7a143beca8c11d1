#include "ui/shell/helpwindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "core/platform/historystore.h"
#include "core/shell/programinfo.h"
#include "ui/shell/desktopname.h"
#include "ui/shell/windowplacement.h"

namespace zel {

namespace {
QString row(const char* key, const char* what) {
    return QStringLiteral("<tr><td><b>%1</b></td><td>&nbsp;&nbsp;</td><td>%2</td></tr>")
        .arg(QString::fromUtf8(key), QString::fromUtf8(what));
}

QString place(const QString& file) {
    return file.isEmpty() ? QStringLiteral("<i>not kept in this run</i>") : QStringLiteral("<code>%1</code>").arg(file.toHtmlEscaped());
}
}  // namespace

QString HelpWindow::contents(const QString& records, const QString& history) {
    QString html;
    html += QStringLiteral("<h2>How to play</h2>");
    html += QStringLiteral(
        "<p>Press <b>INSERT COIN</b> to add 20 coins to the credit, or take <b>Quick Credit</b> from the "
        "menu bar for 5000 at a time. The five line buttons play 1, 5, 10, 15 or 25 lines; each of the "
        "six play buttons spins at 1, 2, 3, 5, 10 or 20 coins per line. After the first spin the space "
        "bar spins again at the same bet.</p>"
        "<p>A line pays when the same symbol runs from the leftmost reel, as the pay table shows. The "
        "eagle is wild on reels 2, 3 and 4 and stays in place for one more spin. Two or more mountains "
        "anywhere pay a multiple of the stake; three, four or five start 10, 20 or 30 free spins, in "
        "which wins that use a wild are multiplied by 2, 3, 5 or 10. Collect the free-spin total with "
        "<b>COLLECT</b>.</p>"
        "<p>After a win, <b>GAMBLE</b> lets you stake it on the colour (double) or the suit (four times) "
        "of a card; collect whenever you like.</p>"
        "<p><b>Options</b> chooses or names the player (six, each with a credit and statistics of their "
        "own) and sets the pay setting, the reel speed, the win counter and the screen size. The window "
        "can be resized, maximised or made fullscreen: the machine grows with it.</p>");
    html += QStringLiteral("<h2>Keys</h2><table>");
    html += row("Space", "Spin again with the last bet");
    html += row("Tab, Shift+Tab", "Go from button to button");
    html += row("Enter", "Press the button that has the focus");
    html += row("Escape", "Close the window in front");
    html += row("Ctrl+M", "Sound on or off");
    html += row("F1", "This help");
    html += row("F11", "Fullscreen on or off");
    html += row("Ctrl+Q", "Save everything and end the game");
    html += row("Alt + underlined letter", "Open that menu command");
    html += QStringLiteral("</table>");
    html += QStringLiteral("<h2>Your records</h2>");
    html += QStringLiteral(
        "<p>Every coin is saved the moment it settles: the players' credit and statistics, a free-spin "
        "feature or a gamble still in play, and the window's size, in %1. The games played are kept in "
        "the history, %2. A feature left unfinished plays on at the next start.</p>")
                .arg(place(records), place(history));
    html += QStringLiteral("<p>%1 &mdash; <a href=\"%2\">%2</a></p>")
                .arg(QString::fromUtf8(programinfo::licence).toHtmlEscaped(), QString::fromLatin1(programinfo::homepage));
    return html;
}

HelpWindow::HelpWindow(Zel& zel, std::function<void()> rendermainwindow, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint),
      help(zel),
      rendermain(std::move(rendermainwindow)) {
    setObjectName(QStringLiteral("zelhelp"));
    setAttribute(Qt::WA_DeleteOnClose);

    text = new QTextBrowser(this);
    text->setObjectName(QStringLiteral("helptext"));
    text->setOpenExternalLinks(true);
    text->setAccessibleName(QStringLiteral("Help"));
    HistoryStore* history = zel.platform.history();
    text->setHtml(contents(zel.platform.storelocation(), history ? history->databasefile() : QString()));

    cmdclose = new QPushButton(this);
    cmdclose->setObjectName(QStringLiteral("cmdclose"));
    cmdclose->setDefault(true);
    connect(cmdclose, &QPushButton::clicked, this, [this] { act([this] { help.cmdclose_Click(); }); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text, 1);
    layout->addWidget(cmdclose, 0, Qt::AlignRight);
    render();
}

void HelpWindow::open(QWidget* mainwindow) {
    help.open();
    const QRect free = freearea(mainwindow);
    const QSize room = free.isEmpty() ? QSize(560, 600) : free.size() - QSize(40, 60);
    resize(QSize(560, 600).boundedTo(room));
    render();
    placeovermachine(this, mainwindow);
    becomedialogof(this, mainwindow);
    show();
    if (rendermain) rendermain();
    cmdclose->setFocus(Qt::OtherFocusReason);
    activateWindow();
}

void HelpWindow::act(const std::function<void()>& handler) {
    handler();
    render();
    if (rendermain) rendermain();
}

void HelpWindow::render() {
    const HelpForm& f = help.form;
    if (const QString title = desktoptitle(f.caption); windowTitle() != title) setWindowTitle(title);
    cmdclose->setText(f.cmdclose.caption);
    if (f.unloaded && isVisible()) close();
}

void HelpWindow::closeEvent(QCloseEvent* event) {
    if (!help.form.unloaded) act([this] { help.Form_QueryUnload(); });
    event->accept();
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    // Escape closes the window, as its button does; F1 again too.
    const int key = event->key();
    if (key == Qt::Key_Escape || key == Qt::Key_F1) close();
    else QWidget::keyPressEvent(event);
}

}  // namespace zel
