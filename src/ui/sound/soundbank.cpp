#include "ui/sound/soundbank.h"

#include <cstdio>

#include "ui/sound/soundclips.h"
#include "ui/sound/soundoutput.h"

namespace zel {

SoundBank::SoundBank() {
    // Opened and loaded here, before anyone can ask for a clip: no clip is asked for too early.
    auto* opened = new SoundOutput;
    QStringList failed;
    if (!opened->open(&failed)) {
        delete opened;
        std::fprintf(stderr, "zelslots: no sound output could be opened; the game plays without sound\n");
        return;
    }
    if (!failed.isEmpty())
        std::fprintf(stderr, "zelslots: clips %s could not be decoded and stay silent\n",
                     qPrintable(failed.join(QStringLiteral(", "))));
    output = opened;
    thread.setObjectName(QStringLiteral("zelslots sound"));
    output->moveToThread(&thread);
    QObject::connect(&thread, &QThread::finished, output, &QObject::deleteLater);
    thread.start();
}

SoundBank::~SoundBank() {
    // The output is deleted on its own thread as the thread ends.
    thread.quit();
    thread.wait();
}

bool SoundBank::isclip(int clip) { return zel::isclip(clip); }

void SoundBank::play(int clip, bool loop) {
    if (!output || !on || !isclip(clip)) return;
    QMetaObject::invokeMethod(output, [o = output, clip, loop] { o->play(clip, loop); }, Qt::QueuedConnection);
}

void SoundBank::setenabled(bool enable) {
    on = enable;
    if (!on && output) QMetaObject::invokeMethod(output, [o = output] { o->silence(); }, Qt::QueuedConnection);
}

}  // namespace zel
