#include "platform/Sound.h"

#include <QAudioFormat>
#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace platform::sound;

namespace {

void putLe(QByteArray& b, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}

QByteArray chunk(const char* id, const QByteArray& body, std::uint32_t declared)
{
    QByteArray c(id, 4);
    putLe(c, declared, 4);
    c += body;
    if (body.size() & 1)
        c.append('\0');
    return c;
}
QByteArray chunk(const char* id, const QByteArray& body)
{
    return chunk(id, body, static_cast<std::uint32_t>(body.size()));
}

QByteArray fmtBody(int tag, int channels, int rate, int bits, int size = 16)
{
    QByteArray f;
    const int tagField = size >= 40 ? 0xFFFE : tag;
    putLe(f, static_cast<std::uint32_t>(tagField), 2);
    putLe(f, static_cast<std::uint32_t>(channels), 2);
    putLe(f, static_cast<std::uint32_t>(rate), 4);
    putLe(f, static_cast<std::uint32_t>(rate * channels * bits / 8), 4);
    putLe(f, static_cast<std::uint32_t>(channels * bits / 8), 2);
    putLe(f, static_cast<std::uint32_t>(bits), 2);
    if (size >= 40) {
        putLe(f, 22, 2);                  // extension size
        putLe(f, static_cast<std::uint32_t>(bits), 2);
        putLe(f, 0, 4);                   // channel mask
        putLe(f, static_cast<std::uint32_t>(tag), 2);
        f.append(QByteArray(14, '\x01')); // rest of the sub-format id
    }
    return f;
}

QByteArray riff(const QByteArray& chunks, const char* form = "WAVE")
{
    QByteArray w("RIFF");
    putLe(w, static_cast<std::uint32_t>(4 + chunks.size()), 4);
    w.append(form, 4);
    return w + chunks;
}

// A mono 16-bit file of `ms` milliseconds of silence at 22050 Hz.
QByteArray silentWav(int ms)
{
    return riff(chunk("fmt ", fmtBody(1, 1, 22050, 16)) +
                chunk("data", QByteArray(22050 * ms / 1000 * 2, '\0')));
}

} // namespace

TEST(SoundParseWav, ReadsFormatAndData)
{
    struct Case {
        const char* what;
        QByteArray wav;
        int rate, channels, bits;
        bool isFloat;
        qsizetype dataBytes;
    };
    const QByteArray pcm(400, '\x10');
    const std::vector<Case> cases = {
        {"16-bit mono", riff(chunk("fmt ", fmtBody(1, 1, 22050, 16)) + chunk("data", pcm)),
         22050, 1, 16, false, 400},
        {"8-bit stereo", riff(chunk("fmt ", fmtBody(1, 2, 11025, 8)) + chunk("data", pcm)),
         11025, 2, 8, false, 400},
        {"24-bit, partial last frame dropped",
         riff(chunk("fmt ", fmtBody(1, 1, 44100, 24)) + chunk("data", pcm)), 44100, 1, 24, false, 399},
        {"extensible float", riff(chunk("fmt ", fmtBody(3, 2, 48000, 32, 40)) + chunk("data", pcm)),
         48000, 2, 32, true, 400},
        {"odd-sized chunk before data is padded",
         riff(chunk("fmt ", fmtBody(1, 1, 22050, 16)) + chunk("LIST", QByteArray(5, 'x')) +
              chunk("data", pcm)),
         22050, 1, 16, false, 400},
        {"data before fmt", riff(chunk("data", pcm) + chunk("fmt ", fmtBody(1, 1, 8000, 16))),
         8000, 1, 16, false, 400},
        {"data longer than the file is cut to what is there",
         riff(chunk("fmt ", fmtBody(1, 1, 22050, 16)) + chunk("data", pcm, 0xFFFFFFF0u)),
         22050, 1, 16, false, 400},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PcmWave w;
        ASSERT_TRUE(parseWav(c.wav, w));
        EXPECT_EQ(w.rate, c.rate);
        EXPECT_EQ(w.channels, c.channels);
        EXPECT_EQ(w.bitsPerSample, c.bits);
        EXPECT_EQ(w.isFloat, c.isFloat);
        EXPECT_EQ(w.data.size(), c.dataBytes);
    }
}

