#include "core/players/returntable.h"

#include <QFile>
#include <QHash>
#include <QList>
#include <cmath>

namespace zel {

namespace {

int key(int machinepay, int lines) { return machinepay * 100 + lines; }

// Lines "machinepay lines rtp"; a line that does not read as such is left out.
QHash<int, double> readtable() {
    QHash<int, double> table;
    QFile file(QStringLiteral(":/zelslots/returntable.txt"));
    if (!file.open(QIODevice::ReadOnly)) return table;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().simplified().split(' ');
        if (fields.size() != 3 || fields[0].startsWith('#')) continue;
        bool okpay = false, oklines = false, okrtp = false;
        const int machinepay = fields[0].toInt(&okpay);
        const int lines = fields[1].toInt(&oklines);
        const double rtp = fields[2].toDouble(&okrtp);
        if (okpay && oklines && okrtp && std::isfinite(rtp) && rtp >= 0 && machinepay > 0 && machinepay < 100 &&
            lines > 0 && lines < 100)
            table.insert(key(machinepay, lines), rtp);
    }
    return table;
}

}  // namespace

double returntoplayer(int machinepay, int lines) {
    static const QHash<int, double> table = readtable();
    if (machinepay <= 0 || machinepay >= 100 || lines <= 0 || lines >= 100) return -1;
    return table.value(key(machinepay, lines), -1);
}

QString returntoplayercaption(int machinepay, int lines) {
    const double rtp = returntoplayer(machinepay, lines);
    if (rtp < 0) return QString();
    return QStringLiteral("Return to player %1 % at %2 %3")
        .arg(100 * rtp, 0, 'f', 2)
        .arg(lines)
        .arg(lines == 1 ? QStringLiteral("line") : QStringLiteral("lines"));
}

}  // namespace zel
