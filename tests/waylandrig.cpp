#include "waylandrig.h"

#include <pwd.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStandardPaths>
#include <QTest>

namespace zel::test {

namespace {
constexpr int patience = 10000;  // ms sway may take to start
const char* const user = "zeltest";

void collect(const QJsonObject& node, QList<QJsonObject>& out) {
    if (node.contains(QLatin1String("app_id")) && !node.value(QLatin1String("app_id")).isNull()) out << node;
    for (const char* list : {"nodes", "floating_nodes"})
        for (const QJsonValue& child : node.value(QLatin1String(list)).toArray()) collect(child.toObject(), out);
}
}  // namespace

QList<QJsonObject> windows(const QJsonObject& tree) {
    QList<QJsonObject> out;
    collect(tree, out);
    return out;
}

QRect noderect(const QJsonObject& node) {
    const QJsonObject r = node.value(QLatin1String("rect")).toObject();
    return {r.value(QLatin1String("x")).toInt(), r.value(QLatin1String("y")).toInt(), r.value(QLatin1String("width")).toInt(),
            r.value(QLatin1String("height")).toInt()};
}

bool Compositor::start(QSize output, QString* why) {
    const auto fail = [why](const QString& reason) {
        if (why) *why = reason;
        return false;
    };
    if (QStandardPaths::findExecutable(QStringLiteral("sway")).isEmpty()) return fail(QStringLiteral("sway is not installed"));
    if (!dir.isValid()) return fail(QStringLiteral("no temporary folder"));
    size = output;
    if (::geteuid() == 0) {
        if (!::getpwnam(user))
            QProcess::execute(QStringLiteral("useradd"), {QStringLiteral("--system"), QStringLiteral("--no-create-home"),
                                                         QStringLiteral("--home-dir"), QStringLiteral("/nonexistent"),
                                                         QStringLiteral("--shell"), QStringLiteral("/usr/sbin/nologin"),
                                                         QString::fromLatin1(user)});
        const passwd* entry = ::getpwnam(user);
        if (!entry) return fail(QStringLiteral("no user of our own for sway (useradd failed)"));
        uid = int(entry->pw_uid);
        gid = int(entry->pw_gid);
        if (::chown(QFile::encodeName(dir.path()).constData(), uid_t(uid), gid_t(gid)) != 0)
            return fail(QStringLiteral("the test folder cannot be given to %1").arg(QString::fromLatin1(user)));
    }
    runtime = newfolder(QStringLiteral("run"));
    clientruntime = dir.filePath(QStringLiteral("clients"));
    QDir().mkpath(clientruntime);
    QFile::setPermissions(clientruntime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    const QString config = dir.filePath(QStringLiteral("config"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly)) return fail(QStringLiteral("no sway configuration"));
    file.write(QStringLiteral("output HEADLESS-1 resolution %1x%2 position 0 0\nxwayland disable\nfocus_on_window_activation smart\n")
                   .arg(output.width()).arg(output.height()).toUtf8());
    file.close();
    QFile::setPermissions(config, QFileDevice::ReadOwner | QFileDevice::ReadOther | QFileDevice::WriteOwner);

    const QStringList env{QStringLiteral("WLR_BACKENDS=headless"), QStringLiteral("WLR_RENDERER=pixman"),
                          QStringLiteral("WLR_LIBINPUT_NO_DEVICES=1"), QStringLiteral("XDG_RUNTIME_DIR=") + runtime,
                          QStringLiteral("HOME=") + dir.path(), QStringLiteral("WAYLAND_DISPLAY="), QStringLiteral("DISPLAY=")};
    QStringList command = asuser(QStringLiteral("sway"));
    const QString program = command.takeFirst();
    if (!sway.start(program, command + QStringList{QStringLiteral("--config"), config}, env,
                    dir.filePath(QStringLiteral("sway.log")), false))
        return fail(QStringLiteral("sway did not start"));
    // Sway is ready once both of its sockets are there: the clients' and the IPC one.
    const bool up = QTest::qWaitFor([this] {
        const QDir folder(runtime);
        const QStringList clients = folder.entryList({QStringLiteral("wayland-*")}, QDir::System);
        const QStringList ipcs = folder.entryList({QStringLiteral("sway-ipc.*.sock")}, QDir::System);
        for (const QString& c : clients)
            if (!c.endsWith(QLatin1String(".lock"))) display = c;
        if (!ipcs.isEmpty()) ipc = folder.filePath(ipcs.first());
        return !display.isEmpty() && !ipc.isEmpty() && sway.running();
    }, patience);
    if (!up) {
        QFile log(dir.filePath(QStringLiteral("sway.log")));
        log.open(QIODevice::ReadOnly);
        return fail(QStringLiteral("sway did not come up: ") + QString::fromLocal8Bit(log.readAll().right(600)));
    }
    return true;
}

void Compositor::stop() { sway.stop(); }

QStringList Compositor::asuser(const QString& program) const {
    if (uid < 0) return {program};
    return {QStringLiteral("setpriv"), QStringLiteral("--reuid=%1").arg(uid), QStringLiteral("--regid=%1").arg(gid),
            QStringLiteral("--clear-groups"), QStringLiteral("--pdeathsig=TERM"), QStringLiteral("--"), program};
}

QString Compositor::newfolder(const QString& name) const {
    const QString path = dir.filePath(name);
    QDir().mkpath(path);
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (uid >= 0 && ::chown(QFile::encodeName(path).constData(), uid_t(uid), gid_t(gid)) != 0) return {};
    return path;
}

QString Compositor::clientfolder(const QString& name) const {
    const QString path = dir.filePath(name);
    return QDir().mkpath(path) ? path : QString();
}

void Compositor::prepare(QProcess& process, const QString& program, const QStringList& args, const QStringList& env) const {
    // The clients run as this process (root may reach the compositor's socket, and the programs
    // under test need not be readable by the compositor's user), with a runtime folder of their own
    // and the socket named by its whole path.
    QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
    e.remove(QStringLiteral("DISPLAY"));
    e.insert(QStringLiteral("WAYLAND_DISPLAY"), QDir(runtime).filePath(display));
    e.insert(QStringLiteral("XDG_RUNTIME_DIR"), clientruntime);
    e.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    for (const QString& entry : env) e.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(e);
    process.setProgram(program);
    process.setArguments(args);
}

QString Compositor::swaymsg(const QStringList& args) const {
    QProcess msg;
    msg.start(QStringLiteral("swaymsg"), QStringList{QStringLiteral("-s"), ipc, QStringLiteral("-r")} + args);
    if (!msg.waitForFinished(patience)) {
        msg.kill();
        msg.waitForFinished();
        return {};
    }
    return QString::fromUtf8(msg.readAllStandardOutput());
}

QJsonObject Compositor::tree() const {
    return QJsonDocument::fromJson(swaymsg({QStringLiteral("-t"), QStringLiteral("get_tree")}).toUtf8()).object();
}

bool Compositor::command(const QString& text) const {
    const QJsonArray results = QJsonDocument::fromJson(swaymsg({text}).toUtf8()).array();
    return !results.isEmpty() && results.first().toObject().value(QLatin1String("success")).toBool();
}

}  // namespace zel::test
