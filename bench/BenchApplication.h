#pragma once
// Widgets need an application; the benchmark program has none of its own.
#include <QApplication>

namespace bench {

inline void ensureApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "vardelin_bench";
    static char* argv[] = {name, nullptr};
    // Left to the end of the process: tearing a static application down after the
    // windows' input devices crashes on the way out.
    new QApplication(argc, argv);
}

} // namespace bench
