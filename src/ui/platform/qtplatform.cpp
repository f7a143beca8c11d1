#include "ui/platform/qtplatform.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include <QApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>
#include <QStringList>

#include "core/history/historybook.h"
#include "store/settingsfile.h"
#include "ui/sound/soundbank.h"
#include "ui/shell/desktopname.h"

namespace zel {

QtPlatform::QtPlatform() : QtPlatform(Options{}) {}

QtPlatform::QtPlatform(const Options& o) : options(o), newsrelay(std::make_unique<QObject>()) {
    GameStore::Options where;
    where.settingsfile = o.settingsfile.isEmpty() ? userstorefile() : o.settingsfile;
    where.datafolder = datafolderfor(o);
    where.durable = o.durable;
    store = std::make_unique<GameStore>(where);
    // The writer's news reaches the window thread as an event, so it is told between handlers.
    store->onnews = [relay = newsrelay.get(), this] {
        QMetaObject::invokeMethod(relay, [this] { if (newshook) newshook(); }, Qt::QueuedConnection);
    };
    if (options.sound) sounds = std::make_unique<SoundBank>();
    soundswitch = store->value(QStringLiteral("sound"), QStringLiteral("on")) != QStringLiteral("0");
    if (sounds) sounds->setenabled(soundswitch);
#ifndef NDEBUG
    const QString text = qEnvironmentVariable("ZELSLOTS_SCRIPT");
    if (!text.isEmpty()) {
        QString rejected;
        script = parsescript(text, &rejected);
        if (!rejected.isEmpty())
            std::fprintf(stderr, "zelslots: ZELSLOTS_SCRIPT entries left out (need numbers in [0, 1)): %s\n",
                         qPrintable(rejected));
    }
#endif
}

QtPlatform::~QtPlatform() {
    // Every write reaches the disk, and the writer stops, before what it tells goes.
    store.reset();
}

void QtPlatform::randomize() { rng.mixclock(clocknow()); }

double QtPlatform::rnd() {
#ifndef NDEBUG
    if (!script.empty()) {
        const double r = script.front();
        script.pop_front();
        return r;
    }
#endif
    return rng.next();
}

void QtPlatform::wait(int ms) {
    // The drawing counts inside the wait, so an animation lasts the sum of its waits. Frames of
    // one animation follow each other: when this wait starts just after the last one ended (the
    // thread woke a little late), it is counted from where the last one was due, so lateness
    // does not add up over a landing. After a real pause the count starts afresh.
    using namespace std::chrono;
    const auto now = steady_clock::now();
    const auto late = now - lastdue;
    const auto start = (late >= steady_clock::duration::zero() && late < milliseconds(catchupms)) ? lastdue : now;
    const auto due = start + milliseconds(ms > 0 ? ms : 0);
    if (renderhook) renderhook();
    if (options.sleeps) std::this_thread::sleep_until(due);
    lastdue = due;
}

void QtPlatform::doevents() {
    if (renderhook) renderhook();
    QCoreApplication::processEvents();
}

void QtPlatform::playclip(int n, bool loop) {
    if (sounds) sounds->play(n, loop);
}

void QtPlatform::setsound(bool on) {
    soundswitch = on;
    if (sounds) sounds->setenabled(on);
    // The switch acts at once; the store keeps it as soon as it can.
    store->commit({{QStringLiteral("sound"), {{QStringLiteral("on"), on ? QStringLiteral("1") : QStringLiteral("0")}}}});
}

namespace {
// The desktop draws a title bar only as wide as the window and cuts a longer title short. The box
// takes the width of its whole title as the desktop shows it (with the game's name after it, in a
// bold face) and of the title bar's buttons.
void keeptitlewhole(QMessageBox& box) {
    constexpr int titlebarbuttons = 120;  // the window's icon and its close, maximise and minimise buttons
    QString shown = box.windowTitle();
    const QString name = QGuiApplication::applicationDisplayName();
    if (!name.isEmpty() && !shown.endsWith(name)) shown += QStringLiteral(" \u2014 ") + name;
    QFont titlefont = QApplication::font();
    titlefont.setBold(true);
    const int width = QFontMetrics(titlefont).horizontalAdvance(shown) + titlebarbuttons;
    // The box sizes itself to its layout when shown: a blank row as wide as the title sets its least width.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
}
}  // namespace

MsgResult QtPlatform::msgbox(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) {
    if (renderhook) renderhook();
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(desktoptitle(title));
    // Plain text: a player's name is never read as markup; line breaks show as lines.
    box.setTextFormat(Qt::PlainText);
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(shown);
    box.setIcon(icon == MsgIcon::stop ? QMessageBox::Critical : QMessageBox::Information);
    if (buttons == MsgButtons::yesNoDefaultNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        keeptitlewhole(box);
        return box.exec() == QMessageBox::Yes ? MsgResult::yes : MsgResult::no;
    }
    box.setStandardButtons(QMessageBox::Ok);
    keeptitlewhole(box);
    box.exec();
    return MsgResult::ok;
}

QString QtPlatform::getsetting(const QString& section, const QString& key) { return store->value(section, key); }

void QtPlatform::commit(const QList<Section>& sections) { store->commit(sections); }

void QtPlatform::flush() { store->flush(); }

QStringList QtPlatform::storenews() { return store->news(); }

void QtPlatform::keeporiginal(const QString& why) { store->keeporiginal(why); }

QString QtPlatform::storelocation() { return store->location(); }

HistoryStore* QtPlatform::history() { return store->history(); }

QString QtPlatform::datafolderfor(const Options& o) {
    if (!o.datafolder.isEmpty()) return o.datafolder;
    if (!o.settingsfile.isEmpty()) return {};
    return userdatafolder();
}

qint64 QtPlatform::nowms() { return QDateTime::currentMSecsSinceEpoch(); }

int QtPlatform::logicaldpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? int(std::lround(screen->logicalDotsPerInchX())) : 96;
}

double QtPlatform::scalefor(int width, int height) { return (width == 640 && height == 480) ? 1.25 : 1.0; }

void QtPlatform::changedisplay(int width, int height) {
    // The real display is never touched: the window shows itself larger instead.
    if (scalehook) scalehook(scalefor(width, height));
}

void QtPlatform::endprogram() {
    if (endhook) endhook();
    store->flush();
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(0);
}

#ifndef NDEBUG
std::deque<double> QtPlatform::parsescript(const QString& text, QString* rejected) {
    std::deque<double> numbers;
    QStringList bad;
    for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const double value = part.trimmed().toDouble(&ok);
        if (ok && value >= 0.0 && value < 1.0) numbers.push_back(value);
        else bad << part.trimmed();
    }
    if (rejected) *rejected = bad.join(QStringLiteral(", "));
    return numbers;
}
#endif

}  // namespace zel
