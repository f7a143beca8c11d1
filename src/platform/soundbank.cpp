#include "platform/soundbank.h"

#include <QSoundEffect>
#include <QUrl>

namespace zel {

SoundPlayer::~SoundPlayer() { unload(); }

void SoundPlayer::load() {
    for (int clip = 101; clip <= 125; ++clip) {
        if (!SoundBank::isclip(clip) || effects[clip - 100]) continue;
        auto* effect = new QSoundEffect(this);
        effect->setSource(QUrl(QStringLiteral("qrc:/clips/%1.wav").arg(clip)));
        effects[clip - 100] = effect;
    }
}

void SoundPlayer::play(int clip, bool loop) {
    if (!SoundBank::isclip(clip)) return;
    // The new clip replaces the one that sounds, even when the new one cannot play yet.
    if (sounding) sounding->stop();
    sounding = nullptr;
    QSoundEffect* effect = effects[clip - 100];
    if (!enabled) return;
    if (!effect || effect->status() != QSoundEffect::Ready) return;
    effect->setLoopCount(loop ? int(QSoundEffect::Infinite) : 1);
    effect->play();
    sounding = effect;
}

void SoundPlayer::setenabled(bool on) {
    enabled = on;
    if (!on && sounding) sounding->stop();
    if (!on) sounding = nullptr;
}

void SoundPlayer::unload() {
    sounding = nullptr;
    for (auto*& effect : effects) {
        delete effect;
        effect = nullptr;
    }
}

SoundBank::SoundBank() {
    thread.setObjectName(QStringLiteral("zelslots sound"));
    player = new SoundPlayer;
    player->moveToThread(&thread);
    QObject::connect(&thread, &QThread::finished, player, &QObject::deleteLater);
    thread.start();
    QMetaObject::invokeMethod(player, &SoundPlayer::load, Qt::QueuedConnection);
}

SoundBank::~SoundBank() {
    // The effects are deleted on their own thread before it ends.
    QMetaObject::invokeMethod(player, &SoundPlayer::unload, Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();
}

bool SoundBank::isclip(int clip) { return clip >= 101 && clip <= 125 && clip != 105; }

void SoundBank::play(int clip, bool loop) {
    if (!isclip(clip)) return;
    QMetaObject::invokeMethod(player, [p = player, clip, loop] { p->play(clip, loop); }, Qt::QueuedConnection);
}

}  // namespace zel

namespace zel {

void SoundBank::setenabled(bool on) {
    QMetaObject::invokeMethod(player, [p = player, on] { p->setenabled(on); }, Qt::QueuedConnection);
}

}  // namespace zel
