#include "platform/Sound.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

namespace platform::sound {

namespace {

std::uint32_t le(const char* p, int bytes)
{
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(p[i]);
    return v;
}

// One sample as a value in [-1, 1].
float sampleAt(const PcmWave& w, const char* p)
{
    switch (w.bitsPerSample) {
    case 8: return (static_cast<int>(static_cast<unsigned char>(*p)) - 128) / 128.0f;
    case 16: return static_cast<std::int16_t>(le(p, 2)) / 32768.0f;
    case 24: {
        std::int32_t v = static_cast<std::int32_t>(le(p, 3) << 8) >> 8;
        return static_cast<float>(v / 8388608.0);
    }
    case 32:
        if (w.isFloat) {
            const std::uint32_t bits = le(p, 4);
            float f;
            std::memcpy(&f, &bits, sizeof f);
            return std::isfinite(f) ? std::clamp(f, -1.0f, 1.0f) : 0.0f;
        }
        return static_cast<float>(static_cast<std::int32_t>(le(p, 4)) / 2147483648.0);
    }
    return 0.0f;
}

QAudioFormat::SampleFormat sampleFormatOf(const PcmWave& w)
{
    switch (w.bitsPerSample) {
    case 8: return QAudioFormat::UInt8;
    case 16: return QAudioFormat::Int16;
    case 32: return w.isFloat ? QAudioFormat::Float : QAudioFormat::Int32;
    }
    return QAudioFormat::Unknown; // 24-bit has no Qt format: converted
}

} // namespace

QByteArray convertPcm(const PcmWave& w, const QAudioFormat& fmt)
{
    if (w.bytesPerFrame() <= 0 || w.rate <= 0 || fmt.sampleRate() <= 0 || w.data.isEmpty())
        return {};
    const int inCh = w.channels;
    const int outCh = std::max(1, fmt.channelCount());
    const qsizetype inFrames = w.data.size() / w.bytesPerFrame();
    const int bytesPerSample = w.bitsPerSample / 8;
    auto at = [&](qsizetype frame, int ch) {
        frame = std::clamp<qsizetype>(frame, 0, inFrames - 1);
        return sampleAt(w, w.data.constData() + frame * w.bytesPerFrame() + ch * bytesPerSample);
    };
    auto channelValue = [&](qsizetype frame, int outChannel) {
        if (inCh == outCh)
            return at(frame, outChannel);
        if (outCh == 1) {
            float sum = 0;
            for (int c = 0; c < inCh; ++c)
                sum += at(frame, c);
            return sum / inCh;
        }
        return at(frame, std::min(outChannel, inCh - 1));
    };
    const double ratio = static_cast<double>(w.rate) / fmt.sampleRate();
    const auto outFrames = static_cast<qsizetype>(std::floor(inFrames / ratio));
    const int outBytes = fmt.bytesPerSample();
    QByteArray out(outFrames * outCh * outBytes, '\0');
    char* dst = out.data();
    for (qsizetype i = 0; i < outFrames; ++i) {
        const double pos = i * ratio;
        const auto i0 = static_cast<qsizetype>(pos);
        const auto frac = static_cast<float>(pos - static_cast<double>(i0));
        for (int c = 0; c < outCh; ++c) {
            const float v = channelValue(i0, c) * (1 - frac) + channelValue(i0 + 1, c) * frac;
            switch (fmt.sampleFormat()) {
            case QAudioFormat::UInt8: {
                const auto s = static_cast<unsigned char>(std::nearbyint(v * 127.0f) + 128);
                std::memcpy(dst, &s, 1);
                break;
            }
            case QAudioFormat::Int16: {
                const auto s = static_cast<std::int16_t>(std::nearbyint(v * 32767.0f));
                std::memcpy(dst, &s, 2);
                break;
            }
            case QAudioFormat::Int32: {
                const auto s = static_cast<std::int32_t>(std::nearbyint(v * 2147483647.0));
                std::memcpy(dst, &s, 4);
                break;
            }
            default:
                std::memcpy(dst, &v, 4);
                break;
            }
            dst += outBytes;
        }
    }
    return out;
}

namespace {

class QtSoundSink final : public SoundSink {
public:
    void play(const QByteArray& wav, bool wait) override
    {
        stop();
        const std::uint64_t mine = ++generation_;
        PcmWave w;
        if (!parseWav(wav, w) || w.data.isEmpty())
            return;
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return;

        QAudioFormat fmt;
        fmt.setSampleRate(w.rate);
        fmt.setChannelCount(w.channels);
        fmt.setSampleFormat(sampleFormatOf(w));
        if (fmt.sampleFormat() != QAudioFormat::Unknown && device.isFormatSupported(fmt)) {
            pcm_ = w.data;
        } else {
            fmt = device.preferredFormat();
            if (!fmt.isValid())
                return;
            pcm_ = convertPcm(w, fmt);
        }

        audio_ = std::make_unique<QAudioSink>(device, fmt);
        buffer_ = std::make_unique<QBuffer>(&pcm_);
        buffer_->open(QIODevice::ReadOnly);
        audio_->start(buffer_.get());
        if (!wait || audio_->state() == QAudio::StoppedState)
            return;

        // The table repaints while the sound plays, but clicks and keys wait.
        QEventLoop loop;
        waiting_ = &loop;
        QAudioSink* audio = audio_.get();
        const std::int64_t durationUs = w.durationMs() * 1000;
        QObject::connect(audio, &QAudioSink::stateChanged, &loop, [&loop, audio, durationUs](QAudio::State s) {
            if (s == QAudio::StoppedState) {
                loop.quit();
            } else if (s == QAudio::IdleState) {
                // Idle means all data went to the device; let what it still holds play out.
                const std::int64_t leftMs = std::clamp<std::int64_t>((durationUs - audio->processedUSecs()) / 1000, 0, 500);
                QTimer::singleShot(static_cast<int>(leftMs) + 20, &loop, &QEventLoop::quit);
            }
        });
        // A device that stalls must not hang the program.
        QTimer::singleShot(static_cast<int>(std::min<std::int64_t>(w.durationMs() + 1000, 600000)),
                           &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        // A sound started while this one was waiting keeps playing.
        if (generation_ == mine) {
            waiting_ = nullptr;
            stop();
        }
    }

    void stop() override
    {
        if (waiting_) {
            waiting_->quit();
            waiting_ = nullptr;
        }
        if (audio_) {
            audio_->disconnect();
            audio_->stop();
            audio_.reset();
        }
        buffer_.reset();
        pcm_.clear();
    }

private:
    std::unique_ptr<QAudioSink> audio_;
    std::unique_ptr<QBuffer> buffer_;
    QByteArray pcm_;
    QEventLoop* waiting_ = nullptr;
    std::uint64_t generation_ = 0;
};

// A stand-in when the system has no audio output: nothing plays, nothing waits.
class SilentSink final : public SoundSink {
public:
    void play(const QByteArray&, bool) override {}
    void stop() override {}
};

SoundSink* g_testSink = nullptr;

QtSoundSink& realSink()
{
    // Released with the application: audio objects must not outlive it.
    static QtSoundSink* s = [] {
        auto* sink = new QtSoundSink;
        qAddPostRoutine([] { realSink().stop(); });
        return sink;
    }();
    return *s;
}

} // namespace

std::int64_t PcmWave::durationMs() const
{
    const int bpf = bytesPerFrame();
    if (bpf <= 0 || rate <= 0)
        return 0;
    return static_cast<std::int64_t>(data.size() / bpf) * 1000 / rate;
}

bool parseWav(const QByteArray& wav, PcmWave& result)
{
    result = PcmWave{};
    PcmWave out;
    const qsizetype n = wav.size();
    const char* p = wav.constData();
    if (n < 12 || std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0)
        return false;

    bool haveFmt = false, haveData = false;
    int tag = 0;
    qsizetype pos = 12;
    while (pos + 8 <= n && !(haveFmt && haveData)) {
        const char* id = p + pos;
        const std::uint32_t size = le(p + pos + 4, 4);
        const qsizetype body = pos + 8;
        const qsizetype avail = n - body;
        if (std::memcmp(id, "fmt ", 4) == 0) {
            if (size < 16 || static_cast<qsizetype>(size) > avail)
                return false;
            tag = static_cast<int>(le(p + body, 2));
            out.channels = static_cast<int>(le(p + body + 2, 2));
            out.rate = static_cast<int>(std::min<std::uint32_t>(le(p + body + 4, 4), 0x7FFFFFFF));
            out.bitsPerSample = static_cast<int>(le(p + body + 14, 2));
            if (tag == 0xFFFE && size >= 40)
                tag = static_cast<int>(le(p + body + 24, 2)); // extensible: the sub-format
            haveFmt = true;
        } else if (std::memcmp(id, "data", 4) == 0) {
            // Files cut short still play what they hold.
            out.data = wav.mid(body, std::min<qsizetype>(size, avail));
            haveData = true;
        }
        // Chunks are padded to an even size; a size past the end ends the walk.
        pos = body + static_cast<qsizetype>(size) + (size & 1u);
    }
    if (!haveFmt || !haveData)
        return false;
    out.isFloat = tag == 3;
    const bool bitsOk = out.isFloat ? out.bitsPerSample == 32
                                    : (tag == 1 && (out.bitsPerSample == 8 || out.bitsPerSample == 16
                                                    || out.bitsPerSample == 24 || out.bitsPerSample == 32));
    if (!bitsOk || out.channels < 1 || out.channels > 8 || out.rate < 1000 || out.rate > 384000)
        return false;
    out.data.truncate(out.data.size() - out.data.size() % out.bytesPerFrame());
    result = std::move(out);
    return true;
}

bool hasAudioDevice()
{
    return !QMediaDevices::audioOutputs().isEmpty();
}

SoundSink& sink()
{
    if (g_testSink)
        return *g_testSink;
    if (!hasAudioDevice()) {
        static SilentSink silent;
        realSink().stop(); // a device that went away leaves nothing half-played
        return silent;
    }
    return realSink();
}

void setSinkForTest(SoundSink* s)
{
    g_testSink = s;
}

} // namespace platform::sound
