#include "fakeplatform.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace zel {

FakePlatform::FakePlatform(const QString& inifile) {
    if (inifile.isEmpty()) {
        tempdir = std::make_unique<QTemporaryDir>();
        storefile = tempdir->filePath(QStringLiteral("zelslots.conf"));
    } else {
        storefile = inifile;
    }
}

FakePlatform::~FakePlatform() {
    store.reset();
    storewritable = true;
    applywritable();
}

GameStore& FakePlatform::gamestore() {
    applywritable();
    if (!store) {
        GameStore::Options options;
        options.settingsfile = storefile;
        options.datafolder = historyfolder;
        options.durable = durable;
        options.clock = [this] { return clockms; };
        store = std::make_unique<GameStore>(options);
    }
    return *store;
}

QString FakePlatform::ondisk(const QString& section, const QString& key) {
    if (store) store->flush();
    const QFileInfo file(storefile);
    const QString path = outofreach ? file.absolutePath() + QStringLiteral(".away/") + file.fileName() : storefile;
    const QVariant value = QSettings(path, QSettings::IniFormat).value(section + QLatin1Char('/') + key);
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(QStringLiteral(", ")) : value.toString();
}

void FakePlatform::keephistory() {
    historyfolder = QFileInfo(storefile).absolutePath() + QStringLiteral("/data");
    store.reset();  // the store is made again with its history
}

void FakePlatform::applywritable() {
    if (outofreach == !storewritable) return;
    if (store) store->flush();
    const QString folder = QFileInfo(storefile).absolutePath(), away = folder + QStringLiteral(".away");
    if (!storewritable) {
        QDir().rename(folder, away);
        QFile blocker(folder);
        outofreach = blocker.open(QIODevice::WriteOnly);
    } else {
        QFile::remove(folder);
        QDir().rename(away, folder);
        outofreach = false;
    }
}

void FakePlatform::randomize() {
    ++randomizes;
    rng.mixclock(clock);
}

double FakePlatform::rnd() {
    if (!script.empty()) {
        const double v = script.front();
        script.pop_front();
        return v;
    }
    return rng.next();
}

void FakePlatform::wait(int ms) {
    if (recordwaits) waits.push_back(ms);
    waitedms += ms;
    if (onwait) onwait(ms);
}

void FakePlatform::doevents() {
    ++doeventscount;
    if (ondoevents) ondoevents();
}

void FakePlatform::playclip(int n, bool loop) { clips.emplace_back(n, loop); }

MsgResult FakePlatform::msgbox(const QString& text, const QString& title, MsgIcon icon, MsgButtons buttons) {
    boxes.push_back({text, title, icon, buttons});
    if (!answers.empty()) {
        const MsgResult r = answers.front();
        answers.pop_front();
        return r;
    }
    return buttons == MsgButtons::ok ? MsgResult::ok : MsgResult::no;
}

QString FakePlatform::getsetting(const QString& section, const QString& key) {
    if (onstore) onstore();
    return gamestore().value(section, key);
}

void FakePlatform::commit(const QList<Section>& sections) {
    if (onstore) onstore();
    ++storewrites;
    gamestore().commit(sections);
    if (waitforwrites) gamestore().flush();
}

void FakePlatform::flush() { gamestore().flush(); }

QStringList FakePlatform::storenews() { return gamestore().news(); }

void FakePlatform::keeporiginal(const QString& why) { gamestore().keeporiginal(why); }

HistoryStore* FakePlatform::history() { return gamestore().history(); }

std::vector<int> FakePlatform::clipnumbers() const {
    std::vector<int> numbers;
    for (const auto& c : clips) numbers.push_back(c.first);
    return numbers;
}

}  // namespace zel
