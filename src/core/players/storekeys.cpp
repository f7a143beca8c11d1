#include "core/players/storekeys.h"

#include <QStringList>

#include "core/players/playerstore.h"

namespace zel {

QString playersection(int slot) { return QStringLiteral("player") + QString::number(slot); }
QString inplaysection(int slot) { return QStringLiteral("inplay") + QString::number(slot); }

std::span<const StoreKey> storekeysof(const QString& section) {
    for (int n = 1; n <= slotcount; ++n) {
        if (section == playersection(n)) return recordkeys;
        if (section == inplaysection(n)) return inplaykeys;
    }
    if (section == QLatin1String("sound")) return soundkeys;
    if (section == QLatin1String("window")) return windowkeys;
    return {};
}

QStringList storesections() {
    QStringList names;
    for (int n = 1; n <= slotcount; ++n) names << playersection(n);
    for (int n = 1; n <= slotcount; ++n) names << inplaysection(n);
    names << QStringLiteral("sound") << QStringLiteral("window");
    return names;
}

bool converts(const QString& text, StoreValue kind) {
    if (text.isEmpty()) return true;
    int16_t small = 0;
    int32_t large = 0;
    switch (kind) {
    case StoreValue::int16: return readnumber(text, small);
    case StoreValue::int32: return readnumber(text, large);
    case StoreValue::text: return true;
    }
    return true;
}

}  // namespace zel
