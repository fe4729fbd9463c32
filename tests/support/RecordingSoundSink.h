#pragma once
// A sound sink that records what it is asked to play instead of playing it. It
// installs itself for its lifetime.
#include "platform/Sound.h"

#include <QByteArray>
#include <vector>

struct RecordingSoundSink : platform::sound::SoundSink {
    struct Call {
        bool stop = false; // a stop() rather than a play()
        QByteArray wav;
        bool wait = false;
    };
    std::vector<Call> calls;

    RecordingSoundSink() { platform::sound::setSinkForTest(this); }
    ~RecordingSoundSink() override { platform::sound::setSinkForTest(nullptr); }
    RecordingSoundSink(const RecordingSoundSink&) = delete;
    RecordingSoundSink& operator=(const RecordingSoundSink&) = delete;

    void play(const QByteArray& wav, bool wait) override { calls.push_back({false, wav, wait}); }
    void stop() override { calls.push_back({true, {}, false}); }
};
