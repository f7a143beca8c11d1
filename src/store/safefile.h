#pragma once
// Files replaced whole, never half: the new bytes go to a copy beside the file, and every write,
// the flush to the disk and the copy's size are checked before the copy is renamed over the old
// file. Whatever fails (a full disk, a folder that cannot be written), the old file stays as it
// was, byte for byte.
#include <QByteArray>
#include <QString>

namespace zel {

// Replaces `path` with `bytes`, making its folder when there is none. `durable` waits until the
// copy and then the folder's entry are on the disk, so a power cut leaves the old file or the new
// one. Returns what went wrong, empty when the new file is in place.
QString replacefile(const QString& path, const QByteArray& bytes, bool durable);

// Keeps `path` under a name of its own beside it, `path.<label>-<date>` (with a number after it
// when that name is taken): renamed when `move`, else copied as it is. Returns the new name, or
// empty with the reason in `why`.
QString setaside(const QString& path, const QString& label, qint64 nowms, bool move, QString* why);

// Removes the copies of `path` that a writer killed before its rename left behind (the file's
// name, a dot and six letters or digits, as replacefile names them).
void removeorphans(const QString& path);

// What the system said of the last call that failed, in words.
QString systemerror();

}  // namespace zel
