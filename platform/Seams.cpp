#include "platform/Seams.h"

#include <QRandomGenerator>
#include <QThread>
#include <chrono>

namespace platform {

namespace {
SeamOverrides g_over;
}

void setSeamOverridesForTest(const SeamOverrides& o)
{
    g_over = o;
}

std::uint64_t monotonicNanos()
{
    if (g_over.monotonicNanos)
        return g_over.monotonicNanos();
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count());
}

std::int64_t monotonicMillis()
{
    return static_cast<std::int64_t>(monotonicNanos() / 1000000u);
}

QDateTime currentDateTime()
{
    if (g_over.currentDateTime)
        return g_over.currentDateTime();
    return QDateTime::currentDateTime();
}

int randomBelow(int n)
{
    if (n <= 0)
        return 0;
    if (g_over.randomBelow)
        return g_over.randomBelow(n);
    return static_cast<int>(QRandomGenerator::global()->bounded(n));
}

void sleepMs(int ms)
{
    if (g_over.sleepMs) {
        g_over.sleepMs(ms);
        return;
    }
    if (ms > 0)
        QThread::msleep(static_cast<unsigned long>(ms));
}

} // namespace platform

namespace platform {

StepPacer::StepPacer() : start_(monotonicNanos()) {}

void StepPacer::pause(int ms)
{
    lastWaitNs_ = 0;
    if (ms <= 0)
        return;
    dueNs_ += static_cast<std::uint64_t>(ms) * 1000000u;
    if (g_over.sleepMs) {
        g_over.sleepMs(ms);
        return;
    }
    const std::uint64_t elapsed = monotonicNanos() - start_;
    lastWaitNs_ = elapsed < dueNs_ ? dueNs_ - elapsed : 0;
    if (lastWaitNs_ >= 1000u)
        QThread::usleep(static_cast<unsigned long>(lastWaitNs_ / 1000u));
}

} // namespace platform
