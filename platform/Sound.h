#pragma once
// Sound output. A sink plays a whole WAV file held in memory; a new sound cuts off the
// one still playing. With no audio device nothing plays and nothing blocks.
#include <QByteArray>

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

} // namespace platform::sound
