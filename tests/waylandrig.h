#pragma once
// A Wayland desktop of the test's own: sway on its headless backend (software rendering), with one
// output. Sway refuses to run as root, so a test run as root runs it, and the programs it shows, as
// an unprivileged user of its own ("zeltest", created with a passwd entry and no home when it is
// missing), with a runtime folder of that user's; the programs it shows run as the test does.
// Everything is stopped by its process id.
#include <QJsonObject>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "childprocess.h"

namespace zel::test {

class Compositor {
public:
    Compositor() = default;
    Compositor(const Compositor&) = delete;
    Compositor& operator=(const Compositor&) = delete;
    ~Compositor() { stop(); }

    bool start(QSize output, QString* why);
    void stop();

    // Prepares `process` to run `program` on this desktop, with extra environment entries
    // ("NAME=value").
    void prepare(QProcess& process, const QString& program, const QStringList& args, const QStringList& env = {}) const;
    // A new folder for a program on the desktop (a home of its own).
    QString clientfolder(const QString& name) const;

    // What the compositor shows (swaymsg -t get_tree), and a command to it (swaymsg).
    QJsonObject tree() const;
    bool command(const QString& text) const;
    QSize output() const { return size; }

private:
    QString swaymsg(const QStringList& args) const;
    QStringList asuser(const QString& program) const;

    QTemporaryDir dir;
    ChildProcess sway;
    QString newfolder(const QString& name) const;  // owned by the compositor's user

    QString runtime, clientruntime, display, ipc;
    QSize size;
    int uid = -1, gid = -1;  // -1: this process's own
};

// Every window node of the tree (tiled and floating), in the compositor's order: a floating window
// later in the list lies above one earlier.
QList<QJsonObject> windows(const QJsonObject& tree);
// A node's place on the output.
QRect noderect(const QJsonObject& node);

}  // namespace zel::test
