#include "core/platform/settingsstore.h"

#include <cerrno>
#include <csignal>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSysInfo>
#include <QThread>
#include <QLockFile>
#include <QSettings>
#include <QStringList>

namespace zel {

SettingsStore::SettingsStore()
    : settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                           QStringLiteral("zelslots"), QStringLiteral("zelslots"))) {}

SettingsStore::SettingsStore(const QString& inifile)
    : settings(std::make_unique<QSettings>(inifile, QSettings::IniFormat)) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::get(const QString& section, const QString& key) {
    const QVariant value = settings->value(section + QLatin1Char('/') + key);
    // A hand-edited value with commas reads back as a list; keep its text as written.
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

bool SettingsStore::save(const QString& section, const QList<std::pair<QString, QString>>& values) {
    for (const auto& [key, value] : values) settings->setValue(section + QLatin1Char('/') + key, value);
    clearstalelock(settings->fileName());
    settings->sync();
    return settings->status() == QSettings::NoError;
}

QString SettingsStore::location() const { return settings->fileName(); }

namespace {
enum class LockState { gone, held, stale, young };

// What a lock file says of its writer. QLockFile writes the process id, the program's name and the
// host; a file empty or cut short was left by a writer killed as it took the lock, unless that
// writer is still writing it.
LockState lockstate(const QString& name) {
    QFile lock(name);
    if (!lock.open(QIODevice::ReadOnly)) return LockState::gone;
    const QList<QByteArray> lines = lock.read(512).split('\n');
    bool numeric = false;
    const qint64 pid = lines.value(0).toLongLong(&numeric);
    const QString host = QString::fromUtf8(lines.value(2));
    if (numeric && pid > 0 && !host.isEmpty()) {
        if (host != QSysInfo::machineHostName()) return LockState::held;  // a writer on another machine
        return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH ? LockState::stale : LockState::held;
    }
    const qint64 age = QFileInfo(name).lastModified().msecsTo(QDateTime::currentDateTime());
    return age > SettingsStore::stalelockms ? LockState::stale : LockState::young;
}
}  // namespace

void SettingsStore::clearstalelock(const QString& file) {
    // Breaking a lock takes a second lock of its own (".rmlock"), which a kill can leave too.
    const QString lockname = file + QStringLiteral(".lock");
    for (const QString& name : {lockname + QStringLiteral(".rmlock"), lockname}) {
        QElapsedTimer waited;
        waited.start();
        LockState state = lockstate(name);
        while (state == LockState::young && waited.elapsed() < 2 * stalelockms) {
            QThread::msleep(20);
            state = lockstate(name);
        }
        if (state == LockState::stale || state == LockState::young) QFile::remove(name);
    }
    // Holding the lock, no writer is at work: a copy of the file half-written by a writer killed
    // under the lock is all that can be there.
    QLockFile lock(lockname);
    if (lock.tryLock(0)) {
        removeorphans(file);
        lock.unlock();
    }
}

void SettingsStore::removeorphans(const QString& file, qint64 agems) {
    // A new copy is written as the file's name, a dot and six letters or digits, then renamed.
    const QFileInfo info(file);
    static const QRegularExpression copyname(QStringLiteral("^\\.[A-Za-z0-9]{6}$"));
    QDir folder = info.dir();
    const QDateTime now = QDateTime::currentDateTime();
    for (const QString& name : folder.entryList({info.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden))
        if (copyname.match(name.mid(info.fileName().size())).hasMatch() &&
            QFileInfo(folder.filePath(name)).lastModified().msecsTo(now) >= agems)
            folder.remove(name);
}

}  // namespace zel
