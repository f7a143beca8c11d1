#include "ui/sound/soundoutput.h"

#include <cstdio>

#include <dlfcn.h>

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <QTimer>

#include "ui/sound/soundclips.h"

namespace zel {

namespace {

// ALSA tells every card it cannot find on stderr, from the library itself; a machine without sound
// gets one line from us instead. The handler is the library's own, for every user in the process,
// OpenAL's ALSA output included (it opens the same library).
void quietly(const char*, int, const char*, int, const char*, ...) {}

void quietalsa() {
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    static void* const library = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!library) return;
    if (auto set = reinterpret_cast<SetHandler>(dlsym(library, "snd_lib_error_set_handler")))
        set(quietly);
}

// Settings for the libraries under the output, unless the user has set them: OpenAL Soft plays
// through PulseAudio (PipeWire's PulseAudio service too) and, when no server answers, through ALSA
// (a card, or PipeWire's ALSA plugin); it keeps its diagnostics to itself. The stream keeps 40 ms
// queued: a new clip is heard some 30 ms after its call, and the server wakes for it only every few
// milliseconds.
void quietsettings() {
    if (!qEnvironmentVariableIsSet("ALSOFT_DRIVERS")) qputenv("ALSOFT_DRIVERS", "pulse,alsa");
    quietalsa();
    if (!qEnvironmentVariableIsSet("ALSOFT_LOGLEVEL")) qputenv("ALSOFT_LOGLEVEL", "0");
    if (!qEnvironmentVariableIsSet("PULSE_LATENCY_MSEC")) qputenv("PULSE_LATENCY_MSEC", "40");
}

}  // namespace

SoundOutput::SoundOutput() : resttimer(new QTimer(this)) {
    resttimer->setSingleShot(true);
    connect(resttimer, &QTimer::timeout, this, &SoundOutput::rest);
}

SoundOutput::~SoundOutput() {
    if (context) {
        alcMakeContextCurrent(context);
        if (source) alDeleteSources(1, &source);
        for (unsigned& b : buffers)
            if (b) alDeleteBuffers(1, &b);
        alcMakeContextCurrent(nullptr);
        alcDestroyContext(context);
    }
    if (device) alcCloseDevice(device);
}

bool SoundOutput::open(QStringList* failed) {
    quietsettings();
    device = alcOpenDevice(nullptr);
    if (!device) return false;
    const ALCint attributes[] = {ALC_FREQUENCY, 44100, ALC_MONO_SOURCES, 4, 0};
    context = alcCreateContext(device, attributes);
    if (!context || !alcMakeContextCurrent(context)) return false;
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR) return false;
    // The clips are heard as recorded: at the listener, not placed in space.
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(source, AL_POSITION, 0.f, 0.f, 0.f);
    if (alcIsExtensionPresent(device, "ALC_SOFT_pause_device")) {
        pausedevice = reinterpret_cast<LPALCDEVICEPAUSESOFT>(alcGetProcAddress(device, "alcDevicePauseSOFT"));
        resumedevice = reinterpret_cast<LPALCDEVICERESUMESOFT>(alcGetProcAddress(device, "alcDeviceResumeSOFT"));
    }
    for (int clip = 101; clip <= 125; ++clip) {
        if (!isclip(clip)) continue;
        const SoundClip decoded = loadclip(clip);
        ALuint buffer = 0;
        if (decoded.ok()) {
            alGenBuffers(1, &buffer);
            alBufferData(buffer, AL_FORMAT_MONO16, decoded.samples.data(),
                         ALsizei(decoded.samples.size() * sizeof(int16_t)), decoded.rate);
            if (alGetError() != AL_NO_ERROR) {
                alDeleteBuffers(1, &buffer);
                buffer = 0;
            }
        }
        if (!buffer) *failed << QString::number(clip);
        buffers[clip - 100] = buffer;
        lengthms[clip - 100] = decoded.ok() ? int(decoded.samples.size() * 1000 / size_t(decoded.rate)) : 0;
    }
    rest();
    return true;
}

bool SoundOutput::connected() {
    ALCint alive = 1;
    alcGetIntegerv(device, ALC_CONNECTED, 1, &alive);
    return alive != 0;
}

void SoundOutput::play(int clip, bool loop) {
    if (lost || !isclip(clip)) return;
    if (!connected()) {
        lost = true;
        std::fprintf(stderr, "zelslots: the sound output went away; the game plays on without sound\n");
        return;
    }
    alSourceStop(source);
    const ALuint buffer = buffers[clip - 100];
    if (!buffer) return;
    resume();
    alSourcei(source, AL_BUFFER, ALint(buffer));
    alSourcei(source, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
    alSourcePlay(source);
    if (loop) resttimer->stop();
    else restlater(lengthms[clip - 100] + 200);
}

void SoundOutput::silence() {
    if (lost) return;
    alSourceStop(source);
    restlater(200);
}

void SoundOutput::resume() {
    if (!paused) return;
    resumedevice(device);
    paused = false;
}

void SoundOutput::restlater(int ms) { resttimer->start(ms); }

void SoundOutput::rest() {
    if (paused || !pausedevice) return;
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    // A clip still sounding (its thread ran late) is looked at again shortly.
    if (state == AL_PLAYING) return restlater(100);
    pausedevice(device);
    paused = true;
}

}  // namespace zel
