#include "store/safefile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace zel {

namespace {
// A name beside the file that no other copy has: the file's name, a dot and six letters or digits.
QString copyname(const QString& path) {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString name = path + QLatin1Char('.');
    for (int i = 0; i < 6; ++i) name += QLatin1Char(letters[QRandomGenerator::global()->bounded(62)]);
    return name;
}

bool writeall(int fd, const QByteArray& bytes) {
    const char* next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, next, size_t(left));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) {
            if (written == 0) errno = EIO;
            return false;
        }
        next += written;
        left -= written;
    }
    return true;
}

bool syncfolder(const QString& folder) {
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    // Some file systems cannot sync a folder; the rename has happened all the same.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return synced;
}

QString failed(const QString& what) { return what + QStringLiteral(": ") + systemerror(); }
}  // namespace

QString systemerror() { return QString::fromLocal8Bit(std::strerror(errno)); }

QString replacefile(const QString& path, const QByteArray& bytes, bool durable) {
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    if (!QDir().mkpath(folder)) return QStringLiteral("the folder %1 cannot be made").arg(QDir::toNativeSeparators(folder));
    const QByteArray target = QFile::encodeName(info.absoluteFilePath());
    struct stat old = {};
    const bool existed = ::stat(target.constData(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode)) return QStringLiteral("something that is not a file stands in its place");

    const QByteArray copy = QFile::encodeName(copyname(info.absoluteFilePath()));
    const int fd = ::open(copy.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return failed(QStringLiteral("no new copy can be made"));
    QString fault;
    struct stat written = {};
    // The new file keeps the old one's permissions.
    if (existed && ::fchmod(fd, old.st_mode & 07777) != 0) fault = failed(QStringLiteral("its permissions cannot be kept"));
    else if (!writeall(fd, bytes)) fault = failed(QStringLiteral("it cannot be written"));
    else if (durable && ::fsync(fd) != 0) fault = failed(QStringLiteral("it cannot be flushed to the disk"));
    else if (::fstat(fd, &written) != 0 || written.st_size != bytes.size()) fault = QStringLiteral("its new copy came out short");
    if (::close(fd) != 0 && fault.isEmpty()) fault = failed(QStringLiteral("it cannot be closed"));
    if (fault.isEmpty() && ::rename(copy.constData(), target.constData()) != 0) fault = failed(QStringLiteral("it cannot be replaced"));
    if (!fault.isEmpty()) {
        ::unlink(copy.constData());
        return fault;
    }
    if (durable && !syncfolder(folder)) return failed(QStringLiteral("its folder cannot be flushed to the disk"));
    return {};
}

QString setaside(const QString& path, const QString& label, qint64 nowms, bool move, QString* why) {
    const QString stamp = QDateTime::fromMSecsSinceEpoch(nowms, Qt::UTC).toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = path + QLatin1Char('.') + label + QLatin1Char('-') + stamp;
    QString aside = base;
    for (int n = 2; QFileInfo::exists(aside); ++n) aside = base + QLatin1Char('-') + QString::number(n);
    if (move) {
        if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(aside).constData()) == 0) return aside;
        if (why) *why = systemerror();
        return {};
    }
    QFile original(path);
    if (!original.open(QIODevice::ReadOnly)) {
        if (why) *why = original.errorString();
        return {};
    }
    const QString fault = replacefile(aside, original.readAll(), true);
    if (fault.isEmpty()) return aside;
    if (why) *why = fault;
    return {};
}

void removeorphans(const QString& path) {
    const QFileInfo info(path);
    static const QRegularExpression copypattern(QStringLiteral("^\\.[A-Za-z0-9]{6}$"));
    QDir folder = info.dir();
    for (const QString& name : folder.entryList({info.fileName() + QStringLiteral(".??????")}, QDir::Files | QDir::Hidden))
        if (copypattern.match(name.mid(info.fileName().size())).hasMatch()) folder.remove(name);
}

}  // namespace zel
