#pragma once
// An earlier test may have asked the application to quit, which stops every local event
// loop (and so every request) at once until the main loop has run once. Tests that wait
// for a request call this first.
#include <QCoreApplication>
#include <QTimer>

namespace testsupport {

inline void ClearPendingQuit()
{
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

} // namespace testsupport
