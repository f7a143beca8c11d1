#include "platform/settingsstore.h"

#include <QFileInfo>
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

void SettingsStore::clearstalelock(const QString& file) {
    const QString lockname = file + QStringLiteral(".lock");
    if (!QFileInfo::exists(lockname)) return;
    // Taking the lock with a short stale time removes a lock whose owner is gone (QLockFile
    // checks the process it names) or that was left empty and has not changed since.
    QLockFile probe(lockname);
    probe.setStaleLockTime(stalelockms);
    if (probe.tryLock(2 * stalelockms)) probe.unlock();
}

}  // namespace zel
