#pragma once
// One game per settings store. The running game holds a lock on a file beside the store's file
// (zelslots.conf.running); the system lets the lock go the moment the game ends, however it ends
// (a kill, a crash, a power cut), so no lock is ever left behind to wait for. A second start finds
// the lock held, asks the game holding it to bring its window to the front, and ends.
#include <QByteArray>
#include <QString>

namespace zel {

class InstanceLock {
public:
    explicit InstanceLock(const QString& storefile);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    enum class Outcome { taken, held, unavailable };
    // Takes the lock at once or not at all; never waits.
    Outcome take();
    // The process that holds the lock now, 0 when none does.
    qint64 holder() const;
    // Asks the holder to bring its window to the front, handing it the desktop's activation token
    // (empty when the desktop gave none); false when no holder could be asked.
    bool askholdertoraise(const QByteArray& activationtoken) const;
    // Where the lock is kept; why it could not be taken (unavailable).
    QString path() const { return lockfile; }
    QString fault() const { return why; }

    // The signal by which a second start asks the holder to show itself, and the token that came
    // with the request (read once by the holder).
    static int raisesignal();
    static QByteArray takeraiserequest(const QString& storefile);

private:
    QString storefile;
    QString lockfile;
    QString why;
    int fd = -1;
};

}  // namespace zel
