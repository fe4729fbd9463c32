#include "tools/common/Synth.h"

#include "tools/common/Generator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tools::synth {

namespace {
constexpr double kTwoPi = 2.0 * std::numbers::pi;

double shapeAt(Shape shape, double phase) // phase in [0, 1)
{
    switch (shape) {
    case Shape::Sine: return std::sin(kTwoPi * phase);
    case Shape::Triangle: return phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase;
    case Shape::Square: return phase < 0.5 ? 1.0 : -1.0;
    case Shape::Saw: return 2.0 * phase - 1.0;
    }
    return 0.0;
}

void putLe(QByteArray& b, std::uint32_t v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
}
} // namespace

std::size_t Wave::frames(double sec) const
{
    return sec <= 0 ? 0 : static_cast<std::size_t>(std::nearbyint(sec * rate));
}

Wave silence(double sec, int rate)
{
    Wave w;
    w.rate = rate;
    w.s.assign(w.frames(sec), 0.0f);
    return w;
}

Wave tone(double f0, double f1, double sec, double amp, Shape shape, int rate)
{
    Wave w = silence(sec, rate);
    const std::size_t n = w.s.size();
    double phase = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        const double t = n > 1 ? static_cast<double>(i) / (n - 1) : 0.0;
        const double f = f0 + (f1 - f0) * t;
        w.s[i] = static_cast<float>(amp * shapeAt(shape, phase));
        phase += f / rate;
        phase -= std::floor(phase);
    }
    return w;
}

Wave noise(double sec, double amp, std::uint32_t seed, int rate)
{
    Wave w = silence(sec, rate);
    std::uint32_t x = seed ? seed : 1u;
    for (float& v : w.s) {
        // xorshift32: deterministic on every platform.
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        v = static_cast<float>(amp * (static_cast<double>(x) / 4294967295.0 * 2.0 - 1.0));
    }
    return w;
}

void adsr(Wave& w, double attack, double decay, double sustain, double release)
{
    const std::size_t n = w.s.size();
    const std::size_t a = std::min(n, w.frames(attack));
    const std::size_t d = std::min(n - a, w.frames(decay));
    const std::size_t r = std::min(n - a - d, w.frames(release));
    const std::size_t relStart = n - r;
    for (std::size_t i = 0; i < n; ++i) {
        double e;
        if (i < a)
            e = static_cast<double>(i) / a;
        else if (i < a + d)
            e = 1.0 - (1.0 - sustain) * static_cast<double>(i - a) / d;
        else
            e = sustain;
        if (i >= relStart && r > 0)
            e *= 1.0 - static_cast<double>(i - relStart) / r;
        w.s[i] = static_cast<float>(w.s[i] * e);
    }
}

void expDecay(Wave& w, double attack)
{
    const std::size_t n = w.s.size();
    if (n == 0)
        return;
    const std::size_t a = std::min(n, w.frames(attack));
    const double k = std::log(1000.0) / static_cast<double>(n);
    for (std::size_t i = 0; i < n; ++i) {
        double e = std::exp(-k * static_cast<double>(i));
        if (i < a)
            e *= static_cast<double>(i) / a;
        w.s[i] = static_cast<float>(w.s[i] * e);
    }
}

void lowPass(Wave& w, double cutoff)
{
    const double rc = 1.0 / (kTwoPi * cutoff);
    const double dt = 1.0 / w.rate;
    const double alpha = dt / (rc + dt);
    double y = 0.0;
    for (float& v : w.s) {
        y += alpha * (v - y);
        v = static_cast<float>(y);
    }
}

void highPass(Wave& w, double cutoff)
{
    const double rc = 1.0 / (kTwoPi * cutoff);
    const double dt = 1.0 / w.rate;
    const double alpha = rc / (rc + dt);
    double y = 0.0, prev = 0.0;
    for (float& v : w.s) {
        y = alpha * (y + v - prev);
        prev = v;
        v = static_cast<float>(y);
    }
}

void gain(Wave& w, double factor)
{
    for (float& v : w.s)
        v = static_cast<float>(v * factor);
}

void mixAt(Wave& dst, const Wave& src, double atSec, double amp)
{
    if (src.rate != dst.rate)
        throw GenError(QStringLiteral("mixing waves of different rates"));
    const std::size_t at = dst.frames(atSec);
    if (dst.s.size() < at + src.s.size())
        dst.s.resize(at + src.s.size(), 0.0f);
    for (std::size_t i = 0; i < src.s.size(); ++i)
        dst.s[at + i] += static_cast<float>(src.s[i] * amp);
}

void append(Wave& dst, const Wave& src)
{
    mixAt(dst, src, dst.seconds());
}

void normalize(Wave& w, double peak)
{
    float m = 0.0f;
    for (float v : w.s)
        m = std::max(m, std::abs(v));
    if (m > 0.0f)
        gain(w, peak / m);
}

void fadeEdges(Wave& w, double sec)
{
    const std::size_t n = w.s.size();
    const std::size_t f = std::min(n / 2, w.frames(sec));
    for (std::size_t i = 0; i < f; ++i) {
        const double e = static_cast<double>(i) / f;
        w.s[i] = static_cast<float>(w.s[i] * e);
        w.s[n - 1 - i] = static_cast<float>(w.s[n - 1 - i] * e);
    }
}

QByteArray toWav(const Wave& w)
{
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(w.s.size() * 2);
    QByteArray b;
    b.reserve(static_cast<qsizetype>(44 + dataBytes));
    b.append("RIFF");
    putLe(b, 36 + dataBytes, 4);
    b.append("WAVEfmt ");
    putLe(b, 16, 4);                              // fmt chunk size
    putLe(b, 1, 2);                               // PCM
    putLe(b, 1, 2);                               // mono
    putLe(b, static_cast<std::uint32_t>(w.rate), 4);
    putLe(b, static_cast<std::uint32_t>(w.rate * 2), 4); // bytes per second
    putLe(b, 2, 2);                               // block align
    putLe(b, 16, 2);                              // bits per sample
    b.append("data");
    putLe(b, dataBytes, 4);
    for (float v : w.s) {
        const double c = std::clamp(static_cast<double>(v), -1.0, 1.0);
        const auto q = static_cast<std::int16_t>(std::nearbyint(c * 32767.0));
        putLe(b, static_cast<std::uint16_t>(q), 2);
    }
    return b;
}

void saveWav(const Wave& w, const QString& relPath)
{
    QString rel = relPath;
    if (!rel.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive))
        rel += QLatin1String(".wav");
    saveBytes(toWav(w), rel);
}

} // namespace tools::synth
