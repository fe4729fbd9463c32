#pragma once
// A small sound synthesiser for the generators: builds mono sample buffers from tones,
// noise and envelopes, then writes 16-bit PCM WAV (22050 Hz by default).
#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace tools::synth {

constexpr int kRate = 22050;

enum class Shape { Sine, Triangle, Square, Saw };

// Samples in [-1, 1] at `rate` per second.
struct Wave {
    int rate = kRate;
    std::vector<float> s;

    double seconds() const { return static_cast<double>(s.size()) / rate; }
    std::size_t frames(double sec) const;
};

Wave silence(double sec, int rate = kRate);
// A tone whose frequency glides linearly from f0 to f1 (Hz) over its length.
Wave tone(double f0, double f1, double sec, double amp = 1.0, Shape shape = Shape::Sine,
          int rate = kRate);
// White noise from a fixed seed, so the output is the same on every run.
Wave noise(double sec, double amp = 1.0, std::uint32_t seed = 1, int rate = kRate);

// Attack / decay / sustain level / release envelope (seconds); the sustain part lasts
// whatever remains of the wave.
void adsr(Wave& w, double attack, double decay, double sustain, double release);
// Exponential decay to about 1/1000 at the end (a struck or plucked sound).
void expDecay(Wave& w, double attack = 0.002);
// First-order low-pass (cut-off in Hz); softens noise into a swish or thud.
void lowPass(Wave& w, double cutoff);
void highPass(Wave& w, double cutoff);
void gain(Wave& w, double factor);
// Adds `src` into `dst` starting at `atSec`, growing `dst` as needed.
void mixAt(Wave& dst, const Wave& src, double atSec, double amp = 1.0);
void append(Wave& dst, const Wave& src);
// Scales so the loudest sample reaches `peak` (0..1).
void normalize(Wave& w, double peak = 0.8);
// Short fades at both ends so playback starts and stops without a click.
void fadeEdges(Wave& w, double sec = 0.004);

// RIFF/WAVE, PCM 16-bit mono.
QByteArray toWav(const Wave& w);
// Writes the wave at resources/relPath (".wav" added when missing).
void saveWav(const Wave& w, const QString& relPath);

} // namespace tools::synth
