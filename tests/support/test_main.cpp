// Test main: every test program runs inside one offscreen Qt application.
#include "foundation/Scrambler.h"
#include "foundation/ServerAddresses.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // A local server someone runs on the shipped port must not answer the tests' start-up
    // address lookups: they go to a closed port unless a test points them elsewhere.
    const QString closed = QStringLiteral("http://127.0.0.1:1/");
    ServerAddresses::StatusPageAddress = Scrambler::ScrambleText(closed + QStringLiteral("status.txt"), Scrambler::KeySettings);
    ServerAddresses::ConfigPageAddress = Scrambler::ScrambleText(closed + QStringLiteral("config.txt"), Scrambler::KeySettings);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
