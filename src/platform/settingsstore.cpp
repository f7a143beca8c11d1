#include "platform/settingsstore.h"

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

bool SettingsStore::save(const QString& section, const QString& key, const QString& value) {
    if (!settings->isWritable()) return false;
    settings->setValue(section + QLatin1Char('/') + key, value);
    settings->sync();
    return settings->status() == QSettings::NoError;
}

}  // namespace zel
