// Renders the program's sounds: short, soft effects for card handling and small tunes
// for the end of a round, a result and the start. Mono 16-bit at 22050 Hz.
#include "tools/common/Generator.h"
#include "tools/common/Synth.h"

#include <cmath>

using namespace tools::synth;

namespace {

double noteHz(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}
// Semitones from A4 of a few notes used below.
enum : int { C4 = -9, D4 = -7, E4 = -5, F4 = -4, G4 = -2, A4 = 0, B4 = 2, C5 = 3, D5 = 5, E5 = 7, G5 = 10, B5 = 14, C6 = 15, E6 = 19 };

// A struck, bell-like note: a few harmonics dying away.
Wave bell(double hz, double sec, double amp = 1.0)
{
    Wave w = tone(hz, hz, sec, 1.0);
    mixAt(w, tone(2 * hz, 2 * hz, sec, 0.35), 0);
    mixAt(w, tone(3.01 * hz, 3.01 * hz, sec, 0.12), 0);
    expDecay(w, 0.004);
    gain(w, amp);
    return w;
}

// A soft held note (organ-like), for the tunes.
Wave soft(double hz, double sec, double amp = 1.0)
{
    Wave w = tone(hz, hz, sec, 1.0, Shape::Triangle);
    mixAt(w, tone(hz * 2, hz * 2, sec, 0.2), 0);
    lowPass(w, 3000);
    adsr(w, 0.015, 0.08, 0.6, std::min(0.12, sec / 2));
    gain(w, amp);
    return w;
}

Wave finish(Wave w, double peak)
{
    fadeEdges(w, 0.003);
    normalize(w, peak);
    return w;
}

Wave click()
{
    Wave w = tone(1900, 1500, 0.03, 1.0);
    expDecay(w, 0.001);
    Wave n = noise(0.012, 0.6, 7);
    highPass(n, 2500);
    expDecay(n, 0.0005);
    mixAt(w, n, 0);
    return finish(w, 0.5);
}

Wave cardDown()
{
    // A card laid on cloth: a dull tap.
    Wave n = noise(0.07, 1.0, 11);
    lowPass(n, 900);
    expDecay(n, 0.002);
    Wave thump = tone(190, 120, 0.05, 0.8);
    expDecay(thump, 0.002);
    mixAt(n, thump, 0);
    return finish(n, 0.55);
}

Wave cardUp()
{
    // A card sliding off the pile: a short swish ending in a light tick.
    Wave n = noise(0.13, 1.0, 23);
    highPass(n, 1400);
    lowPass(n, 7000);
    adsr(n, 0.07, 0.0, 1.0, 0.06);
    Wave tick = tone(2600, 2200, 0.015, 0.5);
    expDecay(tick);
    mixAt(n, tick, 0.115);
    return finish(n, 0.45);
}

Wave cancel()
{
    Wave w = tone(210, 150, 0.16, 1.0, Shape::Triangle);
    lowPass(w, 1200);
    adsr(w, 0.01, 0.05, 0.7, 0.06);
    return finish(w, 0.42);
}

Wave stopka()
{
    // Two falling notes: no more moves from here.
    Wave w;
    mixAt(w, soft(noteHz(A4), 0.14), 0);
    mixAt(w, soft(noteHz(E4), 0.2), 0.15);
    return finish(w, 0.45);
}

Wave roundWon()
{
    Wave w;
    const int notes[] = {C5, E5, G5, C6};
    for (int i = 0; i < 4; ++i)
        mixAt(w, bell(noteHz(notes[i]), i == 3 ? 0.9 : 0.5), 0.11 * i);
    mixAt(w, bell(noteHz(E6), 0.6, 0.3), 0.33);
    return finish(w, 0.7);
}

Wave roundLost()
{
    Wave w;
    const int notes[] = {G4, F4, E4};
    for (int i = 0; i < 3; ++i)
        mixAt(w, soft(noteHz(notes[i]), 0.22), 0.2 * i);
    Wave last = tone(noteHz(D4), noteHz(C4), 0.6, 1.0, Shape::Triangle);
    lowPass(last, 2000);
    adsr(last, 0.02, 0.1, 0.7, 0.3);
    mixAt(w, last, 0.6);
    return finish(w, 0.45);
}

Wave resultGood()
{
    // A fanfare: three short calls and a held chord.
    Wave w;
    for (int i = 0; i < 3; ++i)
        mixAt(w, soft(noteHz(G4), 0.11), 0.13 * i);
    const int chord[] = {C5, E5, G5};
    for (int n : chord)
        mixAt(w, soft(noteHz(n), 0.9, 0.7), 0.4);
    mixAt(w, bell(noteHz(C6), 1.0, 0.5), 0.4);
    return finish(w, 0.7);
}

Wave resultBad()
{
    Wave w;
    const int notes[] = {E4, D4 + 1, D4};
    for (int i = 0; i < 3; ++i)
        mixAt(w, soft(noteHz(notes[i]), 0.3), 0.3 * i);
    // The last note droops with a slow vibrato.
    Wave last = silence(0.8);
    double phase = 0;
    for (std::size_t i = 0; i < last.s.size(); ++i) {
        const double t = static_cast<double>(i) / last.rate;
        const double hz = noteHz(D4 - 1) * (1 + 0.01 * std::sin(2 * M_PI * 5 * t)) * (1 - 0.03 * t);
        phase += hz / last.rate;
        last.s[i] = static_cast<float>(std::sin(2 * M_PI * phase));
    }
    adsr(last, 0.03, 0.1, 0.8, 0.4);
    mixAt(w, last, 0.9);
    return finish(w, 0.42);
}

Wave intro()
{
    // A chime: three bells rising, the last one ringing on.
    Wave w;
    mixAt(w, bell(noteHz(E5), 0.9), 0);
    mixAt(w, bell(noteHz(B5), 0.9, 0.8), 0.16);
    mixAt(w, bell(noteHz(E6), 1.3, 0.7), 0.32);
    mixAt(w, bell(noteHz(B4), 1.4, 0.4), 0.32);
    return finish(w, 0.6);
}

} // namespace

int main(int argc, char** argv)
{
    return tools::runGenerator(argc, argv, [] {
        saveWav(click(), "sounds/WavClick");
        saveWav(cardDown(), "sounds/WavDown");
        saveWav(cardUp(), "sounds/WavCardUp");
        saveWav(cancel(), "sounds/WavCancel");
        saveWav(stopka(), "sounds/WavStopka");
        saveWav(roundWon(), "sounds/WavKoGood");
        saveWav(roundLost(), "sounds/WavKoBads");
        saveWav(resultGood(), "sounds/WavFiGood");
        saveWav(resultBad(), "sounds/WavFiBads");
        saveWav(intro(), "sounds/WavIntro");
    });
}
