#pragma once
// Sound output. A sink plays a whole WAV file held in memory; a new sound cuts off the
// one still playing. With no audio device nothing plays and nothing blocks.
#include <QByteArray>
#include <cstdint>

class QAudioFormat;

namespace platform::sound {

class SoundSink {
public:
    virtual ~SoundSink() = default;
    // wait = true returns when the sound has ended (user input is held back meanwhile).
    virtual void play(const QByteArray& wav, bool wait) = 0;
    virtual void stop() = 0;
};

// The sink in use: Qt Multimedia unless a test installed its own.
SoundSink& sink();
// Test hook: nullptr returns to the real sink. The caller keeps ownership.
void setSinkForTest(SoundSink* s);

// The samples of a WAV file: integer PCM of 8, 16, 24 or 32 bits, or 32-bit float.
struct PcmWave {
    int rate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    bool isFloat = false;
    QByteArray data;  // whole frames only

    int bytesPerFrame() const { return channels * (bitsPerSample / 8); }
    std::int64_t durationMs() const;
};

// Reads the format and data chunks of a RIFF/WAVE file. False for anything else or for a
// file whose chunks do not fit; a data chunk longer than the file is cut to what is there.
bool parseWav(const QByteArray& wav, PcmWave& out);

// The samples converted for a device that does not take the file's own format: channels
// mixed down or copied, rate changed by linear interpolation, any Qt sample format.
QByteArray convertPcm(const PcmWave& w, const QAudioFormat& to);

// True when the system offers at least one audio output.
bool hasAudioDevice();

} // namespace platform::sound
