#pragma once
// The few things tests must control: time, chance and waiting. Production code asks
// these functions; tests install their own in-process replacements.
#include <QDate>
#include <QDateTime>
#include <cstdint>
#include <functional>

namespace platform {

// Nanoseconds of a monotonic clock (never jumps, unaffected by midnight).
std::uint64_t monotonicNanos();
// Milliseconds of the same clock.
std::int64_t monotonicMillis();
// Local wall-clock time (the calendar and the weekday of the card backs).
QDateTime currentDateTime();
inline QDate currentDate() { return currentDateTime().date(); }

// Uniform integer 0..n-1 for choices that are not shuffles (the shuffles carry their
// own generator). n <= 0 gives 0.
int randomBelow(int n);

// Waits the given milliseconds (card flights). Tests record instead of sleeping.
void sleepMs(int ms);

// Paces a run of steps by one clock from its start, so that the work between the pauses
// (a repaint) is part of a step's pace rather than added to it: the n-th pause ends when
// the pauses so far have passed since the start. Behind time, a pause is skipped. With a
// test sleeper installed each pause goes to it unchanged.
class StepPacer {
public:
    StepPacer();
    void pause(int ms);
    // What the last pause waited, in nanoseconds.
    std::uint64_t lastWaitNs() const { return lastWaitNs_; }

private:
    std::uint64_t start_;
    std::uint64_t dueNs_ = 0;
    std::uint64_t lastWaitNs_ = 0;
};

struct SeamOverrides {
    std::function<std::uint64_t()> monotonicNanos;
    std::function<QDateTime()> currentDateTime;
    std::function<int(int)> randomBelow;
    std::function<void(int)> sleepMs;
};

// Replaces the seams that are set in `o` (unset members keep the real behaviour);
// an empty SeamOverrides restores everything.
void setSeamOverridesForTest(const SeamOverrides& o);

} // namespace platform