TEST(SoundParseWav, RejectsWhatIsNotPlayable)
{
    const QByteArray fmt = chunk("fmt ", fmtBody(1, 1, 22050, 16));
    const QByteArray data = chunk("data", QByteArray(100, '\0'));
    struct Case {
        const char* what;
        QByteArray wav;
    };
    const std::vector<Case> cases = {
        {"empty", QByteArray()},
        {"shorter than a header", QByteArray("RIFF\0\0\0\0WAV", 11)},
        {"not RIFF", QByteArray("PNG.") + riff(fmt + data).mid(4)},
        {"another RIFF form", riff(fmt + data, "AVI ")},
        {"no fmt chunk", riff(data)},
        {"no data chunk", riff(fmt)},
        {"fmt chunk too short", riff(chunk("fmt ", fmtBody(1, 1, 22050, 16).left(12)) + data)},
        {"fmt chunk past the end", riff(chunk("fmt ", fmtBody(1, 1, 22050, 16), 1000))},
        {"compressed", riff(chunk("fmt ", fmtBody(2, 1, 22050, 4)) + data)},
        {"12-bit", riff(chunk("fmt ", fmtBody(1, 1, 22050, 12)) + data)},
        {"16-bit float", riff(chunk("fmt ", fmtBody(3, 1, 22050, 16)) + data)},
        {"no channels", riff(chunk("fmt ", fmtBody(1, 0, 22050, 16)) + data)},
        {"rate 0", riff(chunk("fmt ", fmtBody(1, 1, 0, 16)) + data)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PcmWave w;
        w.rate = 7;
        EXPECT_FALSE(parseWav(c.wav, w));
        EXPECT_EQ(w.rate, 0) << "a rejected file leaves no half-read format";
    }
}

TEST(SoundParseWav, DurationFromFrames)
{
    PcmWave w;
    ASSERT_TRUE(parseWav(silentWav(500), w));
    EXPECT_EQ(w.durationMs(), 500);
    ASSERT_TRUE(parseWav(riff(chunk("fmt ", fmtBody(1, 2, 44100, 16)) +
                              chunk("data", QByteArray(44100 * 4 * 2, '\0'))),
                         w));
    EXPECT_EQ(w.durationMs(), 2000);
    EXPECT_EQ(PcmWave{}.durationMs(), 0);
}

namespace {
struct FakeSink : SoundSink {
    std::vector<std::pair<QByteArray, bool>> played;
    int stops = 0;
    void play(const QByteArray& wav, bool wait) override { played.emplace_back(wav, wait); }
    void stop() override { ++stops; }
};
} // namespace

TEST(SoundSinkTest, TestSinkReceivesCallsUntilRemoved)
{
    FakeSink fake;
    setSinkForTest(&fake);
    const QByteArray a = silentWav(10), b = silentWav(20);
    sink().play(a, false);
    sink().play(b, true);
    sink().stop();
    setSinkForTest(nullptr);
    ASSERT_EQ(fake.played.size(), 2u);
    EXPECT_EQ(fake.played[0], std::make_pair(a, false));
    EXPECT_EQ(fake.played[1], std::make_pair(b, true));
    EXPECT_EQ(fake.stops, 1);

    EXPECT_NE(&sink(), static_cast<SoundSink*>(&fake));
    sink().play(a, false);
    sink().stop();
    EXPECT_EQ(fake.played.size(), 2u);
}

TEST(SoundSinkTest, WithoutDeviceWaitingReturnsAtOnce)
{
    if (hasAudioDevice())
        GTEST_SKIP() << "this machine has an audio output";
    // Thirty seconds of sound: waiting for it would be unmistakable.
    const QByteArray longSound = silentWav(30000);
    QElapsedTimer t;
    t.start();
    sink().play(longSound, true);
    sink().play(QByteArray("not a sound"), true);
    sink().stop();
    EXPECT_LT(t.elapsed(), 10000);
}

namespace {
std::vector<float> samplesOf(const QByteArray& pcm, const QAudioFormat& f)
{
    std::vector<float> out;
    const int n = f.bytesPerSample();
    for (qsizetype i = 0; n > 0 && i + n <= pcm.size(); i += n)
        out.push_back(f.normalizedSampleValue(pcm.constData() + i));
    return out;
}
QAudioFormat fmtOf(int rate, int channels, QAudioFormat::SampleFormat sf)
{
    QAudioFormat f;
    f.setSampleRate(rate);
    f.setChannelCount(channels);
    f.setSampleFormat(sf);
    return f;
}
PcmWave pcmOf(int rate, int channels, int bits, bool isFloat, QByteArray data)
{
    PcmWave w;
    w.rate = rate;
    w.channels = channels;
    w.bitsPerSample = bits;
    w.isFloat = isFloat;
    w.data = std::move(data);
    return w;
}
} // namespace

TEST(SoundConvert, ReachesTheDeviceFormat)
{
    struct Case {
        const char* what;
        PcmWave in;
        QAudioFormat to;
        std::vector<float> expected;
    };
    const std::vector<Case> cases = {
        // 24-bit has no device format of its own; negative samples keep their sign.
        {"24-bit stereo mixed to 16-bit mono",
         pcmOf(8000, 2, 24, false, QByteArray("\x00\x00\x40" "\x00\x00\xC0" "\xFF\xFF\x7F" "\xFF\xFF\x7F"
                                             "\x00\x00\x80" "\x00\x00\x80", 18)),
         fmtOf(8000, 1, QAudioFormat::Int16), {0.0f, 1.0f, -1.0f}},
        {"rate halved",
         pcmOf(16000, 1, 16, false, QByteArray("\x00\x00" "\x00\x20" "\x00\x40" "\x00\x60", 8)),
         fmtOf(8000, 1, QAudioFormat::Int16), {0.0f, 0.5f}},
        {"8-bit mono copied to float stereo",
         pcmOf(8000, 1, 8, false, QByteArray("\x80\xC0", 2)), fmtOf(8000, 2, QAudioFormat::Float),
         {0.0f, 0.0f, 0.5f, 0.5f}},
        {"float out of range or not a number",
         pcmOf(8000, 1, 32, true, QByteArray("\x00\x00\xC0\x7F" "\x00\x00\x00\x40", 8)),
         fmtOf(8000, 1, QAudioFormat::Int32), {0.0f, 1.0f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<float> got = samplesOf(convertPcm(c.in, c.to), c.to);
        ASSERT_EQ(got.size(), c.expected.size());
        for (std::size_t i = 0; i < got.size(); ++i)
            EXPECT_NEAR(got[i], c.expected[i], 1.0 / 256) << "sample " << i;
    }
    EXPECT_TRUE(convertPcm(PcmWave{}, fmtOf(8000, 1, QAudioFormat::Int16)).isEmpty());
}
