#pragma once
// The one audio output of the run (OpenAL Soft): one device and one source, one buffer per clip,
// opened once. OpenAL mixes on a thread of its own; this object lives on the sound bank's thread
// and only changes the source. While nothing sounds the device is paused, so an idle game costs
// no CPU for sound; the next clip resumes it.
#include <QObject>
#include <QStringList>

class QTimer;
struct ALCdevice_struct;
struct ALCcontext_struct;

namespace zel {

class SoundOutput : public QObject {
    Q_OBJECT
public:
    SoundOutput();
    ~SoundOutput() override;

    // Opens the device and uploads every clip (on the thread that makes the bank, before any
    // play). False when there is no output; `failed` gets the clips that could not be decoded.
    bool open(QStringList* failed);

    // On the sound thread: start a clip in place of the one that sounds, or silence it.
    void play(int clip, bool loop);
    void silence();

private:
    bool connected();
    void resume();
    void restlater(int ms);
    void rest();

    ALCdevice_struct* device = nullptr;
    ALCcontext_struct* context = nullptr;
    void (*pausedevice)(ALCdevice_struct*) = nullptr;   // ALC_SOFT_pause_device
    void (*resumedevice)(ALCdevice_struct*) = nullptr;
    unsigned source = 0;
    unsigned buffers[26] = {};  // index clip - 100; 0 and 5 stay empty, so does a clip that failed
    int lengthms[26] = {};
    bool paused = false;
    bool lost = false;          // the device went away (told once)
    QTimer* resttimer = nullptr;
};

}  // namespace zel
