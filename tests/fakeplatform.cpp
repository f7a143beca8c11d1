#include "fakeplatform.h"

#include <QFileInfo>

namespace zel {

FakePlatform::FakePlatform(const QString& inifile) {
    if (inifile.isEmpty()) {
        tempdir = std::make_unique<QTemporaryDir>();
        storefile = tempdir->filePath(QStringLiteral("zelslots.conf"));
    } else {
        storefile = inifile;
    }
    store = std::make_unique<SettingsStore>(storefile);
}

void FakePlatform::keephistory() { historyfolder = QFileInfo(storefile).absolutePath() + QStringLiteral("/data"); }

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
    return store->get(section, key);
}

bool FakePlatform::saverecord(const QString& section, const Values& values) {
    if (onstore) onstore();
    ++storewrites;
    if (!storewritable) return false;
    return store->save(section, values);
}

std::vector<int> FakePlatform::clipnumbers() const {
    std::vector<int> numbers;
    for (const auto& c : clips) numbers.push_back(c.first);
    return numbers;
}

}  // namespace zel
