#include "store/instancelock.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "store/safefile.h"

namespace zel {

namespace {
QString requestfile(const QString& storefile) { return storefile + QStringLiteral(".raise"); }

// The whole file, as one record lock: the kernel drops it with the process that holds it.
struct flock wholefile(short type) {
    struct flock lock = {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = 0;
    lock.l_len = 0;
    return lock;
}
}  // namespace

InstanceLock::InstanceLock(const QString& file) : storefile(file), lockfile(file + QStringLiteral(".running")) {}

InstanceLock::~InstanceLock() {
    if (fd >= 0) ::close(fd);
}

int InstanceLock::raisesignal() { return SIGUSR1; }

InstanceLock::Outcome InstanceLock::take() {
    if (fd >= 0) return Outcome::taken;
    const QString folder = QFileInfo(lockfile).absolutePath();
    if (!QDir().mkpath(folder)) {
        why = QStringLiteral("the folder %1 cannot be made").arg(QDir::toNativeSeparators(folder));
        return Outcome::unavailable;
    }
    fd = ::open(QFile::encodeName(lockfile).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        why = systemerror();
        return Outcome::unavailable;
    }
    struct flock lock = wholefile(F_WRLCK);
    if (::fcntl(fd, F_SETLK, &lock) != 0) {
        const bool held = errno == EACCES || errno == EAGAIN;
        why = systemerror();
        ::close(fd);
        fd = -1;
        return held ? Outcome::held : Outcome::unavailable;
    }
    // The holder's process number, for a person who looks; the lock itself is what counts.
    const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
    if (::ftruncate(fd, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::pwrite(fd, pid.constData(), size_t(pid.size()), 0);
    }
    return Outcome::taken;
}

qint64 InstanceLock::holder() const {
    const int probe = ::open(QFile::encodeName(lockfile).constData(), O_RDONLY | O_CLOEXEC);
    if (probe < 0) return 0;
    struct flock lock = wholefile(F_WRLCK);
    const bool asked = ::fcntl(probe, F_GETLK, &lock) == 0;
    ::close(probe);
    return asked && lock.l_type != F_UNLCK ? qint64(lock.l_pid) : 0;
}

bool InstanceLock::askholdertoraise(const QByteArray& activationtoken) const {
    const qint64 pid = holder();
    if (pid <= 0) return false;
    replacefile(requestfile(storefile), activationtoken, false);
    return ::kill(pid_t(pid), raisesignal()) == 0;
}

QByteArray InstanceLock::takeraiserequest(const QString& storefile) {
    QFile request(requestfile(storefile));
    if (!request.open(QIODevice::ReadOnly)) return {};
    const QByteArray token = request.read(4096).trimmed();
    request.close();
    request.remove();
    return token;
}

}  // namespace zel
