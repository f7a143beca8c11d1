#pragma once
// A platform for working out the machine's figures: every draw hands back the value the
// caller set, waits take no time, and nothing is shown, heard or stored.
#include "core/platform/platform.h"

namespace zel::math {

class ProbePlatform final : public Platform {
public:
    double draw = 0.5;  // what every rnd() hands back

    void randomize() override {}
    double rnd() override { return draw; }
    void wait(int) override {}
    void doevents() override {}
    void playclip(int, bool) override {}
    MsgResult msgbox(const QString&, const QString&, MsgIcon, MsgButtons) override { return MsgResult::ok; }
    QString getsetting(const QString&, const QString&) override { return {}; }
    void commit(const QList<Section>&) override {}
    void flush() override {}
    QStringList storenews() override { return {}; }
    void keeporiginal(const QString&) override {}
    QString storelocation() override { return {}; }
    HistoryStore* history() override { return nullptr; }
    qint64 nowms() override { return 0; }
    int logicaldpi() override { return 96; }
    void changedisplay(int, int) override {}
    void endprogram() override {}
};

}  // namespace zel::math
