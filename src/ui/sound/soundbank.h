#pragma once
// The machine's 24 sound clips (101..125, no 105), decoded from the resources when the bank is
// made, played through one audio output that stays open for the whole run. One clip sounds at a
// time: a new clip replaces the one that sounds at once, a looping clip sounds until replaced.
// The output is driven from a thread of its own, so play() never waits, and the sound keeps
// flowing while the window thread blocks in the reel landing.
// Without a sound device or server the game runs silently, saying so once on stderr.
#include <QThread>

namespace zel {

class SoundOutput;

class SoundBank {
public:
    SoundBank();
    ~SoundBank();
    SoundBank(const SoundBank&) = delete;
    SoundBank& operator=(const SoundBank&) = delete;

    // Clip numbers the machine knows; any other number plays nothing.
    static bool isclip(int clip);
    // Starts clip n (looping when asked) in place of the one that sounds, and returns at once.
    void play(int clip, bool loop);
    // The sound switch: off silences the clip that sounds and every clip asked for while it is
    // off; on lets the next clip sound (a clip that was cut stays cut).
    void setenabled(bool on);
    bool enabled() const { return on; }

private:
    QThread thread;
    SoundOutput* output = nullptr;  // lives on `thread`; null when there is no sound output
    bool on = true;
};

}  // namespace zel
