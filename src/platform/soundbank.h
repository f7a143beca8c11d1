#pragma once
// The machine's 24 sound clips (101..125, no 105), loaded once at start-up from the
// resources qrc:/clips/N.wav. One clip sounds at a time: a new clip replaces the one
// that sounds. The effects live on a thread of their own, so the sound keeps flowing
// while the window thread blocks in the reel landing, and a call to play() never waits.
#include <QObject>
#include <QThread>

class QSoundEffect;

namespace zel {

// Runs on the sound thread: owns the effects and plays them.
class SoundPlayer : public QObject {
    Q_OBJECT
public:
    ~SoundPlayer() override;

public slots:
    void load();
    void play(int clip, bool loop);
    void unload();
    void setenabled(bool on);

private:
    QSoundEffect* effects[26] = {};  // index clip - 100; 0 and 5 stay empty
    QSoundEffect* sounding = nullptr;
    bool enabled = true;
};

class SoundBank {
public:
    SoundBank();
    ~SoundBank();
    SoundBank(const SoundBank&) = delete;
    SoundBank& operator=(const SoundBank&) = delete;

    // Clip numbers the machine knows; any other number plays nothing.
    static bool isclip(int clip);
    // Starts clip n (looping when asked) and returns at once; a clip not yet ready plays nothing.
    void play(int clip, bool loop);
    // The sound switch: off silences the clip that sounds and every clip asked for until it is on.
    void setenabled(bool on);

private:
    QThread thread;
    SoundPlayer* player = nullptr;
};

}  // namespace zel
